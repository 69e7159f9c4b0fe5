#include "settings/IniFile.h"
#include "support/TempFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace tw {
namespace {

using testing::fileExists;
using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

constexpr std::string_view TextDefault = "<default>";
constexpr std::int32_t IntegerDefault = -77;

struct ReadCase {
    const char* what;
    std::optional<std::string_view> file; // nothing: no file at all
    std::string_view text;                // what readString("Sec", "Key") gives
    std::int32_t integer;                 // what readInteger("Sec", "Key") gives
};

const ReadCase ReadCases[] = {
    {"missing file", std::nullopt, TextDefault, IntegerDefault},
    {"missing section", "[Other]\r\nKey=5\r\n", TextDefault, IntegerDefault},
    {"missing key", "[Sec]\r\nKeys=5\r\nKe=6\r\n", TextDefault, IntegerDefault},
    {"empty value", "[Sec]\r\nKey=\r\n", "", IntegerDefault},
    {"blanks around key and value", "[Sec]\r\n \t Key \t=  \t 42 \t \r\n", "42", 42},
    {"blanks inside the value stay", "[Sec]\r\nKey= a \t b \r\n", "a \t b", IntegerDefault},
    {"case of section and key", "[sEC]\r\nkEY=3\r\n", "3", 3},
    {"key with a blank inside", "[Sec]\r\nKey Two=1\r\nKey=2\r\n", "2", 2},
    {"blanks around the section name", "[  Sec\t]\r\nKey=8\r\n", "8", 8},
    {"0x hexadecimal", "[Sec]\r\nKey=0x1A\r\n", "0x1A", 26},
    {"0X hexadecimal, all 32 bits", "[Sec]\r\nKey=0XFFFFFFFF\r\n", "0XFFFFFFFF", -1},
    {"$ hexadecimal", "[Sec]\r\nKey=$1A\r\n", "$1A", 26},
    {"x hexadecimal", "[Sec]\r\nKey=x1A\r\n", "x1A", 26},
    {"leading blank", "[Sec]\r\nKey= 12\r\n", "12", 12},
    {"trailing blank", "[Sec]\r\nKey=12 \r\n", "12", 12},
    {"plus sign", "[Sec]\r\nKey=+7\r\n", "+7", 7},
    {"minus zero", "[Sec]\r\nKey=-0\r\n", "-0", 0},
    {"lowest integer", "[Sec]\r\nKey=-2147483648\r\n", "-2147483648", -2147483647 - 1},
    {"0x alone", "[Sec]\r\nKey=0x\r\n", "0x", IntegerDefault},
    {"0x with a sign after it", "[Sec]\r\nKey=0x-5\r\n", "0x-5", IntegerDefault},
    {"above the integer range", "[Sec]\r\nKey=2147483648\r\n", "2147483648", IntegerDefault},
    {"hexadecimal above 32 bits", "[Sec]\r\nKey=0x100000000\r\n", "0x100000000", IntegerDefault},
    {"letters", "[Sec]\r\nKey=abc\r\n", "abc", IntegerDefault},
    {"digits then a letter", "[Sec]\r\nKey=12a\r\n", "12a", IntegerDefault},
    {"quotes are kept", "[Sec]\r\nKey=\"C:\\BG2\\\"\r\n", "\"C:\\BG2\\\"", IntegerDefault},
    {"LF file", "[Other]\nKey=1\n[Sec]\nKey=2\n", "2", 2},
    {"CR LF file", "[Other]\r\nKey=1\r\n[Sec]\r\nKey=2\r\n", "2", 2},
    {"last line without a line break", "[Sec]\r\nKey=9", "9", 9},
    {"a comment never matches", "[Sec]\r\n;Key=1\r\n  ; Key=2\r\nKey=3\r\n", "3", 3},
    {"a line without = is ignored", "[Sec]\r\nKey\r\nKey=4\r\n", "4", 4},
    {"a key before any section is ignored", "Key=1\r\n[Sec]\r\nOther=2\r\n", TextDefault, IntegerDefault},
    {"the first key wins", "[Sec]\r\nKey=1\r\nkey=2\r\n", "1", 1},
    {"the first section wins", "[Sec]\r\nOther=1\r\n[Other]\r\n[SEC]\r\nKey=2\r\n", TextDefault, IntegerDefault},
    {"the value runs to the end of the line", "[Sec]\r\nKey=a=b;c\r\n", "a=b;c", IntegerDefault},
    {"a UTF-8 mark before the first section", "\xEF\xBB\xBF[Sec]\r\nKey=6\r\n", "6", 6},
};

TEST(IniFileRead, FollowsTheIniRules)
{
    for (const ReadCase& c : ReadCases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        if (c.file)
            writeFile(folder / "test.ini", *c.file);
        IniFile ini(folder / "test.ini");
        EXPECT_EQ(ini.readString("Sec", "Key", TextDefault), c.text);
        EXPECT_EQ(ini.readInteger("Sec", "Key", IntegerDefault), c.integer);
    }
}

TEST(IniFileRead, GoesToTheFileEveryTime)
{
    TempFolder folder;
    IniFile ini(folder / "test.ini");
    writeFile(ini.path(), "[Sec]\r\nKey=first\r\n");
    EXPECT_EQ(ini.readString("Sec", "Key", ""), "first");
    writeFile(ini.path(), "[Sec]\r\nKey=second\r\n");
    EXPECT_EQ(ini.readString("Sec", "Key", ""), "second");
}

TEST(IniFileRead, AFolderInPlaceOfTheFileGivesTheDefault)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "test.ini");
    EXPECT_EQ(IniFile(folder / "test.ini").readString("Sec", "Key", "fallback"), "fallback");
}

