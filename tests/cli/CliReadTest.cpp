#include "CliRun.h"
#include "support/TableBuilder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tw::testing {
namespace {

using namespace std::string_literals;

class CliRead : public ::testing::Test {
protected:
    // Writes the table as `name` in the test's folder and gives its path.
    std::string table(const TableBuilder& builder, const std::string& name = "dialog.tlk")
    {
        writeFile(folder / name, builder.fileBytes());
        return folder / name;
    }

    TempFolder folder;
};

TEST_F(CliRead, InfoGivesCountTextBytesAndTheCarriedHeaderFields)
{
    std::string bytes = TableBuilder().add("Hello").add("").add("a\0b"s).fileBytes();
    bytes[0] = '\x01';   // a Signature byte that is no letter
    bytes[8] = '\x34';   // LanguageId 0x1234
    bytes[9] = '\x12';
    writeFile(folder / "dialog.tlk", bytes);

    CliOutcome info = runCli({"info", folder / "dialog.tlk"});

    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out, "Entries: 3\n"
                        "Text bytes: 8\n"
                        "Signature: 01 4C 4B 20 \".LK \"\n"
                        "Version: 56 31 20 20 \"V1  \"\n"
                        "LanguageId: 4660\n"
                        "StringsOffset: 96\n");
    EXPECT_EQ(info.err, "");
}

TEST_F(CliRead, ShowWritesTheStoredBytesAndNothingElse)
{
    const std::string path = table(TableBuilder().add("first").add("line\r\nbreak\0after NUL"s).add(""));

    EXPECT_EQ(runCli({"show", path, "0"}).out, "first");
    CliOutcome withNul = runCli({"show", path, "1"});
    EXPECT_EQ(withNul.status, 0);
    EXPECT_EQ(withNul.out, "line\r\nbreak\0after NUL"s);
    CliOutcome empty = runCli({"show", path, "2"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

TEST_F(CliRead, ShowRefusesAnEntryBeyondTheTable)
{
    const std::string path = table(TableBuilder().add("a").add("b").add("c"));

    CliOutcome beyond = runCli({"show", path, "3"});

    EXPECT_EQ(beyond.status, 2);
    EXPECT_EQ(beyond.out, "");
    EXPECT_EQ(beyond.err, "talkwarden-cli: \"" + path + "\" has no entry 3: it has 3 entries.\n");
    EXPECT_NE(runCli({"show", path, "-1"}).status, 0);
}

TEST_F(CliRead, SearchPrintsTheEntriesThatSearchThenSearchNextShow)
{
    // 1 holds the query, 2 equals it ignoring case, 3 and 5 equal it, 4 holds it ignoring case.
    const std::string path =
        table(TableBuilder().add("none").add("say abc").add("ABC").add("abc").add("x ABC y").add("abc").add("Abc"));

    CliOutcome fromStart = runCli({"search", path, "abc"});
    EXPECT_EQ(fromStart.status, 0) << fromStart.err;
    EXPECT_EQ(fromStart.out, "3 0\n5 0\n6 1\n");
    EXPECT_EQ(runCli({"search", path, "abc", "--from", "4"}).out, "5 0\n6 1\n");
    EXPECT_EQ(runCli({"search", path, "AB", "--from", "3"}).out, "4 2\n5 3\n6 3\n");
}

TEST_F(CliRead, SearchThatFindsNothingSaysSoWithStatusOne)
{
    const std::string path = table(TableBuilder().add("0").add("10").add("abc"));

    struct Case {
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {{"search", path, "0"}},                // the query "0" finds nothing, even where a text is "0"
        {{"search", path, "missing"}},
        {{"search", path, "abc", "--from", "3"}}, // no wrap-around to entry 0
    };
    for (const Case& c : cases) {
        CliOutcome outcome = runCli(c.arguments);
        EXPECT_EQ(outcome.status, 1) << c.arguments[2];
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "talkwarden-cli: Search string is not found.\n");
    }
}

TEST_F(CliRead, TheQueryAndPathsAreTakenInTheTerminalsCharacterSet)
{
    // A folder whose name the file system holds in UTF-8, a table whose texts are code page 1252.
    std::filesystem::create_directory(folder / "Caf\xC3\xA9");
    const std::string utf8Path = folder / "Caf\xC3\xA9/dialog.tlk";
    writeFile(utf8Path, TableBuilder().add("none").add("CAF\xC9").fileBytes());

    // A UTF-8 terminal types both as UTF-8; é folds to É in stage 1.
    CliOutcome utf8 = runCli({"search", utf8Path, "caf\xC3\xA9"});
    EXPECT_EQ(utf8.status, 0) << utf8.err;
    EXPECT_EQ(utf8.out, "1 1\n");
    // A terminal in the code page types both in 1252.
    CliOutcome codePage =
        runCli({"search", folder / "Caf\xE9/dialog.tlk", "caf\xE9"}, CliEnvironment().with("LC_ALL", "C"));
    EXPECT_EQ(codePage.status, 0) << codePage.err;
    EXPECT_EQ(codePage.out, "1 1\n");
    // In code page 932 the same UTF-8 terminal's katakana A is the Shift-JIS bytes 83 41.
    writeFile(folder / "sjis.tlk", TableBuilder().add("none").add("\x83\x41\x83\x43").fileBytes());
    CliOutcome shiftJis =
        runCli({"search", folder / "sjis.tlk", "\xE3\x82\xA2"}, CliEnvironment().with("TALKWARDEN_CODEPAGE", "932"));
    EXPECT_EQ(shiftJis.status, 0) << shiftJis.err;
    EXPECT_EQ(shiftJis.out, "1 2\n");
    // A character that code page 1252 has no place for is refused rather than searched for as "?".
    CliOutcome unheld = runCli({"search", utf8Path, "\xE6\x97\xA5"});
    EXPECT_EQ(unheld.status, 2);
    EXPECT_NE(unheld.err.find("cannot hold"), std::string::npos) << unheld.err;
}

TEST_F(CliRead, EveryCommandHasHelp)
{
    for (std::string command : {"info", "show", "search", "diff", "apply"}) {
        CliOutcome help = runCli({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.out.find("Usage: talkwarden-cli " + command), std::string::npos) << help.out;
    }
    CliOutcome none = runCli({});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("A subcommand is required"), std::string::npos) << none.err;
}

} // namespace
} // namespace tw::testing
