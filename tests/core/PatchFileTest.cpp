#include "patch/PatchFile.h"
#include "support/PatchBytes.h"
#include "support/TableBuilder.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::patchRecord;
using testing::readFile;
using testing::TableBuilder;
using testing::TempFolder;
using testing::writeFile;

TableBuilder numbered(std::uint32_t count)
{
    TableBuilder builder;
    for (std::uint32_t i = 0; i < count; ++i)
        builder.add("text " + std::to_string(i));
    return builder;
}

TEST(PatchRecord, LaysOutNumberLengthAndBytesLittleEndian)
{
    EXPECT_EQ(patchRecord(1234, "abc"), std::string("\xD2\x04\x00\x00\x03\x00\x00\x00" "abc", 11));
}

TEST(PatchFile, ExportWritesMarkedEntriesAscendingAndClearsTheirMarks)
{
    TempFolder folder;
    TalkTable table;
    numbered(1300).loadInto(table);
    table.ReplaceEntryText(1234, "abc");
    table.ReplaceEntryText(3, "line\r\nbreak");
    table.ReplaceEntryText(1234, "abc"); // changed twice, exported once

    ASSERT_TRUE(exportPatch(table, folder / "out.pat").ok());

    EXPECT_EQ(readFile(folder / "out.pat"), patchRecord(3, "line\r\nbreak") + patchRecord(1234, "abc"));
    EXPECT_EQ(table.PatchMark(3), 0);
    EXPECT_EQ(table.PatchMark(1234), 0);
}

TEST(PatchFile, ExportWithNothingMarkedReplacesTheFileWithAnEmptyOne)
{
    TempFolder folder;
    writeFile(folder / "out.pat", "previous contents");
    TalkTable table;
    numbered(3).loadInto(table);

    ASSERT_TRUE(exportPatch(table, folder / "out.pat").ok());
    EXPECT_EQ(readFile(folder / "out.pat"), "");
}

TEST(PatchFile, ExportThatCannotBeWrittenKeepsMarksAndTheExistingFile)
{
    TempFolder folder;
    TalkTable table;
    numbered(3).loadInto(table);
    table.ReplaceEntryText(1, "changed");

    Result noFolder = exportPatch(table, folder / "missing/out.pat");
    std::filesystem::create_directory(folder / "folder.pat");
    Result aFolder = exportPatch(table, folder / "folder.pat");

    EXPECT_FALSE(noFolder.ok());
    EXPECT_FALSE(aFolder.ok());
    EXPECT_NE(aFolder.reason().find("folder"), std::string::npos) << aFolder.reason();
    EXPECT_EQ(table.PatchMark(1), 1);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "folder.pat"));
}

TEST(PatchFile, ImportAppliesRecordsInFileOrderAndMarksThem)
{
    TempFolder folder;
    TalkTable table;
    numbered(4).loadInto(table); // "text 0" .. "text 3", 6 bytes each
    writeFile(folder / "in.pat", patchRecord(2, "second") + patchRecord(1, "x") + patchRecord(1, "longer one") + patchRecord(3, ""));

    ASSERT_TRUE(importPatch(table, folder / "in.pat").ok());

    EXPECT_EQ(table.textBytes(1), "longer one");
    EXPECT_EQ(table.textBytes(2), "second");
    EXPECT_EQ(table.textBytes(3), "");
    EXPECT_EQ(table.text(3).data()[0], '\0');
    // The second record for entry 1 starts from the first one's length: 6 -> 1 -> 10, so +4 in all.
    EXPECT_EQ(table.entry(2).textOffset(), 12u + 4u);
    EXPECT_EQ(table.entry(3).textOffset(), 18u + 4u);
    EXPECT_EQ(table.PatchMark(0), 0);
    EXPECT_EQ(table.PatchMark(1), 1);
    EXPECT_EQ(table.PatchMark(3), 1);
}

TEST(PatchFile, ExportThenImportRestoresEveryTextByteForByte)
{
    TempFolder folder;
    TalkTable table;
    numbered(5).loadInto(table);
    table.ReplaceEntryText(4, std::string("crlf\r\nand \xE9\0nul", 15));
    table.ReplaceEntryText(0, "lf\nonly");
    ASSERT_TRUE(exportPatch(table, folder / "round.pat").ok());

    TalkTable other;
    numbered(5).loadInto(other);
    ASSERT_TRUE(importPatch(other, folder / "round.pat").ok());

    for (std::uint32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(other.textBytes(i), table.textBytes(i));
        EXPECT_EQ(other.entry(i).textOffset(), table.entry(i).textOffset());
    }
    EXPECT_EQ(other.PatchMark(0), 1);
    EXPECT_EQ(other.PatchMark(4), 1);
    EXPECT_EQ(other.PatchMark(2), 0);
}

TEST(PatchFile, RefusedFilesChangeNothing)
{
    const std::string good = patchRecord(0, "fine");
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"cut in a record's numbers", good + patchRecord(1, "ok").substr(0, 5), "cut short"},
        {"cut in a record's text", good + patchRecord(1, "longer").substr(0, 12), "cut short"},
        {"entry not below the count", good + patchRecord(3, "beyond"), "names entry 3"},
        {"entry far beyond", patchRecord(0xFFFFFFFFu, ""), "names entry 4294967295"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        TalkTable table;
        numbered(3).loadInto(table);
        writeFile(folder / "bad.pat", c.bytes);

        Result result = importPatch(table, folder / "bad.pat");

        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.reason().find(c.reason), std::string::npos) << result.reason();
        EXPECT_EQ(table.textBytes(0), "text 0");
        EXPECT_EQ(table.PatchMark(0), 0);
    }
}

TEST(PatchFile, EmptyPatchIsValidAndAnEmptyTableTakesOnlyThat)
{
    TempFolder folder;
    writeFile(folder / "empty.pat", "");
    writeFile(folder / "one.pat", patchRecord(0, "a"));
    TalkTable table;

    EXPECT_TRUE(importPatch(table, folder / "empty.pat").ok());
    EXPECT_FALSE(importPatch(table, folder / "one.pat").ok());
    EXPECT_FALSE(importPatch(table, folder / "missing.pat").ok());
}

} // namespace
} // namespace tw
