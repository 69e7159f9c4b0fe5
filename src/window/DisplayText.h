#pragma once

#include "text/CodePage.h"

#include <QString>
#include <string>
#include <string_view>

namespace tw {

// The window's edge: texts are code page bytes everywhere else and become QStrings only here.
QString toQString(const CodePage& codePage, std::string_view bytes);
std::string fromQString(const CodePage& codePage, const QString& text);

// The text box holds a line break as CR LF, which Qt's text box keeps as one '\n'.
QString textBoxText(const CodePage& codePage, std::string_view entryText);
// A text box's text as it is stored into an entry: each line break as LF.
std::string storedText(const CodePage& codePage, const QString& textBoxText);

} // namespace tw
