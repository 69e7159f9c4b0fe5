#include "fileio/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {
namespace {

std::string folderOf(const std::string& path)
{
    auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t newFileMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Takes the lock of the file being replaced, so that no other program has it open meanwhile.
Result lockCurrent(const std::string& path, ExclusiveFile& current, mode_t& mode)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            mode = newFileMode();
            return Result::success();
        }
        return Result::failure("Cannot look at \"" + path + "\": " + systemError(errno) + ".");
    }
    mode = info.st_mode & 07777;
    return current.openForReading(path);
}

Result writeTemporary(ExclusiveFile& temporary, mode_t mode, const FileFiller& fill)
{
    SequentialWriter writer(temporary);
    TW_TRY(fill(writer));
    TW_TRY(writer.finish());
    if (::fchmod(temporary.descriptor(), mode) != 0)
        return Result::failure("Cannot set the permissions of \"" + temporary.path() + "\": " + systemError(errno) + ".");
    TW_TRY(temporary.flushToDisk());
    return temporary.close();
}

Result moveIntoPlace(const std::string& temporary, const std::string& path, const std::string& backupPath, bool hasCurrent)
{
    bool backedUp = false;
    if (hasCurrent && !backupPath.empty()) {
        if (std::rename(path.c_str(), backupPath.c_str()) != 0)
            return Result::failure("Cannot rename \"" + path + "\" to \"" + backupPath + "\": " + systemError(errno) + ".");
        backedUp = true;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        if (backedUp)
            std::rename(backupPath.c_str(), path.c_str());
        return Result::failure("Cannot rename \"" + temporary + "\" to \"" + path + "\": " + systemError(error) + ".");
    }
    return Result::success();
}

// Makes the renames durable. The new file is already complete and in place, so this is best effort.
void flushFolder(const std::string& path)
{
    int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

Result replaceFile(const std::string& path, const std::string& backupPath, const FileFiller& fill)
{
    ExclusiveFile current;
    mode_t mode = 0;
    TW_TRY(lockCurrent(path, current, mode));

    ExclusiveFile temporary;
    TW_TRY(temporary.createTemporaryBeside(path));
    std::string temporaryPath = temporary.path();
    Result written = writeTemporary(temporary, mode, fill);
    if (written.ok())
        written = moveIntoPlace(temporaryPath, path, backupPath, current.isOpen());
    if (!written.ok()) {
        temporary = ExclusiveFile();
        ::unlink(temporaryPath.c_str());
        return written;
    }
    flushFolder(path);
    return Result::success();
}

} // namespace tw
