#include "text/CodePage.h"

#include "text/CodePageInstances.h"
#include "text/EscapedBytes.h"

namespace tw {

const CodePage& codePage(CodePageId id)
{
    switch (id) {
    case CodePageId::ShiftJis:
        return shiftJisCodePage();
    case CodePageId::Utf8:
        return utf8CodePage();
    case CodePageId::Windows1252:
        break;
    }
    return windows1252CodePage();
}

// A path in UTF-8 is already what the file system takes. Any other path goes through display text,
// its escaped bytes written as the characters that stand for them, so that the name is well-formed
// UTF-8 and comes back byte for byte; a name on disk that is not UTF-8 keeps its bytes.
std::string CodePage::toFileSystem(std::string_view bytes) const
{
    if (id() == CodePageId::Utf8)
        return std::string(bytes);
    return utf16ToUtf8(toDisplay(bytes));
}

std::string CodePage::fromFileSystem(std::string_view utf8) const
{
    if (id() == CodePageId::Utf8)
        return std::string(utf8);
    return fromDisplay(decodeUtf8(utf8, Utf8Decoding::EscapeIllFormed));
}

} // namespace tw
