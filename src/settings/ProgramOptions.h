#pragma once

#include "fileio/Result.h"
#include "settings/IniFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

inline constexpr std::string_view ProgramOptionSection = "ProgramOption";

// What the settings file carries from one run to the next, in the order its nine keys are read and written.
struct ProgramOptions {
    std::string TlkFolder = "0";      // Path
    std::string LanguageFile = "0";   // Language
    std::int32_t LanguageNumber = 0;  // Language Number
    std::string FontName = "MS Sans Serif";
    std::int32_t FontSize = 9;
    std::int32_t Top = 0;
    std::int32_t Left = 0;
    std::int32_t Width = 500;
    std::int32_t Height = 350;
};

// The first read while the window is created: Path, Language and Language Number, with their defaults.
void readFolderAndLanguage(const IniFile& settings, ProgramOptions& options);

// The second read: FontName, FontSize, Top, Left, Width and Height; Top and Left default to the
// values `options` holds on entry (the window's position at that moment).
void readFontAndBounds(const IniFile& settings, ProgramOptions& options);

// Writes the nine keys in order; the first failed write ends it and is returned.
Result writeProgramOptions(IniFile& settings, const ProgramOptions& options);

// The settings file for the program at `programPath`: its path with the extension replaced by
// ".INI" (appended when it has none), in the program's folder when that folder can be written,
// otherwise in $XDG_CONFIG_HOME/talkwarden/ (default ~/.config/talkwarden/).
std::string settingsFilePath(const std::string& programPath);

} // namespace tw
