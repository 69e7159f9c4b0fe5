#pragma once

#include "text/Search.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tw {

// The matches that a Search from entry `from` followed by Search Next until nothing is found
// shows, in that order: the first scan runs from `from` at stage 0, every later one from the
// entry after the last match at that match's stage. The entries come out strictly ascending.
std::vector<SearchMatch> searchVisits(const TalkTable& table, const CodePage& codePage, std::string_view query,
                                      std::uint32_t from);

} // namespace tw
