#include "cli/ArgumentText.h"

#include <algorithm>
#include <clocale>
#include <langinfo.h>

namespace tw::cli {
namespace {

bool localeIsUtf8()
{
    std::setlocale(LC_CTYPE, "");
    const std::string_view set = nl_langinfo(CODESET);
    return set == "UTF-8" || set == "utf8";
}

} // namespace

ArgumentText::ArgumentText(const CodePage& codePage, bool terminalIsUtf8)
    : codePage_(codePage), terminalIsUtf8_(terminalIsUtf8)
{
}

ArgumentText ArgumentText::ofThisProcess()
{
    // The locale is set first, as the window's application object does, since the code page may
    // come from its character set.
    const bool terminalIsUtf8 = localeIsUtf8();
    return ArgumentText(tw::codePage(codePageFromEnvironment()), terminalIsUtf8);
}

std::string ArgumentText::path(std::string_view argument) const
{
    return terminalIsUtf8_ ? std::string(argument) : codePage_.toFileSystem(argument);
}

Result ArgumentText::text(std::string_view argument, std::string& bytes) const
{
    if (!terminalIsUtf8_) {
        bytes = std::string(argument);
        return Result::success();
    }
    bytes = codePage_.fromFileSystem(argument);
    // The conversion puts "?" for each character that the code page cannot hold; searching for
    // those question marks would find the wrong entries.
    if (std::count(bytes.begin(), bytes.end(), '?') != std::count(argument.begin(), argument.end(), '?'))
        return Result::failure("\"" + std::string(argument) + "\" holds characters that code page " +
                               std::to_string(static_cast<std::uint32_t>(codePage_.id())) + " cannot hold.");
    return Result::success();
}

} // namespace tw::cli
