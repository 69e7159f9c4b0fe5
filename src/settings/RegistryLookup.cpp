#include "settings/RegistryLookup.h"

#include "settings/AsciiCase.h"
#include "settings/Environment.h"
#include "settings/TextLines.h"
#include "settings/WholeFile.h"
#include "text/CodePage.h"
#include "text/HexDigit.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace tw {
namespace {

constexpr std::string_view RegistryHeader = "WINE REGISTRY Version 2";
// As the file writes it: relative to the machine root, backslashes doubled.
constexpr std::string_view GameKey = "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\BG2Main.Exe";
constexpr std::string_view FolderValue = "Path";
constexpr std::string_view ExpandableString = "str(2):";
constexpr std::string_view WrongType = "Invalid data type for 'Path'";

// Decodes a quoted text of the file, starting after its opening quote, into UTF-8: \\ is a
// backslash, \" a quote, \n a line break and \xHHHH one UTF-16 unit; any other escaped character
// stands for itself. Returns where the closing quote is (the text's size when it has none).
std::size_t decodeQuoted(std::string_view text, std::string& decoded)
{
    std::u16string units; // consecutive \x units, so that surrogate pairs decode together
    auto flushUnits = [&] {
        if (!units.empty())
            decoded += utf16ToUtf8(units);
        units.clear();
    };
    std::size_t i = 0;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            flushUnits();
            decoded += text[i];
            continue;
        }
        char escaped = text[++i];
        if (escaped == 'x' && i + 1 < text.size() && hexDigit(text[i + 1]) >= 0) {
            char16_t unit = 0;
            for (int digits = 0; digits < 4 && i + 1 < text.size() && hexDigit(text[i + 1]) >= 0; ++digits)
                unit = char16_t(unit * 16 + hexDigit(text[++i]));
            units += unit;
            continue;
        }
        flushUnits();
        decoded += escaped == 'n' ? '\n' : escaped;
    }
    flushUnits();
    return i;
}

// The name of a line that opens a key, "[Name\\Sub] <number>", as written (backslashes doubled).
std::optional<std::string_view> keyName(std::string_view line)
{
    if (!line.starts_with('['))
        return std::nullopt;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == ']')
            return line.substr(1, i - 1);
    }
    return std::nullopt;
}

// The data of a value line `"Name"=data` when its name is Path.
std::optional<std::string_view> folderValueData(std::string_view line)
{
    if (!line.starts_with('"'))
        return std::nullopt; // the default value @=, or not a value line
    std::string name;
    std::size_t close = decodeQuoted(line.substr(1), name) + 1;
    if (close >= line.size() || line.substr(close).substr(0, 2) != "\"=" || !equalsIgnoringAsciiCase(name, FolderValue))
        return std::nullopt;
    return line.substr(close + 2);
}

// The text of a string or expandable string (nothing expanded), up to its first NUL.
GameFolderLookup folderText(std::string_view data)
{
    if (data.starts_with(ExpandableString))
        data.remove_prefix(ExpandableString.size());
    if (!data.starts_with('"'))
        return {"", std::string(WrongType)};
    GameFolderLookup lookup;
    decodeQuoted(data.substr(1), lookup.folder);
    lookup.folder.resize(std::min(lookup.folder.size(), lookup.folder.find('\0')));
    return lookup;
}

// C:\Games\ becomes <prefix>/dosdevices/c:/Games/; every backslash becomes "/".
std::string unixPath(std::string value, const std::string& registryFile)
{
    std::replace(value.begin(), value.end(), '\\', '/');
    char drive = value.size() >= 2 && value[1] == ':' ? value[0] : '\0';
    if (drive >= 'A' && drive <= 'Z')
        drive = char(drive - 'A' + 'a');
    if (drive < 'a' || drive > 'z')
        return value;
    std::size_t slash = registryFile.rfind('/');
    std::string prefix = slash == std::string::npos ? "." : registryFile.substr(0, slash);
    return prefix + "/dosdevices/" + drive + value.substr(1);
}

GameFolderLookup findFolderValue(std::string_view registry)
{
    TextLine header = lineAt(registry, 0);
    if (header.in(registry) != RegistryHeader)
        return {};
    bool inGameKey = false;
    for (std::size_t begin = header.next; begin < registry.size();) {
        TextLine line = lineAt(registry, begin);
        begin = line.next;
        std::string_view text = line.in(registry);
        if (auto name = keyName(text)) {
            if (inGameKey)
                break;
            inGameKey = equalsIgnoringAsciiCase(*name, GameKey);
        } else if (inGameKey) {
            if (auto data = folderValueData(text))
                return folderText(*data);
        }
    }
    return {};
}

} // namespace

GameFolderLookup lookUpGameFolder(const std::string& registryFile)
{
    std::optional<std::string> registry;
    if (!readWholeFile(registryFile, registry).ok() || !registry)
        return {};
    GameFolderLookup lookup = findFolderValue(*registry);
    if (!lookup.folder.empty())
        lookup.folder = unixPath(std::move(lookup.folder), registryFile);
    return lookup;
}

std::string registryFileFromEnvironment()
{
    std::string named = environmentValue("TALKWARDEN_REGISTRY");
    if (!named.empty())
        return named;
    std::string prefix = environmentValue("WINEPREFIX");
    if (!prefix.empty())
        return prefix + "/system.reg";
    return homeFolder() + "/.wine/system.reg";
}

} // namespace tw
