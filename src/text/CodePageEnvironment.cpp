#include "text/CodePage.h"

#include <cctype>
#include <cstdlib>
#include <langinfo.h>
#include <optional>
#include <string>

namespace tw {
namespace {

// A character set name reduced to lower-case letters and digits, so that "Shift_JIS", "SHIFT-JIS"
// and "shiftjis" compare equal.
std::string simplifiedName(std::string_view name)
{
    std::string simplified;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            simplified.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    return simplified;
}

std::optional<CodePageId> codePageOfCharacterSet(std::string_view name)
{
    const std::string simplified = simplifiedName(name);
    for (const char* latin : {"cp1252", "windows1252", "iso88591"})
        if (simplified == latin)
            return CodePageId::Windows1252;
    for (const char* japanese : {"sjis", "shiftjis", "cp932", "ms932", "windows31j"})
        if (simplified == japanese)
            return CodePageId::ShiftJis;
    return std::nullopt;
}

std::optional<CodePageId> codePageOfVariable()
{
    const char* value = std::getenv("TALKWARDEN_CODEPAGE");
    if (!value)
        return std::nullopt;
    const std::string_view text(value);
    if (text == "1252")
        return CodePageId::Windows1252;
    if (text == "932")
        return CodePageId::ShiftJis;
    if (text == "65001")
        return CodePageId::Utf8;
    return std::nullopt;
}

// The character set that the locale variables name, whether or not the program has set its
// locale: the first of LC_ALL, LC_CTYPE and LANG that is set, the part after "." up to "@".
std::string_view characterSetOfLocaleVariables()
{
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value)
            continue;
        std::string_view locale(value);
        const std::size_t dot = locale.find('.');
        if (dot == std::string_view::npos)
            return {};
        locale.remove_prefix(dot + 1);
        return locale.substr(0, locale.find('@'));
    }
    return {};
}

} // namespace

CodePageId codePageFromEnvironment()
{
    if (auto chosen = codePageOfVariable())
        return *chosen;
    if (auto named = codePageOfCharacterSet(characterSetOfLocaleVariables()))
        return *named;
    if (auto current = codePageOfCharacterSet(nl_langinfo(CODESET)))
        return *current;
    return CodePageId::Windows1252;
}

} // namespace tw
