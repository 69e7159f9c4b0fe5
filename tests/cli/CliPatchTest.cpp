#include "CliRun.h"
#include "support/PatchBytes.h"
#include "support/TableBuilder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace tw::testing {
namespace {

using namespace std::string_literals;

// Two versions of one table that differ only in their texts: 1 grows, 3 shrinks to nothing,
// 4 changes after a NUL, and the offsets after each change follow.
const TableBuilder Old = TableBuilder().add("same").add("short").add("kept").add("gone").add("a\0b"s).add("last");
const TableBuilder New = TableBuilder().add("same").add("much longer\r\nnow").add("kept").add("").add("a\0c"s).add("last");

class CliPatch : public ::testing::Test {
protected:
    CliPatch()
    {
        writeFile(folder / "old.tlk", Old.fileBytes());
        writeFile(folder / "new.tlk", New.fileBytes());
        std::filesystem::create_directory(folder / "game");
        writeFile(folder / "game/dialog.tlk", Old.fileBytes());
    }

    // What every refusal must leave behind: the game folder as it was, with no backup made.
    void expectGameFolderUntouched()
    {
        EXPECT_EQ(readFile(folder / "game/dialog.tlk"), Old.fileBytes());
        EXPECT_FALSE(fileExists(folder / "game/dialog.bak"));
    }

    TempFolder folder;
};

TEST_F(CliPatch, DiffThenApplyTurnsOldIntoNewByteForByte)
{
    CliOutcome diff = runCli({"diff", folder / "old.tlk", folder / "new.tlk", "-o", folder / "out.pat"});
    ASSERT_EQ(diff.status, 0) << diff.err;
    EXPECT_EQ(readFile(folder / "out.pat"),
              patchRecord(1, "much longer\r\nnow") + patchRecord(3, "") + patchRecord(4, "a\0c"s));

    CliOutcome apply = runCli({"apply", folder / "out.pat", folder / "game"});

    ASSERT_EQ(apply.status, 0) << apply.err;
    EXPECT_EQ(apply.err, "");
    EXPECT_EQ(readFile(folder / "game/dialog.tlk"), New.fileBytes());
    EXPECT_EQ(readFile(folder / "game/dialog.bak"), Old.fileBytes());
}

TEST_F(CliPatch, DiffOfEqualTablesIsAnEmptyPatch)
{
    writeFile(folder / "out.pat", "an older patch");

    CliOutcome diff = runCli({"diff", folder / "old.tlk", folder / "old.tlk", "--output", folder / "out.pat"});

    EXPECT_EQ(diff.status, 0) << diff.err;
    EXPECT_TRUE(fileExists(folder / "out.pat"));
    EXPECT_EQ(readFile(folder / "out.pat"), "");
}

TEST_F(CliPatch, DiffRefusesTablesOfDifferentEntryCountsAndWritesNothing)
{
    writeFile(folder / "longer.tlk", TableBuilder(Old).add("one more").fileBytes());
    writeFile(folder / "out.pat", "an older patch");

    CliOutcome diff = runCli({"diff", folder / "old.tlk", folder / "longer.tlk", "-o", folder / "out.pat"});

    EXPECT_EQ(diff.status, 2);
    EXPECT_NE(diff.err.find("different entry counts (6 and 7)"), std::string::npos) << diff.err;
    EXPECT_EQ(readFile(folder / "out.pat"), "an older patch");
}

TEST_F(CliPatch, ApplyRefusesABadPatchWhole)
{
    struct Case {
        const char* what;
        std::string patch;
        const char* reason;
    };
    const std::string good = patchRecord(1, "fine");
    const Case cases[] = {
        {"cut short in a record's number and length", good + "\x01\x00\x00"s, "cut short"},
        {"cut short in a text", good + patchRecord(2, "twelve bytes").substr(0, 14), "needs 12 bytes, 6 are left"},
        {"naming an entry beyond the table", good + patchRecord(6, "x"), "names entry 6"},
    };
    for (const Case& c : cases) {
        writeFile(folder / "bad.pat", c.patch);
        CliOutcome apply = runCli({"apply", folder / "bad.pat", folder / "game"});
        EXPECT_EQ(apply.status, 2) << c.what;
        EXPECT_NE(apply.err.find(c.reason), std::string::npos) << c.what << ": " << apply.err;
        EXPECT_TRUE(apply.err.starts_with("talkwarden-cli: ")) << apply.err;
        expectGameFolderUntouched();
    }
}

TEST_F(CliPatch, MissingFilesAreReportedAndChangeNothing)
{
    writeFile(folder / "good.pat", patchRecord(1, "fine"));
    std::filesystem::create_directory(folder / "empty");
    struct Case {
        std::vector<std::string> arguments;
        std::string missing;
    };
    const Case cases[] = {
        {{"apply", folder / "none.pat", folder / "game"}, folder / "none.pat"},
        {{"apply", folder / "good.pat", folder / "empty"}, folder / "empty/dialog.tlk"},
        {{"diff", folder / "old.tlk", folder / "none.tlk", "-o", folder / "out.pat"}, folder / "none.tlk"},
        {{"info", folder / "none.tlk"}, folder / "none.tlk"},
        {{"show", folder / "none.tlk", "0"}, folder / "none.tlk"},
        {{"search", folder / "none.tlk", "x"}, folder / "none.tlk"},
    };
    for (const Case& c : cases) {
        CliOutcome outcome = runCli(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.arguments[0];
        EXPECT_EQ(outcome.err, "talkwarden-cli: Cannot open \"" + c.missing + "\": No such file or directory.\n");
        EXPECT_EQ(outcome.out, "");
    }
    expectGameFolderUntouched();
    EXPECT_FALSE(fileExists(folder / "out.pat"));
    EXPECT_FALSE(fileExists(folder / "empty/dialog.tlk"));
}

TEST_F(CliPatch, ALockedTableOrPatchIsNotTouched)
{
    writeFile(folder / "good.pat", patchRecord(1, "fine"));
    for (const std::string& locked : {folder / "game/dialog.tlk", folder / "good.pat"}) {
        // Another program holding the file, as the window does while it reads or writes one.
        const int holder = ::open(locked.c_str(), O_RDONLY);
        ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);

        CliOutcome apply = runCli({"apply", folder / "good.pat", folder / "game"});

        ::close(holder);
        EXPECT_EQ(apply.status, 2) << locked;
        EXPECT_NE(apply.err.find(locked), std::string::npos) << apply.err;
        expectGameFolderUntouched();
    }
}

} // namespace
} // namespace tw::testing
