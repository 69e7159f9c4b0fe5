#include "fileio/SequentialIO.h"

#include <cstring>
#include <string>

namespace tw {

SequentialReader::SequentialReader(ExclusiveFile& file, std::size_t bufferSize)
    : file_(file), buffer_(new char[bufferSize]), capacity_(bufferSize)
{
}

Result SequentialReader::read(char* destination, std::size_t count, const char* what)
{
    std::size_t buffered = end_ - begin_;
    std::size_t fromBuffer = buffered < count ? buffered : count;
    if (fromBuffer > 0)
        std::memcpy(destination, buffer_.get() + begin_, fromBuffer);
    begin_ += fromBuffer;
    destination += fromBuffer;
    count -= fromBuffer;
    if (count == 0)
        return Result::success();

    std::size_t got = 0;
    if (count >= capacity_) {
        // Large pieces go straight into their place, without passing through the buffer.
        TW_TRY(file_.readSome(destination, count, got));
    } else {
        TW_TRY(file_.readSome(buffer_.get(), capacity_, got));
        begin_ = 0;
        end_ = got;
        std::size_t now = got < count ? got : count;
        std::memcpy(destination, buffer_.get(), now);
        begin_ = now;
        got = now;
    }
    if (got < count)
        return Result::failure("\"" + file_.path() + "\" ends in the middle of " + what + ".");
    return Result::success();
}

SequentialWriter::SequentialWriter(ExclusiveFile& file, std::size_t bufferSize)
    : file_(file), buffer_(new char[bufferSize]), capacity_(bufferSize)
{
}

Result SequentialWriter::write(const char* data, std::size_t count)
{
    if (used_ + count > capacity_) {
        TW_TRY(finish());
        if (count >= capacity_)
            return file_.writeAll(data, count);
    }
    std::memcpy(buffer_.get() + used_, data, count);
    used_ += count;
    return Result::success();
}

Result SequentialWriter::finish()
{
    std::size_t pending = used_;
    used_ = 0;
    return file_.writeAll(buffer_.get(), pending);
}

} // namespace tw
