#include "fileio/ExclusiveFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tw {

std::string systemError(int code)
{
    return std::strerror(code);
}

ExclusiveFile::~ExclusiveFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

ExclusiveFile::ExclusiveFile(ExclusiveFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_))
{
}

ExclusiveFile& ExclusiveFile::operator=(ExclusiveFile&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

Result ExclusiveFile::openForReading(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Result::failure("Cannot open \"" + path + "\": " + systemError(errno) + ".");
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Result::failure("\"" + path + "\" is held open by another program.");
        return Result::failure("Cannot lock \"" + path + "\": " + systemError(error) + ".");
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Result::failure("\"" + path + "\" is a folder, not a file.");
    }
    *this = ExclusiveFile();
    fd_ = fd;
    path_ = path;
    return Result::success();
}

Result ExclusiveFile::createTemporaryBeside(const std::string& besidePath)
{
    std::string pattern = besidePath + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return Result::failure("Cannot create a file beside \"" + besidePath + "\": " + systemError(errno) + ".");
    *this = ExclusiveFile();
    fd_ = fd;
    path_ = name.data();
    // Nobody else knows the name yet, so the lock cannot be taken from us.
    ::flock(fd_, LOCK_EX | LOCK_NB);
    return Result::success();
}

Result ExclusiveFile::size(std::uint64_t& bytes) const
{
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        return Result::failure("Cannot read the size of \"" + path_ + "\": " + systemError(errno) + ".");
    bytes = static_cast<std::uint64_t>(info.st_size);
    return Result::success();
}

Result ExclusiveFile::readSome(char* buffer, std::size_t count, std::size_t& got)
{
    got = 0;
    while (got < count) {
        ssize_t n = ::read(fd_, buffer + got, count - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Result::failure("Cannot read \"" + path_ + "\": " + systemError(errno) + ".");
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return Result::success();
}

Result ExclusiveFile::writeAll(const char* data, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(fd_, data + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Result::failure("Cannot write \"" + path_ + "\": " + systemError(errno) + ".");
        }
        if (n == 0)
            return Result::failure("Cannot write \"" + path_ + "\": the disk took no more bytes.");
        done += static_cast<std::size_t>(n);
    }
    return Result::success();
}

Result ExclusiveFile::flushToDisk()
{
    if (::fsync(fd_) != 0)
        return Result::failure("Cannot flush \"" + path_ + "\" to the disk: " + systemError(errno) + ".");
    return Result::success();
}

Result ExclusiveFile::close()
{
    int fd = std::exchange(fd_, -1);
    if (fd >= 0 && ::close(fd) != 0)
        return Result::failure("Cannot close \"" + path_ + "\": " + systemError(errno) + ".");
    return Result::success();
}

} // namespace tw
