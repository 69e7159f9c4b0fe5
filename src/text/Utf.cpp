#include "text/Utf.h"

#include "text/CodePage.h"
#include "text/EscapedBytes.h"

namespace tw {
namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The range that the second byte of a sequence must lie in; it rules out overlong forms,
// surrogates and code points beyond U+10FFFF.
struct SecondByteRange {
    unsigned char low;
    unsigned char high;
};

SecondByteRange secondByteRange(unsigned char lead)
{
    switch (lead) {
    case 0xE0:
        return {0xA0, 0xBF};
    case 0xED:
        return {0x80, 0x9F};
    case 0xF0:
        return {0x90, 0xBF};
    case 0xF4:
        return {0x80, 0x8F};
    default:
        return {0x80, 0xBF};
    }
}

std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

Utf8Sequence decodeUtf8Sequence(std::string_view bytes, std::size_t position)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data()) + position;
    const std::size_t available = bytes.size() - position;
    const std::size_t length = sequenceLength(data[0]);
    if (length == 0 || length > available)
        return {0, 0};
    if (length == 1)
        return {data[0], 1};
    const SecondByteRange range = secondByteRange(data[0]);
    if (data[1] < range.low || data[1] > range.high)
        return {0, 0};
    char32_t codePoint = data[0] & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (!isContinuation(data[k]))
            return {0, 0};
        codePoint = (codePoint << 6) | (data[k] & 0x3F);
    }
    return {codePoint, length};
}

std::size_t utf8Length(char32_t codePoint)
{
    if (codePoint < 0x80)
        return 1;
    if (codePoint < 0x800)
        return 2;
    if (codePoint < 0x10000)
        return 3;
    return 4;
}

void writeUtf8(char* out, char32_t codePoint)
{
    const std::size_t length = utf8Length(codePoint);
    if (length == 1) {
        out[0] = static_cast<char>(codePoint);
        return;
    }
    static constexpr unsigned char leadMarks[5] = {0, 0, 0xC0, 0xE0, 0xF0};
    out[0] = static_cast<char>(leadMarks[length] | (codePoint >> (6 * (length - 1))));
    for (std::size_t k = 1; k < length; ++k)
        out[k] = static_cast<char>(0x80 | ((codePoint >> (6 * (length - 1 - k))) & 0x3F));
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    char encoded[4];
    writeUtf8(encoded, codePoint);
    out.append(encoded, utf8Length(codePoint));
}

void appendUtf16(std::u16string& out, char32_t codePoint)
{
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

bool nextUtf16CodePoint(std::u16string_view text, std::size_t& position, char32_t& codePoint)
{
    const char16_t unit = text[position++];
    if (unit < 0xD800 || unit > 0xDFFF) {
        codePoint = unit;
        return true;
    }
    if (unit >= 0xDC00 || position == text.size() || text[position] < 0xDC00 || text[position] > 0xDFFF)
        return false;
    codePoint = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[position++]) - 0xDC00);
    return true;
}

std::u16string utf8ToUtf16(std::string_view utf8)
{
    return decodeUtf8(utf8, Utf8Decoding::ReplaceIllFormed);
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    std::size_t position = 0;
    while (position < utf16.size()) {
        char32_t codePoint = 0;
        appendUtf8(out, nextUtf16CodePoint(utf16, position, codePoint) ? codePoint : ReplacementCharacter);
    }
    return out;
}

} // namespace tw
