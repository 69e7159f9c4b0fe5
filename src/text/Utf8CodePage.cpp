#include "text/CodePageInstances.h"
#include "text/EscapedBytes.h"

#include <locale.h>
#include <memory>
#include <wctype.h>

namespace tw {
namespace {

bool isSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

// The lower case of every character of the Basic Multilingual Plane whose lower case has the same
// length in UTF-8; every other character maps to itself. Built once from the C.UTF-8 locale, so
// that lower-casing a text is a table lookup per character.
class LowerCaseTable {
public:
    LowerCaseTable() : lower_(std::make_unique<char16_t[]>(Size))
    {
        for (char32_t c = 0; c < Size; ++c)
            lower_[c] = static_cast<char16_t>(c);
        locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
        if (locale == locale_t(0)) {
            for (char32_t c = 'A'; c <= 'Z'; ++c)
                lower_[c] = static_cast<char16_t>(c + 0x20);
            return;
        }
        for (char32_t c = 0; c < Size; ++c) {
            if (isSurrogate(c))
                continue;
            const auto lower = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
            if (lower < Size && !isSurrogate(lower) && utf8Length(lower) == utf8Length(c))
                lower_[c] = static_cast<char16_t>(lower);
        }
        freelocale(locale);
    }

    char32_t operator()(char32_t c) const { return c < Size ? lower_[c] : c; }

private:
    static constexpr char32_t Size = 0x10000;
    std::unique_ptr<char16_t[]> lower_;
};

const LowerCaseTable& lowerCaseTable()
{
    static const LowerCaseTable table;
    return table;
}

bool appendCharacter(std::string& out, char32_t c)
{
    appendUtf8(out, c);
    return true;
}

class Utf8CodePage final : public CodePage {
public:
    CodePageId id() const override { return CodePageId::Utf8; }

    void lowerInPlace(char* text, std::size_t length) const override
    {
        const LowerCaseTable& lower = lowerCaseTable();
        const std::string_view bytes(text, length);
        std::size_t i = 0;
        while (i < length) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte < 0x80) {
                text[i] = static_cast<char>(lower(byte));
                ++i;
                continue;
            }
            const Utf8Sequence sequence = decodeUtf8Sequence(bytes, i);
            if (sequence.length == 0) {
                ++i;
                continue;
            }
            // The table holds only folds of the same length, so the new bytes replace the old exactly.
            const char32_t folded = lower(sequence.codePoint);
            if (folded != sequence.codePoint)
                writeUtf8(text + i, folded);
            i += sequence.length;
        }
    }

    bool isLeadByte(unsigned char byte) const override { return byte >= 0xC2 && byte <= 0xF4; }

    bool startsCharacter(std::string_view text, std::size_t position) const override
    {
        return position >= text.size() || (static_cast<unsigned char>(text[position]) & 0xC0) != 0x80;
    }

    std::u16string toDisplay(std::string_view bytes) const override
    {
        return decodeUtf8(bytes, Utf8Decoding::EscapeIllFormedAndEscapeRange);
    }

    std::string fromDisplay(std::u16string_view text) const override
    {
        return encodeDisplayText(text, appendCharacter);
    }
};

} // namespace

const CodePage& utf8CodePage()
{
    static const Utf8CodePage page;
    return page;
}

} // namespace tw
