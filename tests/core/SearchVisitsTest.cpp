#include "text/SearchVisits.h"

#include "support/TableBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tw {
namespace {

using testing::TableBuilder;
using Visits = std::vector<std::pair<std::uint32_t, std::int32_t>>;

Visits visitsOf(const std::vector<std::string>& texts, std::string_view query, std::uint32_t from)
{
    auto table = std::make_unique<TalkTable>();
    TableBuilder builder;
    for (const std::string& text : texts)
        builder.add(text);
    builder.loadInto(*table);
    Visits visits;
    for (const SearchMatch& match : searchVisits(*table, codePage(CodePageId::Windows1252), query, from))
        visits.emplace_back(match.entry, match.stage);
    return visits;
}

// Entry 1 contains the query, 2 equals it ignoring case, 3, 4 and 6 equal it, 5 contains it
// ignoring case, 7 equals it ignoring case.
const std::vector<std::string> Texts = {"none", "say abc", "ABC", "abc", "abc", "x ABC y", "abc", "Abc", "none"};

TEST(SearchVisits, WidensOnlyForwardFromTheLastMatch)
{
    struct Case {
        std::uint32_t from;
        Visits expected;
    };
    const Case cases[] = {
        // Exact matches first; the wider stages only run once no exact match is left after 6,
        // and then only from entry 7 on: 1, 2 and 5 are never shown.
        {0, {{3, 0}, {4, 0}, {6, 0}, {7, 1}}},
        {5, {{6, 0}, {7, 1}}},
        // From 7 no exact match is left, so the first scan already widens to stage 1, then 2 and 3 find nothing.
        {7, {{7, 1}}},
        {8, {}},
        {9, {}},
        {4000000000u, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(visitsOf(Texts, "abc", c.from), c.expected) << "from " << c.from;
}

TEST(SearchVisits, GoesOnAtTheStageOfItsLastMatch)
{
    // Only stage 3 matches here, so every visit after the first one also scans at stage 3.
    EXPECT_EQ(visitsOf({"xx", "SAY ABC", "Abc x", "none", "xABCx"}, "abc", 0), (Visits {{1, 3}, {2, 3}, {4, 3}}));
}

TEST(SearchVisits, TheQueryZeroVisitsNothing)
{
    EXPECT_EQ(visitsOf({"0", "10", "zero"}, "0", 0), Visits {});
}

} // namespace
} // namespace tw
