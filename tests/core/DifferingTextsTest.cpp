#include "patch/DifferingTexts.h"
#include "support/TableBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tw {
namespace {

using testing::tableOf;

std::vector<int> marks(const TalkTable& table)
{
    std::vector<int> result;
    for (std::uint32_t i = 0; i < table.EntryCount(); ++i)
        result.push_back(table.PatchMark(i));
    return result;
}

TEST(DifferingTexts, MarksExactlyTheEntriesWhoseHeldBytesDiffer)
{
    using namespace std::string_literals;
    auto original = tableOf({"same", "old", "a\0tail"s, "prefix", "", "case", "a\0tail"s});
    auto changed = tableOf({"same", "new", "a\0TAIL"s, "prefix and more", "", "Case", "a\0tail"s});

    ASSERT_TRUE(markDifferingTexts(*original, *changed).ok());

    // Bytes after a NUL count, a longer text counts, equal texts (empty ones too) are left alone.
    EXPECT_EQ(marks(*changed), (std::vector<int> {0, 1, 1, 1, 0, 1, 0}));
    EXPECT_EQ(marks(*original), (std::vector<int> {0, 0, 0, 0, 0, 0, 0}));
}

TEST(DifferingTexts, KeepsMarksThatWereAlreadySet)
{
    auto original = tableOf({"one", "two"});
    auto changed = tableOf({"one", "two"});
    changed->setPatchMark(0, 1);

    ASSERT_TRUE(markDifferingTexts(*original, *changed).ok());
    EXPECT_EQ(marks(*changed), (std::vector<int> {1, 0}));
}

TEST(DifferingTexts, RefusesTablesOfDifferentSizesAndMarksNothing)
{
    auto original = tableOf({"one", "two"});
    auto changed = tableOf({"one", "changed", "three"});

    Result result = markDifferingTexts(*original, *changed);

    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.reason().find("different entry counts (2 and 3)"), std::string::npos) << result.reason();
    EXPECT_EQ(marks(*changed), (std::vector<int> {0, 0, 0}));
}

} // namespace
} // namespace tw
