#pragma once

#include "talktable/TalkTable.h"
#include "text/CodePage.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tw {

// The four stages of the search, narrowest first. Stage k runs when the remembered stage is at
// most k, so Search Next never falls back to a narrower stage than its last match.
enum SearchStage : std::int32_t {
    ExactText = 0,           // the text equals the query byte for byte
    ExactTextIgnoringCase = 1, // the lower-cased text equals the lower-cased query
    ContainsText = 2,        // the query occurs in the text
    ContainsTextIgnoringCase = 3, // the lower-cased query occurs in the lower-cased text
};

struct SearchMatch {
    std::uint32_t entry;
    std::int32_t stage;
};

// Scans the entries from `start` upward once for every stage that `stage` lets run, each stage
// from `start` again, and returns the first match with its stage. An entry's text is its text
// up to its first NUL. The query "0" finds nothing; an empty query occurs in no text. No wrap-around.
std::optional<SearchMatch> searchEntries(const TalkTable& table, const CodePage& codePage, std::string_view query,
                                         std::uint32_t start, std::int32_t stage);

} // namespace tw
