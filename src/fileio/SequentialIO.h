#pragma once

#include "fileio/ExclusiveFile.h"

#include <cstddef>
#include <memory>

namespace tw {

// Reads a file front to back through one buffer, never seeking: every byte is visited once.
// Fails when the file ends before the bytes asked for; the reason names what was being read.
class SequentialReader {
public:
    explicit SequentialReader(ExclusiveFile& file, std::size_t bufferSize = 1 << 20);

    Result read(char* destination, std::size_t count, const char* what);

private:
    ExclusiveFile& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

// Writes a file front to back through one buffer; every write is checked in full.
class SequentialWriter {
public:
    explicit SequentialWriter(ExclusiveFile& file, std::size_t bufferSize = 1 << 20);

    Result write(const char* data, std::size_t count);
    // Writes what is still buffered.
    Result finish();

private:
    ExclusiveFile& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t used_ = 0;
};

} // namespace tw