TEST(IniFileWrite, ReplacesOnlyItsOwnLine)
{
    TempFolder folder;
    const std::string before =
        "; settings\r\n"
        "[Other]\r\n"
        "Width=1\r\n"
        "\r\n"
        "[ProgramOption]\r\n"
        "Path=C:\\old\\\r\n"
        "  WIDTH  =  640  \r\n"
        "; Width=2\r\n"
        "Height=480\r\n"
        "[Third]\r\n"
        "Width=3";
    writeFile(folder / "s.ini", before);
    IniFile ini(folder / "s.ini");

    ASSERT_TRUE(ini.writeInteger("programoption", "Width", -800).ok());

    std::string expected = before;
    expected.replace(expected.find("  WIDTH  =  640  "), 17, "Width=-800");
    EXPECT_EQ(readFile(ini.path()), expected);
    EXPECT_EQ(ini.readInteger("ProgramOption", "Width", 0), -800);
}

TEST(IniFileWrite, AddsAMissingKeyAfterTheLastKeyOfItsSection)
{
    TempFolder folder;
    writeFile(folder / "s.ini", "[A]\r\nx=1\r\nnot a key\r\ny=2\r\n\r\n; x=about B\r\n[B]\r\nz=3\r\n");
    IniFile ini(folder / "s.ini");

    ASSERT_TRUE(ini.writeString("a", "New Key", "value").ok());

    EXPECT_EQ(readFile(ini.path()), "[A]\r\nx=1\r\nnot a key\r\ny=2\r\nNew Key=value\r\n\r\n; x=about B\r\n[B]\r\nz=3\r\n");
}

TEST(IniFileWrite, AddsAKeyToASectionWithoutKeysAtTheEndOfTheFile)
{
    TempFolder folder;
    writeFile(folder / "s.ini", "[A]\nx=1\n[B]");
    IniFile ini(folder / "s.ini");

    ASSERT_TRUE(ini.writeString("B", "k", "v").ok());

    EXPECT_EQ(readFile(ini.path()), "[A]\nx=1\n[B]\nk=v\n");
}

