#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

// The UTF-8 and UTF-16 building blocks that the code pages share.

inline constexpr char32_t ReplacementCharacter = 0xFFFD;

// One well-formed UTF-8 sequence: its code point and its length in bytes, 0 when the bytes at the
// position are not one (overlong, surrogate, beyond U+10FFFF, cut short, or a stray byte).
struct Utf8Sequence {
    char32_t codePoint;
    std::size_t length;
};
Utf8Sequence decodeUtf8Sequence(std::string_view bytes, std::size_t position);

std::size_t utf8Length(char32_t codePoint);
// Writes the utf8Length(codePoint) bytes of `codePoint` at `out`.
void writeUtf8(char* out, char32_t codePoint);
void appendUtf8(std::string& out, char32_t codePoint);
void appendUtf16(std::u16string& out, char32_t codePoint);

// The code point that begins at `position` of UTF-16 text, moving `position` past it; an unpaired
// surrogate gives false and moves one unit.
bool nextUtf16CodePoint(std::u16string_view text, std::size_t& position, char32_t& codePoint);

} // namespace tw
