#include "talktable/EntryText.h"

#include <cstring>

namespace tw {

EntryText EntryText::ofLength(std::uint32_t length)
{
    EntryText text;
    text.owned_.reset(new char[std::size_t(length) + 1]);
    text.data_ = text.owned_.get();
    text.data_[length] = '\0';
    return text;
}

EntryText EntryText::copyOf(std::string_view bytes)
{
    EntryText text = ofLength(static_cast<std::uint32_t>(bytes.size()));
    if (!bytes.empty())
        std::memcpy(text.data_, bytes.data(), bytes.size());
    return text;
}

} // namespace tw
