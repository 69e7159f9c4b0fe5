#include "text/SearchVisits.h"

namespace tw {

std::vector<SearchMatch> searchVisits(const TalkTable& table, const CodePage& codePage, std::string_view query,
                                      std::uint32_t from)
{
    std::vector<SearchMatch> visits;
    std::uint32_t start = from;
    std::int32_t stage = ExactText;
    while (auto match = searchEntries(table, codePage, query, start, stage)) {
        visits.push_back(*match);
        // A match lies below EntryCount, so the entry after it never wraps to 0.
        start = match->entry + 1;
        stage = match->stage;
    }
    return visits;
}

} // namespace tw
