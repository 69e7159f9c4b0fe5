#include "support/TableBuilder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::TableBuilder;

std::vector<std::uint32_t> offsets(const TalkTable& table)
{
    std::vector<std::uint32_t> result;
    for (std::uint32_t i = 0; i < table.EntryCount(); ++i)
        result.push_back(table.entry(i).textOffset());
    return result;
}

TEST(ReplaceEntryText, ShorterTextMovesEveryLaterOffsetModulo2To32)
{
    TableBuilder builder;
    builder.add("first").add("0123456789").add("x").add("y");
    builder.textOffsets = {0, 5, 2, 100};
    TalkTable table;
    builder.loadInto(table);

    table.ReplaceEntryText(1, "abcd");

    EXPECT_EQ(table.entry(1).textLength(), 4u);
    EXPECT_EQ(table.textBytes(1), "abcd");
    EXPECT_EQ(table.text(1).data()[4], '\0');
    EXPECT_EQ(offsets(table), (std::vector<std::uint32_t> {0, 5, 4294967292u, 94}));
    EXPECT_EQ(table.PatchMark(1), 1);
    EXPECT_EQ(table.PatchMark(0), 0);
    EXPECT_EQ(table.PatchMark(2), 0);
}

TEST(ReplaceEntryText, LongerTextMovesLaterOffsetsForward)
{
    TalkTable table;
    TableBuilder().add("ab").add("cd").add("ef").loadInto(table);

    table.ReplaceEntryText(0, "abc\ndef");

    EXPECT_EQ(offsets(table), (std::vector<std::uint32_t> {0, 7, 9}));
}

TEST(ReplaceEntryText, LastEntryAndEqualTextMoveNoOffset)
{
    TalkTable table;
    TableBuilder().add("one").add("two").add("three").loadInto(table);
    const auto before = offsets(table);

    table.ReplaceEntryText(2, "a much longer last text");
    EXPECT_EQ(offsets(table), before);

    table.ReplaceEntryText(0, "one");
    EXPECT_EQ(offsets(table), before);
    EXPECT_EQ(table.entry(0).textLength(), 3u);
    EXPECT_EQ(table.PatchMark(0), 1);
}

TEST(ReplaceEntryText, EntryBeyondTheTableChangesNothing)
{
    TalkTable table;
    TableBuilder().add("one").loadInto(table);

    table.ReplaceEntryText(1, "stray");
    table.ReplaceEntryText(0xFFFFFFFFu, "stray");

    EXPECT_EQ(table.PatchMark(1), 0);
    EXPECT_FALSE(table.text(1).hasBuffer());
    EXPECT_EQ(table.textBytes(0), "one");
}

TEST(ImportEntryText, TakesTheHeldLengthAsPreviousEvenWithANulInside)
{
    TalkTable table;
    TableBuilder().add(std::string("ab\0cdef", 7)).add("x").loadInto(table);
    const std::uint8_t length[4] = {2, 0, 0, 0};

    table.ImportEntryText(0, length, EntryText::copyOf("zz"));

    EXPECT_EQ(table.entry(0).textLength(), 2u);
    EXPECT_EQ(table.entry(1).textOffset(), 2u);
    EXPECT_EQ(table.PatchMark(0), 1);
}

TEST(TalkTable, AdoptClearsMarksOfLoadedEntriesOnly)
{
    TalkTable table;
    TableBuilder().add("a").add("b").add("c").loadInto(table);
    table.ReplaceEntryText(0, "A");
    table.ReplaceEntryText(2, "C");

    TableBuilder().add("a").add("b").loadInto(table);

    EXPECT_EQ(table.EntryCount(), 2u);
    EXPECT_EQ(table.PatchMark(0), 0);
    EXPECT_EQ(table.PatchMark(2), 1);
    EXPECT_EQ(table.shownText(2), "C");
}

TEST(TalkTable, ShownTextEndsAtTheFirstNul)
{
    TalkTable table;
    TableBuilder().add(std::string("visible\0hidden", 14)).loadInto(table);

    EXPECT_EQ(table.shownText(0), "visible");
    EXPECT_EQ(table.textBytes(0).size(), 14u);
}

} // namespace
} // namespace tw