TEST(IniFileWrite, AppendsAMissingSectionInTheFileLineEnding)
{
    struct Case {
        const char* what;
        std::string_view before;
        std::string_view after;
    };
    const Case cases[] = {
        {"CR LF", "[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n[New]\r\nKey=v\r\n"},
        {"LF", "[A]\nx=1\n", "[A]\nx=1\n[New]\nKey=v\n"},
        {"LF, no line break at the end", "[A]\nx=1", "[A]\nx=1\n[New]\nKey=v\n"},
        {"no line break at all", "; only", "; only\r\n[New]\r\nKey=v\r\n"},
        {"empty file", "", "[New]\r\nKey=v\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        writeFile(folder / "s.ini", c.before);
        IniFile ini(folder / "s.ini");
        ASSERT_TRUE(ini.writeString("New", "Key", "v").ok());
        EXPECT_EQ(readFile(ini.path()), c.after);
    }
}

TEST(IniFileWrite, ALastLineEndingInACrAloneKeepsItsValue)
{
    // Found by fuzzing: the key added after such a line put CR LF after its CR, and the line's
    // value then read "x\r".
    for (std::string_view before : {"[ProgramOption]\r\nLanguage=x\r", "[ProgramOption]\nLanguage=x\r"}) {
        TempFolder folder;
        writeFile(folder / "s.ini", before);
        IniFile ini(folder / "s.ini");

        ASSERT_TRUE(ini.writeString("ProgramOption", "Path", "v").ok());

        EXPECT_EQ(ini.readString("ProgramOption", "Language", "missing"), "x");
        EXPECT_EQ(ini.readString("ProgramOption", "Path", "missing"), "v");
        EXPECT_EQ(readFile(ini.path()), std::string(before) + "\n" + "Path=v" +
                                            (before.find("\r\n") != std::string_view::npos ? "\r\n" : "\n"));
    }
}

TEST(IniFileWrite, CreatesTheFileAndItsFolders)
{
    TempFolder folder;
    IniFile ini(folder / "config/talkwarden/talkwarden.INI");

    ASSERT_TRUE(ini.writeString("ProgramOption", "Path", "").ok());
    ASSERT_TRUE(ini.writeInteger("ProgramOption", "Language Number", 0).ok());

    EXPECT_EQ(readFile(ini.path()), "[ProgramOption]\r\nPath=\r\nLanguage Number=0\r\n");
    EXPECT_EQ(ini.readString("ProgramOption", "Path", "0"), "");
}

TEST(IniFileWrite, AFolderInPlaceOfTheFileIsReported)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "s.ini");
    writeFile(folder / "s.ini/inside", "kept");
    IniFile ini(folder / "s.ini");

    Result written = ini.writeString("Sec", "Key", "v");

    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.reason().find(ini.path()), std::string::npos) << written.reason();
    EXPECT_TRUE(std::filesystem::is_directory(ini.path()));
    EXPECT_EQ(readFile(folder / "s.ini/inside"), "kept");
}

TEST(IniFileWrite, AFileInPlaceOfItsFolderIsReported)
{
    TempFolder folder;
    writeFile(folder / "plain", "kept");
    Result written = IniFile(folder / "plain/s.ini").writeString("Sec", "Key", "v");
    EXPECT_FALSE(written.ok());
    EXPECT_FALSE(written.reason().empty());
    EXPECT_EQ(readFile(folder / "plain"), "kept");
}

TEST(IniFileWrite, AFailedReplaceLeavesTheFileAsItWas)
{
    TempFolder folder;
    const std::string before = "[Sec]\r\nKey=old\r\n";
    writeFile(folder / "s.ini", before);
    IniFile ini(folder / "s.ini");
    // Another holder of the file's lock keeps it from being replaced.
    int holder = ::open(ini.path().c_str(), O_RDONLY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);

    Result written = ini.writeString("Sec", "Key", "new");

    ::close(holder);
    EXPECT_FALSE(written.ok());
    EXPECT_FALSE(written.reason().empty());
    EXPECT_EQ(readFile(ini.path()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "a temporary file was left";
}

TEST(IniFileWrite, AValueWithALineBreakIsRefusedAndChangesNothing)
{
    TempFolder folder;
    const std::string before = "[Sec]\r\nKey=old\r\n";
    writeFile(folder / "s.ini", before);
    IniFile ini(folder / "s.ini");

    EXPECT_FALSE(ini.writeString("Sec", "Key", "a\r\n[Injected]").ok());
    EXPECT_FALSE(ini.writeString("Sec", "Key", "a\nb").ok());
    EXPECT_EQ(readFile(ini.path()), before);

    IniFile fresh(folder / "none.ini");
    EXPECT_FALSE(fresh.writeString("Sec", "Key", "x\ry").ok());
    EXPECT_FALSE(fileExists(fresh.path()));
}

} // namespace
} // namespace tw
