#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace tw {

// One entry's text in a buffer of its own: its bytes followed by one NUL. An empty slot has no buffer.
// The length lives in the entry's TextLength; the buffer itself only guarantees the final NUL.
class EntryText {
public:
    EntryText() = default;

    // A buffer of `length` + 1 bytes whose last byte is NUL, for the caller to fill.
    static EntryText ofLength(std::uint32_t length);
    static EntryText copyOf(std::string_view bytes);

    bool hasBuffer() const { return buffer_ != nullptr; }
    char* data() { return buffer_.get(); }
    const char* data() const { return buffer_.get(); }

private:
    std::unique_ptr<char[]> buffer_;
};

} // namespace tw
