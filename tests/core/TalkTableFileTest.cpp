#include "support/TableBuilder.h"
#include "support/TempFolder.h"
#include "talktable/TalkTableFile.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tw {
namespace {

using testing::readFile;
using testing::TableBuilder;
using testing::TempFolder;
using testing::writeFile;

// Texts that a real table holds: empty ones, both line breaks, a NUL inside, bytes 0x80-0xFF.
TableBuilder varied()
{
    TableBuilder builder;
    builder.add("").add("Line one\nLine two").add("Windows\r\nbreaks\r\n").add(std::string("before\0after", 12));
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high += char(b);
    builder.add(high).add("").add("last");
    builder.stringsOffset = 7;
    builder.textOffsets = {3, 1, 0xFFFFFFF0u, 12345, 0, 0, 99};
    return builder;
}

std::string snapshot(const TalkTable& table)
{
    std::string bytes(reinterpret_cast<const char*>(&table.header()), HeaderSize);
    for (std::uint32_t i = 0; i < table.EntryCount(); ++i) {
        bytes.append(reinterpret_cast<const char*>(&table.entry(i)), EntrySize);
        bytes.append(table.textBytes(i));
        bytes += char('0' + table.PatchMark(i));
    }
    return bytes;
}

TEST(TalkTableFile, LoadThenSaveRewritesTheFileByteForByteWithoutTrailingBytes)
{
    TempFolder folder;
    const std::string original = varied().fileBytes();
    writeFile(folder / "dialog.tlk", original + "trailing bytes are not part of the table");

    TalkTable table;
    ASSERT_TRUE(readTalkTable(folder / "dialog.tlk", table).ok());
    EXPECT_EQ(table.EntryCount(), 7u);
    EXPECT_EQ(table.textBytes(3), std::string("before\0after", 12));
    EXPECT_EQ(table.entry(2).textOffset(), 0xFFFFFFF0u);

    ASSERT_TRUE(writeTalkTable(table, folder / "dialog.tlk", folder / "dialog.bak").ok());
    EXPECT_EQ(readFile(folder / "dialog.tlk"), original);
    EXPECT_EQ(readFile(folder / "dialog.bak"), original + "trailing bytes are not part of the table");
}

TEST(TalkTableFile, EmptyTableIsItsHeaderAlone)
{
    TempFolder folder;
    const std::string header = TableBuilder().fileBytes();
    ASSERT_EQ(header.size(), 18u);
    writeFile(folder / "dialog.tlk", header + "ignored");

    TalkTable table;
    ASSERT_TRUE(readTalkTable(folder / "dialog.tlk", table).ok());
    EXPECT_EQ(table.EntryCount(), 0u);
    ASSERT_TRUE(writeTalkTable(table, folder / "dialog.tlk", folder / "dialog.bak").ok());
    EXPECT_EQ(readFile(folder / "dialog.tlk"), header);
}

TEST(TalkTableFile, FilesBeyondTheLimitsAreRefusedAndTheStoreStaysAsItWas)
{
    const std::string good = varied().fileBytes();
    std::string tooMany = TableBuilder().fileBytes();
    writeLittleEndian32(reinterpret_cast<std::uint8_t*>(tooMany.data()) + 10, MaxEntries + 1);
    std::string unholdable = TableBuilder().add("abc").fileBytes();
    writeLittleEndian32(reinterpret_cast<std::uint8_t*>(unholdable.data()) + 18 + 22, 0xFFFFFFFFu);
    std::string huge = TableBuilder().add("abc").fileBytes();
    writeLittleEndian32(reinterpret_cast<std::uint8_t*>(huge.data()) + 18 + 22, 0xFFFFFFF0u);

    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"empty file", "", "header"},
        {"cut in the header", good.substr(0, 17), "header"},
        {"cut in the entry table", good.substr(0, 18 + 26 * 3), "entry table"},
        {"cut in the texts", good.substr(0, good.size() - 1), "shorter than its texts"},
        {"more entries than slots", tooMany, "at most 70000"},
        {"text length 2^32 - 1", unholdable, "4294967295"},
        {"text longer than the file", huge, "shorter than its texts"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        TalkTable table;
        TableBuilder().add("kept").add("as it was").loadInto(table);
        table.ReplaceEntryText(1, "changed");
        const std::string before = snapshot(table);
        writeFile(folder / "dialog.tlk", c.bytes);

        Result result = readTalkTable(folder / "dialog.tlk", table);

        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.reason().find(c.reason), std::string::npos) << result.reason();
        EXPECT_EQ(snapshot(table), before);
    }
}

TEST(TalkTableFile, ReloadingASmallerTableKeepsWhatTheSlotsBeyondHeld)
{
    TempFolder folder;
    writeFile(folder / "five.tlk", TableBuilder().add("zero").add("one").add("two").add("three").add("four").fileBytes());
    writeFile(folder / "two.tlk", TableBuilder().add("new zero").add("new one").fileBytes());
    TalkTable table;
    ASSERT_TRUE(readTalkTable(folder / "five.tlk", table).ok());
    table.ReplaceEntryText(4, "typed");

    ASSERT_TRUE(readTalkTable(folder / "two.tlk", table).ok());

    EXPECT_EQ(table.EntryCount(), 2u);
    EXPECT_EQ(table.shownText(1), "new one");
    EXPECT_EQ(table.shownText(2), "two");
    EXPECT_EQ(table.shownText(3), "three");
    EXPECT_EQ(table.shownText(4), "typed");
    EXPECT_EQ(table.PatchMark(4), 1);
}

