#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

// The code pages that texts, language files and paths can be in.
enum class CodePageId : std::uint32_t { Windows1252 = 1252, ShiftJis = 932, Utf8 = 65001 };

// The services of one code page. Texts stay bytes everywhere; they become display text (UTF-16)
// only at the window's edge, and every byte sequence comes back byte for byte: bytes that do not
// decode are shown as the private-use characters U+F700 + byte and turn back into that byte.
class CodePage {
public:
    virtual ~CodePage() = default;

    virtual CodePageId id() const = 0;

    // Lower-cases the letters of `text` in place, whole characters at a time; the length in bytes
    // never changes. 1252 folds as Windows does (A-Z, À-Þ but ×, Š Œ Ž Ÿ); 932 folds ASCII and the
    // full-width Latin letters; UTF-8 folds letters whose lower case has the same encoded length.
    virtual void lowerInPlace(char* text, std::size_t length) const = 0;

    // Whether `byte` begins a character of two or more bytes whose later bytes are not characters
    // of their own (932: 0x81-0x9F and 0xE0-0xFC; 1252: never).
    virtual bool isLeadByte(unsigned char byte) const = 0;

    // Whether a match starting at `position` of `text` begins on a character boundary.
    virtual bool startsCharacter(std::string_view text, std::size_t position) const = 0;

    virtual std::u16string toDisplay(std::string_view bytes) const = 0;
    // Characters that the code page cannot hold become "?".
    virtual std::string fromDisplay(std::u16string_view text) const = 0;

    // Paths are texts in the code page; the file system takes UTF-8.
    std::string toFileSystem(std::string_view bytes) const;
    std::string fromFileSystem(std::string_view utf8) const;
};

const CodePage& codePage(CodePageId id);

// The code page of this run: TALKWARDEN_CODEPAGE (1252, 932 or 65001), otherwise the locale's
// character set when it is Windows-1252/ISO-8859-1 or Shift-JIS/CP932, otherwise 1252.
CodePageId codePageFromEnvironment();

// UTF-8 and UTF-16 conversions of well-formed text (ill-formed units become U+FFFD).
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

} // namespace tw
