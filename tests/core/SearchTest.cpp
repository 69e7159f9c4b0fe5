#include "text/Search.h"
#include "text/SubstringFinder.h"

#include "support/TableBuilder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tw {

// Found by argument-dependent lookup, so they live beside SearchMatch; static keeps them to this file.
static bool operator==(const SearchMatch& a, const SearchMatch& b)
{
    return a.entry == b.entry && a.stage == b.stage;
}

[[maybe_unused]] static void PrintTo(const SearchMatch& match, std::ostream* out)
{
    *out << "entry " << match.entry << " stage " << match.stage;
}

namespace {

using testing::tableOf;

const CodePage& windows1252() { return codePage(CodePageId::Windows1252); }

// A Search from `current` followed by Search Next until nothing is found, as the window runs them:
// every match becomes the current entry and its stage the remembered one. A search that went
// backwards would visit more entries than the table has; the loop stops there.
std::vector<SearchMatch> searchThenNext(const TalkTable& table, std::string_view query, std::uint32_t current,
                                        const CodePage& page = windows1252())
{
    std::vector<SearchMatch> visited;
    std::optional<SearchMatch> match = searchEntries(table, page, query, current, ExactText);
    while (match && visited.size() <= table.EntryCount()) {
        visited.push_back(*match);
        match = searchEntries(table, page, query, match->entry + 1, match->stage);
    }
    return visited;
}

TEST(Search, QueryZeroFindsNothingEvenWhereATextIsZero)
{
    const auto table = tableOf({"0", "10", "x0", "0"});
    for (std::int32_t stage = ExactText; stage <= ContainsTextIgnoringCase; ++stage)
        for (std::uint32_t start : {0u, 1u})
            EXPECT_EQ(searchEntries(*table, windows1252(), "0", start, stage), std::nullopt);
    EXPECT_EQ(searchEntries(*table, windows1252(), "10", 0, ExactText), (SearchMatch {1, ExactText}));
    EXPECT_EQ(searchEntries(*table, windows1252(), "00", 0, ExactText), std::nullopt);
}

TEST(Search, EmptyQueryFindsOnlyEmptyTextsAndOnlyInTheExactStages)
{
    const auto table = tableOf({"a", "", "b", "", "c"});
    EXPECT_EQ(searchEntries(*table, windows1252(), "", 0, ExactText), (SearchMatch {1, ExactText}));
    EXPECT_EQ(searchEntries(*table, windows1252(), "", 2, ExactText), (SearchMatch {3, ExactText}));
    EXPECT_EQ(searchEntries(*table, windows1252(), "", 2, ExactTextIgnoringCase),
              (SearchMatch {3, ExactTextIgnoringCase}));
    EXPECT_EQ(searchEntries(*table, windows1252(), "", 0, ContainsText), std::nullopt);
    EXPECT_EQ(searchEntries(*table, windows1252(), "", 4, ExactText), std::nullopt);
    EXPECT_EQ(searchThenNext(*tableOf({"x", "y"}), "", 0), std::vector<SearchMatch> {});
}

TEST(Search, ExactMatchFurtherOnComesBeforeAnEarlierContainingText)
{
    std::vector<std::string> texts(600);
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = "line " + std::to_string(i);
    texts[20] = "the dragon sleeps";
    texts[500] = "dragon";
    const auto table = tableOf(texts);

    EXPECT_EQ(searchThenNext(*table, "dragon", 0), (std::vector<SearchMatch> {{500, ExactText}}));
    // A new Search from entry 21 finds nothing exact, then the stages widen from entry 21 again.
    EXPECT_EQ(searchThenNext(*table, "dragon", 21), (std::vector<SearchMatch> {{500, ExactText}}));
    EXPECT_EQ(searchThenNext(*table, "dragon", 501), std::vector<SearchMatch> {});
    EXPECT_EQ(searchThenNext(*table, "dragon", 20), (std::vector<SearchMatch> {{500, ExactText}}));
}

TEST(Search, SearchNextKeepsItsStageAndWidensOnlyForward)
{
    const auto table = tableOf({"abc", "xABCx", "other", "abc", "zzAbC", "ABC", "no"});
    // Exact matches first; then the first wider match after the last exact one, never entries 1 or 4.
    EXPECT_EQ(searchThenNext(*table, "abc", 0),
              (std::vector<SearchMatch> {{0, ExactText}, {3, ExactText}, {5, ExactTextIgnoringCase}}));
    EXPECT_EQ(searchThenNext(*table, "ABC", 0), (std::vector<SearchMatch> {{5, ExactText}}));
    EXPECT_EQ(searchThenNext(*table, "bc", 0),
              (std::vector<SearchMatch> {{0, ContainsText}, {3, ContainsText}, {4, ContainsTextIgnoringCase},
                                         {5, ContainsTextIgnoringCase}}));
}

TEST(Search, AtStageThreeNextVisitsEveryLaterMatchInOrder)
{
    const auto table = tableOf({"abc", "xABCx", "other", "abc", "zzAbC", "ABC", "no"});
    std::vector<std::uint32_t> visited;
    std::uint32_t current = 0;
    while (auto match = searchEntries(*table, windows1252(), "ABC", current + 1, ContainsTextIgnoringCase)) {
        EXPECT_EQ(match->stage, ContainsTextIgnoringCase);
        visited.push_back(match->entry);
        if (match->entry <= current)
            break;
        current = match->entry;
    }
    EXPECT_EQ(visited, (std::vector<std::uint32_t> {1, 3, 4, 5}));
}

TEST(Search, ScanStartsAtStartAndNeverWraps)
{
    const auto table = tableOf({"abc", "x", "y"});
    EXPECT_EQ(searchEntries(*table, windows1252(), "abc", 1, ExactText), std::nullopt);
    // Search Next on the last entry starts at EntryCount: nothing is examined.
    EXPECT_EQ(searchEntries(*tableOf({"abc", "abc"}), windows1252(), "abc", 2, ExactText), std::nullopt);
    EXPECT_EQ(searchEntries(*table, windows1252(), "abc", 0xFFFFFFFFu, ExactText), std::nullopt);
    EXPECT_EQ(searchEntries(TalkTable(), windows1252(), "abc", 0, ExactText), std::nullopt);
}

struct StageCase {
    std::string text;
    std::string query;
    std::int32_t stage;
    std::optional<std::int32_t> matchedStage;
};

TEST(Search, EachStageMatchesItsOwnKindOfText)
{
    const StageCase cases[] = {
        {"ABC", "ABC", ExactText, ExactText},
        {"abc", "ABC", ExactText, ExactTextIgnoringCase},
        {"xxABCxx", "ABC", ExactText, ContainsText},
        {"xxabcxx", "ABC", ExactText, ContainsTextIgnoringCase},
        {"abd", "ABC", ExactText, std::nullopt},
        // A stage below the remembered one does not run.
        {"ABC", "ABC", ExactTextIgnoringCase, ExactTextIgnoringCase},
        {"ABC", "ABC", ContainsText, ContainsText},
        {"abc", "ABC", ContainsText, ContainsTextIgnoringCase},
        {"ABC", "ABC", ContainsTextIgnoringCase, ContainsTextIgnoringCase},
        {"ABC", "ABC", 4, std::nullopt},
        {"ABC", "ABC", -1, ExactText},
        // Letters beyond A-Z fold as the code page folds them.
        {"\xC9T\xC9", "\xE9t\xE9", ExactText, ExactTextIgnoringCase},
        {"\xD7", "\xF7", ExactText, std::nullopt},
        {"a \x8A" "b", "\x9A", ExactText, ContainsTextIgnoringCase},
        // Line breaks are compared as held.
        {"one\ntwo", "two", ExactText, ContainsText},
        {"one\ntwo", "one\ntwo", ExactText, ExactText},
        {"one\r\ntwo", "one\ntwo", ExactText, std::nullopt},
        // A text ends at its first NUL: what follows is not seen by any stage.
        {std::string("abc\0def", 7), "abc", ExactText, ExactText},
        {std::string("ABC\0abc", 7), "abc", ExactText, ExactTextIgnoringCase},
        {std::string("abc\0def", 7), "def", ExactText, std::nullopt},
        {std::string("xy\0ABC", 6), "abc", ExactText, std::nullopt},
        {std::string("abc\0def", 7), std::string("c\0d", 3), ExactText, std::nullopt},
        {std::string("\0", 1), "", ExactText, ExactText},
        // The query is longer than the text, or the text is longer than the query.
        {"ab", "abc", ExactText, std::nullopt},
        {"abcd", "abc", ExactText, ContainsText},
    };
    for (const StageCase& c : cases) {
        const auto table = tableOf({c.text});
        const auto match = searchEntries(*table, windows1252(), c.query, 0, c.stage);
        const auto matchedStage = match ? std::optional<std::int32_t>(match->stage) : std::nullopt;
        EXPECT_EQ(matchedStage, c.matchedStage)
            << ::testing::PrintToString(c.text) << " " << ::testing::PrintToString(c.query) << " " << c.stage;
    }
}

TEST(Search, ATextEndsAtItsLengthWhereTheNextOneFollowsDirectly)
{
    // Loaded texts lie back to back: the byte after a text is the next text's first byte.
    const auto table = tableOf({"ab", "cd", "AB", "cd"});
    EXPECT_EQ(searchEntries(*table, windows1252(), "ab", 0, ExactText), (SearchMatch {0, ExactText}));
    EXPECT_EQ(searchEntries(*table, windows1252(), "ab", 1, ExactText), (SearchMatch {2, ExactTextIgnoringCase}));
    EXPECT_EQ(searchEntries(*table, windows1252(), "bc", 0, ExactText), std::nullopt);
}

TEST(Search, IgnoringCaseWorksOnTextsLongerThanAnyBefore)
{
    std::string longText(100000, 'x');
    longText += "NEEDLE";
    const auto table = tableOf({"short needle", longText, "xNEEDLE"});
    EXPECT_EQ(searchEntries(*table, windows1252(), "Needle", 1, ExactText), (SearchMatch {1, ContainsTextIgnoringCase}));
    EXPECT_EQ(searchEntries(*table, windows1252(), "Needle", 2, ContainsTextIgnoringCase),
              (SearchMatch {2, ContainsTextIgnoringCase}));
}

struct BoundaryCase {
    CodePageId page;
    std::string text;
    std::string query;
    std::optional<std::int32_t> matchedStage;
};

TEST(Search, CopiesThatBeginInsideACharacterDoNotCount)
{
    const BoundaryCase cases[] = {
        // あい is 82 A0 82 A2: the trail of あ and the lead of い are no character of their own.
        {CodePageId::ShiftJis, "\x82\xA0\x82\xA2", "\xA0\x82", std::nullopt},
        {CodePageId::Windows1252, "\x82\xA0\x82\xA2", "\xA0\x82", ContainsText},
        {CodePageId::ShiftJis, "\x82\xA0\x82\xA2", "\x82\xA2", ContainsText},
        // The first copy begins on a trail byte, the second on a character.
        {CodePageId::ShiftJis, "\x88\x82\xA0\x82\xA0", "\x82\xA0", ContainsText},
        // ア is 83 41: its trail byte is not an "A", neither as it is nor lower-cased.
        {CodePageId::ShiftJis, "\x83\x41", "A", std::nullopt},
        {CodePageId::ShiftJis, "\x83\x41", "a", std::nullopt},
        {CodePageId::Windows1252, "\x83\x41", "a", ContainsTextIgnoringCase},
        {CodePageId::ShiftJis, "\x82\x81\x82\x82", "\x82\x60\x82\x61", ExactTextIgnoringCase},
        {CodePageId::ShiftJis, "x\x82\x81\x82\x82", "\x82\x61", ContainsTextIgnoringCase},
        // é is C3 A9 in UTF-8: its second byte begins no character.
        {CodePageId::Utf8, "caf\xC3\xA9", "\xA9", std::nullopt},
        {CodePageId::Utf8, "CAF\xC3\x89", "caf\xC3\xA9", ExactTextIgnoringCase},
        {CodePageId::Utf8, "\xCE\x91\xCE\x92\xCE\x93", "\xCE\xB2", ContainsTextIgnoringCase},
    };
    for (const BoundaryCase& c : cases) {
        const auto table = tableOf({c.text});
        const auto match = searchEntries(*table, codePage(c.page), c.query, 0, ExactText);
        const auto matchedStage = match ? std::optional<std::int32_t>(match->stage) : std::nullopt;
        EXPECT_EQ(matchedStage, c.matchedStage) << static_cast<std::uint32_t>(c.page) << " "
                                                << ::testing::PrintToString(c.text) << " "
                                                << ::testing::PrintToString(c.query);
    }
}

TEST(SubstringFinder, FindsTheFirstCopyFromAnyStartInTextsOfEveryLength)
{
    // Few distinct bytes, so that copies, near misses and overlapping copies are common, and texts
    // from empty to a few blocks of positions long, so that every way a text ends is met.
    std::mt19937 random(16);
    std::uniform_int_distribution<int> byte('a', 'c');
    auto randomText = [&](std::size_t length) {
        std::string text(length, ' ');
        for (char& c : text)
            c = static_cast<char>(byte(random));
        return text;
    };
    for (std::size_t queryLength = 1; queryLength <= 5; ++queryLength) {
        for (std::size_t length = 0; length <= 70; ++length) {
            const std::string query = randomText(queryLength);
            const std::string text = randomText(length);
            const std::vector<char> exactBuffer(text.begin(), text.end()); // a read past it is caught
            const SubstringFinder finder(query);
            for (std::size_t from = 0; from <= length; ++from)
                ASSERT_EQ(finder.find(exactBuffer.data(), length, from), std::string_view(text).find(query, from))
                    << text << " " << query << " from " << from;
        }
    }
    EXPECT_EQ(SubstringFinder("").find("abc", 3, 0), SubstringFinder::npos);
    const std::string longQuery(40, 'x');
    const std::string text = std::string(100, 'x') + "y";
    EXPECT_EQ(SubstringFinder(longQuery).find(text.data(), text.size(), 30), 30u);
    EXPECT_EQ(SubstringFinder(longQuery).find(text.data(), text.size(), 61), SubstringFinder::npos);
}

TEST(Search, SeesTheTextsAsTheTableHoldsThemNow)
{
    auto table = tableOf({"old", "old"});
    EXPECT_EQ(searchEntries(*table, windows1252(), "new", 0, ExactText), std::nullopt);
    table->ReplaceEntryText(1, "new");
    EXPECT_EQ(searchEntries(*table, windows1252(), "new", 0, ExactText), (SearchMatch {1, ExactText}));
}

} // namespace
} // namespace tw