TEST(TalkTableFile, MissingFileIsReported)
{
    TempFolder folder;
    TalkTable table;
    Result result = readTalkTable(folder / "dialog.tlk", table);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.reason().find("No such file"), std::string::npos) << result.reason();
    EXPECT_FALSE(table.hasBeenLoaded());
}

TEST(TalkTableFile, TwoSavesInARowLeaveTheFirstSaveAsBackup)
{
    TempFolder folder;
    writeFile(folder / "dialog.tlk", varied().fileBytes());
    TalkTable table;
    ASSERT_TRUE(readTalkTable(folder / "dialog.tlk", table).ok());

    table.ReplaceEntryText(0, "first save");
    ASSERT_TRUE(writeTalkTable(table, folder / "dialog.tlk", folder / "dialog.bak").ok());
    const std::string firstSave = readFile(folder / "dialog.tlk");
    table.ReplaceEntryText(0, "second save");
    ASSERT_TRUE(writeTalkTable(table, folder / "dialog.tlk", folder / "dialog.bak").ok());

    EXPECT_EQ(readFile(folder / "dialog.bak"), firstSave);
    EXPECT_NE(readFile(folder / "dialog.tlk").find("second save"), std::string::npos);
}

TEST(TalkTableFile, SaveIntoAFolderWithoutATableCreatesItAndKeepsAnOlderBackup)
{
    TempFolder source;
    TempFolder target;
    writeFile(source / "dialog.tlk", varied().fileBytes());
    writeFile(target / "dialog.bak", "an older backup");
    TalkTable table;
    ASSERT_TRUE(readTalkTable(source / "dialog.tlk", table).ok());

    ASSERT_TRUE(writeTalkTable(table, target / "dialog.tlk", target / "dialog.bak").ok());

    EXPECT_EQ(readFile(target / "dialog.tlk"), varied().fileBytes());
    EXPECT_EQ(readFile(target / "dialog.bak"), "an older backup");
}

TEST(TalkTableFile, FailedSavesReportAndLeaveEveryFileAsItWas)
{
    TempFolder folder;
    writeFile(folder / "dialog.tlk", varied().fileBytes());
    writeFile(folder / "dialog.bak", "old backup");
    TalkTable table;
    ASSERT_TRUE(readTalkTable(folder / "dialog.tlk", table).ok());
    table.ReplaceEntryText(0, "unsaved");

    Result noFolder = writeTalkTable(table, folder / "missing/dialog.tlk", folder / "missing/dialog.bak");
    EXPECT_FALSE(noFolder.ok());
    EXPECT_NE(noFolder.reason().find("Cannot create"), std::string::npos) << noFolder.reason();

    Result neverLoaded = writeTalkTable(TalkTable(), folder / "dialog.tlk", folder / "dialog.bak");
    EXPECT_FALSE(neverLoaded.ok());

    std::filesystem::create_directory(folder / "blocked.bak");
    writeFile(folder / "blocked.tlk", "current");
    Result backupBlocked = writeTalkTable(table, folder / "blocked.tlk", folder / "blocked.bak");
    EXPECT_FALSE(backupBlocked.ok());
    EXPECT_EQ(readFile(folder / "blocked.tlk"), "current");

    EXPECT_EQ(readFile(folder / "dialog.tlk"), varied().fileBytes());
    EXPECT_EQ(readFile(folder / "dialog.bak"), "old backup");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 4u) << "no temporary file is left behind";
}

// Holds an exclusive lock on a file from a child process, as another program would.
class LockingProcess {
public:
    explicit LockingProcess(const std::string& path)
    {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        child_ = ::fork();
        if (child_ == 0) {
            int fd = ::open(path.c_str(), O_RDONLY);
            ::flock(fd, LOCK_EX);
            char c = 'x';
            (void)!::write(ready[1], &c, 1);
            ::pause();
            ::_exit(0);
        }
        char c;
        EXPECT_EQ(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockingProcess()
    {
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
    }

private:
    pid_t child_;
};

TEST(TalkTableFile, ATableHeldByAnotherProgramCanNeitherBeLoadedNorWritten)
{
    TempFolder folder;
    const std::string original = varied().fileBytes();
    writeFile(folder / "dialog.tlk", original);
    TalkTable table;
    TableBuilder().add("in memory").loadInto(table);
    LockingProcess other(folder / "dialog.tlk");

    Result load = readTalkTable(folder / "dialog.tlk", table);
    EXPECT_FALSE(load.ok());
    EXPECT_NE(load.reason().find("held open by another program"), std::string::npos) << load.reason();
    EXPECT_EQ(table.textBytes(0), "in memory");

    Result save = writeTalkTable(table, folder / "dialog.tlk", folder / "dialog.bak");
    EXPECT_FALSE(save.ok());
    EXPECT_EQ(readFile(folder / "dialog.tlk"), original);
    EXPECT_FALSE(testing::fileExists(folder / "dialog.bak"));
}

TEST(TalkTableFile, BackupPathReplacesTheExtension)
{
    EXPECT_EQ(backupPathFor("/games/bg2/dialog.tlk"), "/games/bg2/dialog.bak");
    EXPECT_EQ(backupPathFor("dialog.tlk"), "dialog.bak");
    EXPECT_EQ(backupPathFor("0dialog.tlk"), "0dialog.bak");
    EXPECT_EQ(backupPathFor("/games/v1.2/dialog"), "/games/v1.2/dialog.bak");
}

} // namespace
} // namespace tw
