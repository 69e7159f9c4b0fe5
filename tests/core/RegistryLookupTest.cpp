#include "settings/RegistryLookup.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::TempFolder;
using testing::writeFile;

constexpr std::string_view Header = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n";
constexpr std::string_view GameKey =
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\BG2Main.Exe] 1700000000\n"
    "#time=1da0000000000000\n";
constexpr std::string_view OtherKeys =
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\BG2Main.Exe\\\\Sub] 1700000000\n"
    "\"Path\"=\"C:\\\\sub\\\\\"\n"
    "\n"
    "[Software\\\\Wine] 1700000000\n"
    "\"Path\"=\"C:\\\\wine\\\\\"\n";

struct LookupCase {
    const char* what;
    std::string registry;
    std::string folder; // "<prefix>" stands for the folder of the registry file
    std::string failure;
};

std::string withGameKey(std::string_view values)
{
    return std::string(Header) + std::string(GameKey) + std::string(values) + "\n" + std::string(OtherKeys);
}

const std::string Wrong = "Invalid data type for 'Path'";

const LookupCase LookupCases[] = {
    {"drive letter path", withGameKey("@=\"C:\\\\other\\\\x.exe\"\n\"Path\"=\"C:\\\\Games\\\\BG2\\\\\"\n"),
     "<prefix>/dosdevices/c:/Games/BG2/", ""},
    {"no trailing backslash", withGameKey("\"Path\"=\"D:\\\\BG2\"\n"), "<prefix>/dosdevices/d:/BG2", ""},
    {"not a drive letter", withGameKey("\"Path\"=\"\\\\\\\\server\\\\share\\\\\"\n"), "//server/share/", ""},
    {"key and value names in another case",
     std::string(Header) + "[software\\\\MICROSOFT\\\\windows\\\\currentversion\\\\app paths\\\\bg2main.exe] 1\n"
                           "\"PATH\"=\"c:\\\\bg2\\\\\"\n",
     "<prefix>/dosdevices/c:/bg2/", ""},
    {"no such key", std::string(Header) + std::string(OtherKeys), "", ""},
    {"the key without the value", withGameKey("@=\"C:\\\\BG2\\\\BG2Main.exe\"\n\"Paths\"=\"C:\\\\no\\\\\"\n"), "", ""},
    {"an empty value", withGameKey("\"Path\"=\"\"\n"), "", ""},
    {"an expandable string, nothing expanded", withGameKey("\"Path\"=str(2):\"%ProgramFiles%\\\\BG2\\\\\"\n"),
     "%ProgramFiles%/BG2/", ""},
    {"escapes", withGameKey("\"Path\"=\"E:\\\\B\\x00e4r \\\"2\\\"\\\\\"\n"), "<prefix>/dosdevices/e:/B\xC3\xA4r \"2\"/", ""},
    {"a surrogate pair", withGameKey("\"Path\"=\"C:\\\\\\xd83d\\xde00\\\\\"\n"), "<prefix>/dosdevices/c:/\xF0\x9F\x98\x80/", ""},
    {"the text ends at a NUL", withGameKey("\"Path\"=\"C:\\\\BG2\\\\\\x0000junk\"\n"), "<prefix>/dosdevices/c:/BG2/", ""},
    {"a dword", withGameKey("\"Path\"=dword:00000001\n"), "", Wrong},
    {"hex data", withGameKey("\"Path\"=hex:43,00,3a,00\n"), "", Wrong},
    {"hex data of a string type", withGameKey("\"Path\"=hex(2):43,00,3a,00,00,00\n"), "", Wrong},
    {"a multi-string", withGameKey("\"Path\"=str(7):\"C:\\\\BG2\\\\\\0\"\n"), "", Wrong},
    {"not a registry file", "REGEDIT4\n" + withGameKey("\"Path\"=\"C:\\\\BG2\\\\\"\n").substr(Header.find('\n') + 1), "", ""},
};

TEST(RegistryLookup, ReadsTheGameFolderFromTheWineRegistry)
{
    for (const LookupCase& c : LookupCases) {
        SCOPED_TRACE(c.what);
        TempFolder prefix;
        writeFile(prefix / "system.reg", c.registry);
        std::string folder = c.folder;
        if (folder.starts_with("<prefix>"))
            folder.replace(0, 8, prefix.path());

        GameFolderLookup lookup = lookUpGameFolder(prefix / "system.reg");

        EXPECT_EQ(lookup.folder, folder);
        EXPECT_EQ(lookup.failure, c.failure);
    }
}

TEST(RegistryLookup, AMissingRegistryFileGivesTheEmptyFolder)
{
    TempFolder prefix;
    GameFolderLookup lookup = lookUpGameFolder(prefix / "system.reg");
    EXPECT_EQ(lookup.folder, "");
    EXPECT_EQ(lookup.failure, "");
}

} // namespace
} // namespace tw
