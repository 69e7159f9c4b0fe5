#include "text/Search.h"

#include "text/SubstringFinder.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace tw {
namespace {

// A buffer that only grows, reused for every entry of one search.
class LowerCaseBuffer {
public:
    LowerCaseBuffer() : bytes_(std::make_unique_for_overwrite<char[]>(InitialCapacity)) {}

    // `length` bytes of `text`, lower-cased.
    const char* lowered(const CodePage& codePage, const char* text, std::size_t length)
    {
        if (length > capacity_) {
            capacity_ = std::max(length, 2 * capacity_);
            bytes_ = std::make_unique_for_overwrite<char[]>(capacity_);
        }
        if (length > 0) {
            std::memcpy(bytes_.get(), text, length);
            codePage.lowerInPlace(bytes_.get(), length);
        }
        return bytes_.get();
    }

private:
    static constexpr std::size_t InitialCapacity = 4096;
    std::unique_ptr<char[]> bytes_;
    std::size_t capacity_ = InitialCapacity;
};

// One entry's bytes as held: its TextLength bytes. What the search sees ends at the first NUL.
struct HeldText {
    const char* bytes;
    std::size_t length;
};

HeldText heldText(const TalkTable& table, std::uint32_t i)
{
    const std::string_view held = table.textBytes(i);
    return {held.data() ? held.data() : "", held.size()};
}

// Whether the text can be seen as exactly `length` bytes: it holds that many, followed by a NUL
// unless they are all it holds (a loaded text is followed by the next one, not by a NUL). A NUL
// among them is caught by the comparison, since the query holds none. Costs at most one byte read,
// not a scan of the text.
bool endsAt(const HeldText& text, std::size_t length)
{
    return text.length == length || (text.length > length && text.bytes[length] == '\0');
}

bool sameBytes(const char* a, const char* b, std::size_t length)
{
    return length == 0 || std::memcmp(a, b, length) == 0;
}

// Whether a copy of the query (no NUL in it, not empty) begins on a character boundary of `text`
// before its first NUL. Looks for the first copy from the start and on from the next byte after
// one that begins inside a character.
bool occursIn(const CodePage& codePage, const char* text, std::size_t length, const SubstringFinder& query)
{
    std::size_t from = 0;
    for (;;) {
        const std::size_t position = query.find(text, length, from);
        if (position == SubstringFinder::npos)
            return false;
        if (std::memchr(text + from, '\0', position - from))
            return false; // the copy lies past the end of what the search sees
        if (codePage.startsCharacter(std::string_view(text, length), position))
            return true;
        from = position + 1;
    }
}

class EntryScan {
public:
    EntryScan(const TalkTable& table, const CodePage& codePage, std::string_view query)
        : table_(table), codePage_(codePage), query_(query), loweredQuery_(loweredCopy(codePage, query)),
          queryFinder_(query_), loweredQueryFinder_(loweredQuery_)
    {
    }

    bool matches(std::int32_t stage, std::uint32_t i)
    {
        const HeldText text = heldText(table_, i);
        switch (stage) {
        case ExactText:
            return endsAt(text, query_.size()) && sameBytes(text.bytes, query_.data(), query_.size());
        case ExactTextIgnoringCase:
            return endsAt(text, query_.size()) &&
                   sameBytes(lowered(text, query_.size()), loweredQuery_.data(), query_.size());
        case ContainsText:
            return occursIn(codePage_, text.bytes, text.length, queryFinder_);
        default:
            return occursIn(codePage_, lowered(text, text.length), text.length, loweredQueryFinder_);
        }
    }

private:
    static std::string loweredCopy(const CodePage& codePage, std::string_view query)
    {
        std::string copy(query);
        codePage.lowerInPlace(copy.data(), copy.size());
        return copy;
    }

    const char* lowered(const HeldText& text, std::size_t length)
    {
        return buffer_.lowered(codePage_, text.bytes, length);
    }

    const TalkTable& table_;
    const CodePage& codePage_;
    std::string_view query_;
    std::string loweredQuery_;
    SubstringFinder queryFinder_;
    SubstringFinder loweredQueryFinder_;
    LowerCaseBuffer buffer_;
};

// No text that the search sees holds a NUL, and an empty query occurs in none.
bool canMatch(std::int32_t stage, std::string_view query)
{
    if (query.find('\0') != std::string_view::npos)
        return false;
    return stage <= ExactTextIgnoringCase || !query.empty();
}

} // namespace

std::optional<SearchMatch> searchEntries(const TalkTable& table, const CodePage& codePage, std::string_view query,
                                         std::uint32_t start, std::int32_t stage)
{
    if (query == "0")
        return std::nullopt;
    EntryScan scan(table, codePage, query);
    const std::uint32_t count = table.EntryCount();
    for (std::int32_t k = ExactText; k <= ContainsTextIgnoringCase; ++k) {
        if (stage > k || !canMatch(k, query))
            continue;
        for (std::uint32_t i = start; i < count; ++i)
            if (scan.matches(k, i))
                return SearchMatch {i, k};
    }
    return std::nullopt;
}

} // namespace tw
