#include "settings/ProgramOptions.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace tw {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

// Sets or clears an environment variable for one test and puts the old value back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

ProgramOptions readAll(const IniFile& settings, std::int32_t top, std::int32_t left)
{
    ProgramOptions options;
    options.Top = top;
    options.Left = left;
    readFolderAndLanguage(settings, options);
    readFontAndBounds(settings, options);
    return options;
}

TEST(ProgramOptions, WritesTheNineKeysInOrderAndReadsThemBack)
{
    TempFolder folder;
    IniFile settings(folder / "talkwarden.INI");
    ProgramOptions written;
    written.TlkFolder = "/games/bg2/";
    written.LanguageFile = "/opt/talkwarden/japanese.ini";
    written.LanguageNumber = 2;
    written.FontName = "\x82\x6c\x82\x72 Gothic";
    written.FontSize = 11;
    written.Top = -20;
    written.Left = 3000;
    written.Width = 640;
    written.Height = 480;

    ASSERT_TRUE(writeProgramOptions(settings, written).ok());

    EXPECT_EQ(readFile(settings.path()),
              "[ProgramOption]\r\n"
              "Path=/games/bg2/\r\n"
              "Language=/opt/talkwarden/japanese.ini\r\n"
              "Language Number=2\r\n"
              "FontName=\x82\x6c\x82\x72 Gothic\r\n"
              "FontSize=11\r\n"
              "Top=-20\r\n"
              "Left=3000\r\n"
              "Width=640\r\n"
              "Height=480\r\n");
    ProgramOptions read = readAll(settings, 1, 2);
    EXPECT_EQ(read.TlkFolder, written.TlkFolder);
    EXPECT_EQ(read.LanguageFile, written.LanguageFile);
    EXPECT_EQ(read.LanguageNumber, written.LanguageNumber);
    EXPECT_EQ(read.FontName, written.FontName);
    EXPECT_EQ(read.FontSize, written.FontSize);
    EXPECT_EQ(read.Top, written.Top);
    EXPECT_EQ(read.Left, written.Left);
    EXPECT_EQ(read.Width, written.Width);
    EXPECT_EQ(read.Height, written.Height);
}

TEST(ProgramOptions, RewritingKeepsOneLinePerKey)
{
    TempFolder folder;
    IniFile settings(folder / "talkwarden.INI");
    ProgramOptions options;
    ASSERT_TRUE(writeProgramOptions(settings, options).ok());
    const std::string first = readFile(settings.path());
    options.TlkFolder = "";
    ASSERT_TRUE(writeProgramOptions(settings, options).ok());

    std::string expected = first;
    expected.replace(expected.find("Path=0"), 6, "Path=");
    EXPECT_EQ(readFile(settings.path()), expected);
}

TEST(ProgramOptions, AMissingFileGivesTheDefaultsAndKeepsThePosition)
{
    TempFolder folder;
    ProgramOptions read = readAll(IniFile(folder / "none.INI"), 123, -45);
    EXPECT_EQ(read.TlkFolder, "0");
    EXPECT_EQ(read.LanguageFile, "0");
    EXPECT_EQ(read.LanguageNumber, 0);
    EXPECT_EQ(read.FontName, "MS Sans Serif");
    EXPECT_EQ(read.FontSize, 9);
    EXPECT_EQ(read.Top, 123);
    EXPECT_EQ(read.Left, -45);
    EXPECT_EQ(read.Width, 500);
    EXPECT_EQ(read.Height, 350);
}

TEST(ProgramOptions, EmptyAndBrokenValues)
{
    TempFolder folder;
    writeFile(folder / "s.INI",
              "[ProgramOption]\nPath=\nFontName=\nFontSize=\nWidth=abc\nHeight=0x2A\nTop=12 \nLeft=-\n");
    ProgramOptions read = readAll(IniFile(folder / "s.INI"), 7, 8);
    EXPECT_EQ(read.TlkFolder, "");      // an empty folder is the current folder, no registry lookup
    EXPECT_EQ(read.LanguageFile, "0");
    EXPECT_EQ(read.FontName, "");       // the window keeps its face
    EXPECT_EQ(read.FontSize, 9);
    EXPECT_EQ(read.Width, 500);
    EXPECT_EQ(read.Height, 42);
    EXPECT_EQ(read.Top, 12);
    EXPECT_EQ(read.Left, 8);
}

TEST(ProgramOptions, TheFirstFailedWriteEndsTheWrite)
{
    TempFolder folder;
    IniFile settings(folder / "talkwarden.INI");
    ProgramOptions options;
    options.TlkFolder = "/games/";
    options.LanguageFile = "/odd\nfolder/english.ini";

    Result written = writeProgramOptions(settings, options);

    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.reason().find("Language"), std::string::npos) << written.reason();
    EXPECT_EQ(readFile(settings.path()), "[ProgramOption]\r\nPath=/games/\r\n");
}

TEST(ProgramOptions, SettingsFileBesideTheProgramWhenItsFolderCanBeWritten)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "my.tools.d");
    EXPECT_EQ(settingsFilePath(folder / "talkwarden"), folder / "talkwarden.INI");
    EXPECT_EQ(settingsFilePath(folder / "talkwarden.bin"), folder / "talkwarden.INI");
    EXPECT_EQ(settingsFilePath(folder / "talk.warden.exe"), folder / "talk.warden.INI");
    EXPECT_EQ(settingsFilePath(folder / "my.tools.d/talkwarden"), folder / "my.tools.d/talkwarden.INI");
}

TEST(ProgramOptions, SettingsFileInTheUserConfigFolderOtherwise)
{
    TempFolder home;
    const std::string program = home / "missing.folder/talkwarden.exe";
    ScopedVariable homeVariable("HOME", home.path().c_str());
    {
        ScopedVariable config("XDG_CONFIG_HOME", "/elsewhere/config");
        EXPECT_EQ(settingsFilePath(program), "/elsewhere/config/talkwarden/talkwarden.INI");
    }
    {
        ScopedVariable config("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(settingsFilePath(program), home / ".config/talkwarden/talkwarden.INI");
    }
    {
        ScopedVariable config("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(settingsFilePath(program), home / ".config/talkwarden/talkwarden.INI");
    }
}

} // namespace
} // namespace tw
