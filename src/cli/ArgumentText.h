#pragma once

#include "fileio/Result.h"
#include "text/CodePage.h"

#include <string>
#include <string_view>

namespace tw::cli {

// Arguments arrive in the terminal's character set. A UTF-8 terminal types file system paths as
// they are and texts that are turned into the code page, as the window turns what is typed into
// it; any other terminal is taken to type in the code page itself.
class ArgumentText {
public:
    ArgumentText(const CodePage& codePage, bool terminalIsUtf8);
    // The code page of this run (TALKWARDEN_CODEPAGE or the locale) and the locale's character set.
    static ArgumentText ofThisProcess();

    const CodePage& codePage() const { return codePage_; }
    // The file system path that the argument names.
    std::string path(std::string_view argument) const;
    // The argument as bytes of the code page; refused when it holds a character the code page lacks.
    Result text(std::string_view argument, std::string& bytes) const;

private:
    const CodePage& codePage_;
    bool terminalIsUtf8_;
};

} // namespace tw::cli
