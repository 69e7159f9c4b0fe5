#pragma once

#include "fileio/Result.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tw {

// An open file descriptor that holds an exclusive, non-blocking flock for as long as it is open,
// so that no two programs read or write a table or a patch file at the same time.
// Every method reports a failure with a reason and never throws.
class ExclusiveFile {
public:
    ExclusiveFile() = default;
    ~ExclusiveFile();
    ExclusiveFile(ExclusiveFile&& other) noexcept;
    ExclusiveFile& operator=(ExclusiveFile&& other) noexcept;
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    // Opens an existing file for reading; fails when it is missing or another holder has it locked.
    Result openForReading(const std::string& path);
    // Creates a new, empty, uniquely named file in the folder of `besidePath`; its name is `path()`.
    Result createTemporaryBeside(const std::string& besidePath);

    bool isOpen() const { return fd_ >= 0; }
    int descriptor() const { return fd_; }
    const std::string& path() const { return path_; }

    Result size(std::uint64_t& bytes) const;
    // Reads up to `count` bytes; `got` is less than `count` only at the end of the file.
    Result readSome(char* buffer, std::size_t count, std::size_t& got);
    // Writes all `count` bytes or reports why it could not.
    Result writeAll(const char* data, std::size_t count);
    // Flushes the file's data to the disk.
    Result flushToDisk();
    // Closes the file and reports a failed close (which can hide a failed write).
    Result close();

private:
    int fd_ = -1;
    std::string path_;
};

// The text of the C library's error code, for failure reasons.
std::string systemError(int code);

} // namespace tw
