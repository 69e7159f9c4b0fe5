#include "text/CodePageInstances.h"
#include "text/EscapedBytes.h"

#include <array>

namespace tw {
namespace {

constexpr char16_t Undefined = 0xFFFF;

// 0x80-0x9F, the only bytes that are not the Latin-1 character of the same number.
constexpr std::array<char16_t, 32> HighControlsRow = {
    0x20AC, Undefined, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, Undefined, 0x017D, Undefined,
    Undefined, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, Undefined, 0x017E, 0x0178,
};

constexpr std::array<unsigned char, 256> makeLowerTable()
{
    std::array<unsigned char, 256> table {};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b)
        table[b] = static_cast<unsigned char>(b + 0x20);
    for (int b = 0xC0; b <= 0xDE; ++b)
        if (b != 0xD7)
            table[b] = static_cast<unsigned char>(b + 0x20);
    table[0x8A] = 0x9A;
    table[0x8C] = 0x9C;
    table[0x8E] = 0x9E;
    table[0x9F] = 0xFF;
    return table;
}

constexpr std::array<unsigned char, 256> LowerTable = makeLowerTable();

char16_t characterOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? HighControlsRow[byte - 0x80] : char16_t(byte);
}

bool appendByteOf(std::string& out, char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        out.push_back(static_cast<char>(c));
        return true;
    }
    for (std::size_t k = 0; k < HighControlsRow.size(); ++k) {
        if (HighControlsRow[k] != Undefined && HighControlsRow[k] == c) {
            out.push_back(static_cast<char>(0x80 + k));
            return true;
        }
    }
    return false;
}

class Windows1252CodePage final : public CodePage {
public:
    CodePageId id() const override { return CodePageId::Windows1252; }

    void lowerInPlace(char* text, std::size_t length) const override
    {
        for (std::size_t i = 0; i < length; ++i)
            text[i] = static_cast<char>(LowerTable[static_cast<unsigned char>(text[i])]);
    }

    bool isLeadByte(unsigned char) const override { return false; }

    bool startsCharacter(std::string_view, std::size_t) const override { return true; }

    std::u16string toDisplay(std::string_view bytes) const override
    {
        std::u16string out;
        out.reserve(bytes.size());
        for (char byte : bytes) {
            const auto b = static_cast<unsigned char>(byte);
            const char16_t c = characterOf(b);
            if (c == Undefined)
                appendEscapedByte(out, b);
            else
                out.push_back(c);
        }
        return out;
    }

    std::string fromDisplay(std::u16string_view text) const override
    {
        return encodeDisplayText(text, appendByteOf);
    }
};

} // namespace

const CodePage& windows1252CodePage()
{
    static const Windows1252CodePage page;
    return page;
}

} // namespace tw
