#include "talktable/EntryText.h"

#include <cstring>

namespace tw {

EntryText EntryText::copyOf(std::string_view bytes)
{
    EntryText text;
    text.owned_.reset(new char[bytes.size() + 1]);
    if (!bytes.empty())
        std::memcpy(text.owned_.get(), bytes.data(), bytes.size());
    text.owned_[bytes.size()] = '\0';
    text.data_ = text.owned_.get();
    return text;
}

} // namespace tw
