#pragma once

#include "text/CodePage.h"

#include <string>

namespace tw {

// Where the window finds what lies outside it; the program takes it from the process, tests from
// a folder of their own. Paths are file system paths (UTF-8).
struct WindowEnvironment {
    std::string programFolder; // with its trailing "/"; the language files lie here
    std::string settingsFile;
    std::string registryFile;
    CodePageId codePage = CodePageId::Windows1252;

    // The running program's environment: its folder, its settings file, TALKWARDEN_REGISTRY or
    // the Wine prefix, TALKWARDEN_CODEPAGE or the locale.
    static WindowEnvironment ofThisProcess();
};

} // namespace tw
