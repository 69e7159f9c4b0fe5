#pragma once

#include <memory>
#include <string_view>
#include <utility>

namespace tw {

// One entry's text. A text given to an entry has a buffer of its own, its bytes followed by one NUL;
// a text as it was loaded lies in the block that its table holds for all loaded texts, back to back
// as in the file, so no NUL follows it there. An empty slot has no buffer. The length lives in the
// entry's TextLength: read a text through it, never up to a NUL.
class EntryText {
public:
    EntryText() = default;
    EntryText(EntryText&& other) noexcept
        : owned_(std::move(other.owned_)), data_(std::exchange(other.data_, nullptr))
    {
    }
    EntryText& operator=(EntryText&& other) noexcept
    {
        owned_ = std::move(other.owned_);
        data_ = std::exchange(other.data_, nullptr);
        return *this;
    }

    // A buffer of its own holding `bytes` and one NUL after them.
    static EntryText copyOf(std::string_view bytes);
    // The text at `bytes`, which lie in a block that outlives it.
    static EntryText inBlock(char* bytes)
    {
        EntryText text;
        text.data_ = bytes;
        return text;
    }

    bool hasBuffer() const { return data_ != nullptr; }
    // False for a text that lies in a table's block.
    bool ownsBuffer() const { return owned_ != nullptr; }
    const char* data() const { return data_; }

private:
    std::unique_ptr<char[]> owned_;
    char* data_ = nullptr;
};

} // namespace tw
