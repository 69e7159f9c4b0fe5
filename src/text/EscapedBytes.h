#pragma once

#include "text/Utf.h"

#include <string>
#include <string_view>

namespace tw {

// Bytes that a code page cannot show travel through display text as U+F700 + byte.
inline constexpr char16_t EscapedByteBase = 0xF700;

inline bool isEscapedByte(char32_t c)
{
    return c >= EscapedByteBase && c <= EscapedByteBase + 0xFF;
}

inline void appendEscapedByte(std::u16string& out, unsigned char byte)
{
    out.push_back(char16_t(EscapedByteBase + byte));
}

enum class Utf8Decoding {
    // Every ill-formed byte becomes U+FFFD.
    ReplaceIllFormed,
    // Every ill-formed byte becomes its escaped byte; an escape-range character stays, standing
    // for the byte it escapes.
    EscapeIllFormed,
    // As EscapeIllFormed, and the bytes of an escape-range character are escaped too: every byte
    // sequence comes back from the display text as it was.
    EscapeIllFormedAndEscapeRange,
};
std::u16string decodeUtf8(std::string_view bytes, Utf8Decoding decoding);

// Turns display text into bytes of a code page: escaped bytes become those bytes again, and
// unpaired surrogates and characters for which `appendCharacter(out, c)` returns false become "?".
template <typename AppendCharacter>
std::string encodeDisplayText(std::u16string_view text, AppendCharacter appendCharacter)
{
    std::string out;
    out.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        char32_t c = 0;
        if (!nextUtf16CodePoint(text, position, c))
            out.push_back('?');
        else if (isEscapedByte(c))
            out.push_back(static_cast<char>(c - EscapedByteBase));
        else if (!appendCharacter(out, c))
            out.push_back('?');
    }
    return out;
}

} // namespace tw
