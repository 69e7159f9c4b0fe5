#include "window/DisplayText.h"

#include "text/LineBreaks.h"

namespace tw {

QString toQString(const CodePage& codePage, std::string_view bytes)
{
    std::u16string text = codePage.toDisplay(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const CodePage& codePage, const QString& text)
{
    return codePage.fromDisplay(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                    static_cast<std::size_t>(text.size())));
}

QString textBoxText(const CodePage& codePage, std::string_view entryText)
{
    // Every break becomes CR LF first; each CR LF is then the one '\n' of Qt's text box.
    return toQString(codePage, toStoredLineBreaks(toTextBoxLineBreaks(entryText)));
}

std::string storedText(const CodePage& codePage, const QString& textBoxText)
{
    return toStoredLineBreaks(fromQString(codePage, textBoxText));
}

} // namespace tw
