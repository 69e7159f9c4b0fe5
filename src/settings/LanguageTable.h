#pragma once

#include "settings/IniFile.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

// What one text of a language file replaces.
enum class LanguageTargetKind {
    WindowCaption, // the main window's caption
    WindowFont,    // the face of the main window's font (an empty face changes nothing)
    ControlText,   // the text of a label or button, by its name
    MenuTitle,     // the title of a menu, by its name
    CommandCaption, // the caption of a command, by its name
    CommandHint,   // the hint of a command, by its name
    Message,       // one of the MessageTexts, by its key
};

struct LanguageRow {
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
    LanguageTargetKind kind;
    std::string_view target; // the control, menu or command name, or the message key
};

inline constexpr std::size_t LanguageRowCount = 48;

// The rows in the order in which a language file is read and applied.
extern const std::array<LanguageRow, LanguageRowCount> LanguageRows;

// Reads every row from the file with its default, in order.
std::array<std::string, LanguageRowCount> readLanguageFile(const IniFile& file);

} // namespace tw
