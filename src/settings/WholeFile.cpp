#include "settings/WholeFile.h"

#include "fileio/ExclusiveFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {
namespace {

Result readFailure(const std::string& path, int error)
{
    return Result::failure("Cannot read \"" + path + "\": " + systemError(error) + ".");
}

Result readAll(int fd, const std::string& path, std::string& bytes)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return readFailure(path, errno);
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() + 4096); // the file may have grown since fstat
        ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return readFailure(path, errno);
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return Result::success();
}

} // namespace

Result readWholeFile(const std::string& path, std::optional<std::string>& bytes)
{
    bytes.reset();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Result::success() : readFailure(path, errno);
    std::string content;
    Result read = readAll(fd, path, content);
    ::close(fd);
    if (read.ok())
        bytes = std::move(content);
    return read;
}

} // namespace tw
