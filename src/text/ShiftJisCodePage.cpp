#include "text/CodePageInstances.h"
#include "text/EscapedBytes.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <memory>
#include <optional>

namespace tw {
namespace {

bool isShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A converter of the C library, closed when it goes out of use.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (isOpen())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return handle_ != iconv_t(-1); }

    // The output of converting all of `input`, or nothing when it does not convert whole.
    std::optional<std::string> convert(std::string_view input) const
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char output[16];
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output;
        std::size_t outLeft = sizeof output;
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == std::size_t(-1) || inLeft != 0)
            return std::nullopt;
        return std::string(output, out);
    }

private:
    iconv_t handle_;
};

// How each byte and each lead-byte pair is shown, and which bytes each character goes back to.
// Built once from the C library's CP932 converter. Only characters that come back to the very bytes
// they were read from are shown as characters: CP932 has characters with two codes, and the second
// code is shown as two escaped bytes so that it is written back as it was.
class ShiftJisTables {
public:
    // A byte or pair shown as escaped bytes: the lead byte alone when the pair does not decode (the
    // next byte is then read on its own), both bytes when it decodes to a character that would be
    // written back as other bytes.
    static constexpr char16_t EscapeFirstByte = 0xFFFF;
    static constexpr char16_t EscapeBothBytes = 0xFFFE;
    static constexpr std::uint16_t NotEncodable = 0xFFFF;

    ShiftJisTables()
        : pairs_(std::make_unique<char16_t[]>(0x10000)), codes_(std::make_unique<std::uint16_t[]>(0x10000))
    {
        singles_.fill(EscapeFirstByte);
        for (std::size_t i = 0; i < 0x10000; ++i) {
            pairs_[i] = EscapeFirstByte;
            codes_[i] = NotEncodable;
        }
        const Converter decoder("UTF-32LE", "CP932");
        const Converter encoder("CP932", "UTF-32LE");
        if (!decoder.isOpen() || !encoder.isOpen())
            return; // every byte beyond what decodes is shown escaped, so texts still come back whole
        for (unsigned b = 0; b < 0x100; ++b)
            if (!isShiftJisLeadByte(static_cast<unsigned char>(b)))
                singles_[b] = learn(decoder, encoder, {static_cast<char>(b)});
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isShiftJisLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (unsigned trail = 0; trail < 0x100; ++trail)
                pairs_[(lead << 8) | trail] = learn(decoder, encoder, {static_cast<char>(lead), static_cast<char>(trail)});
        }
    }

    char16_t single(unsigned char byte) const { return singles_[byte]; }
    char16_t pair(unsigned char lead, unsigned char trail) const { return pairs_[(lead << 8) | trail]; }
    std::uint16_t code(char32_t c) const { return c < 0x10000 ? codes_[c] : NotEncodable; }

private:
    static std::optional<char32_t> decodedCharacter(const Converter& decoder, std::string_view bytes)
    {
        std::optional<std::string> utf32 = decoder.convert(bytes);
        if (!utf32 || utf32->size() != 4)
            return std::nullopt;
        const auto* u = reinterpret_cast<const unsigned char*>(utf32->data());
        return char32_t(u[0]) | char32_t(u[1]) << 8 | char32_t(u[2]) << 16 | char32_t(u[3]) << 24;
    }

    static bool encodesBackTo(const Converter& encoder, char32_t c, std::string_view bytes)
    {
        const char utf32[4] = {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
                               static_cast<char>((c >> 16) & 0xFF), static_cast<char>(c >> 24)};
        std::optional<std::string> encoded = encoder.convert(std::string_view(utf32, 4));
        return encoded && *encoded == bytes;
    }

    // How `bytes` are shown; for a character that comes back to the same bytes, also records them
    // as its code.
    char16_t learn(const Converter& decoder, const Converter& encoder, const std::string& bytes)
    {
        std::optional<char32_t> c = decodedCharacter(decoder, bytes);
        if (!c)
            return EscapeFirstByte;
        if (*c >= EscapeBothBytes || isEscapedByte(*c) || !encodesBackTo(encoder, *c, bytes))
            return EscapeBothBytes;
        std::uint16_t code = 0;
        for (char byte : bytes)
            code = static_cast<std::uint16_t>(code << 8 | static_cast<unsigned char>(byte));
        codes_[*c] = code;
        return static_cast<char16_t>(*c);
    }

    std::array<char16_t, 0x100> singles_ {};
    std::unique_ptr<char16_t[]> pairs_;
    std::unique_ptr<std::uint16_t[]> codes_;
};

const ShiftJisTables& shiftJisTables()
{
    static const ShiftJisTables tables;
    return tables;
}

bool appendCodeOf(std::string& out, char32_t c)
{
    const std::uint16_t code = shiftJisTables().code(c);
    if (code == ShiftJisTables::NotEncodable)
        return false;
    if (code > 0xFF)
        out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
    return true;
}

class ShiftJisCodePage final : public CodePage {
public:
    CodePageId id() const override { return CodePageId::ShiftJis; }

    // ASCII capitals and the full-width Latin capitals (0x8260-0x8279 to 0x8281-0x829A); a trail
    // byte is never folded, since the walk steps over whole characters.
    void lowerInPlace(char* text, std::size_t length) const override
    {
        std::size_t i = 0;
        while (i < length) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (!isShiftJisLeadByte(byte)) {
                if (byte >= 'A' && byte <= 'Z')
                    text[i] = static_cast<char>(byte + 0x20);
                ++i;
                continue;
            }
            if (byte == 0x82 && i + 1 < length) {
                const auto trail = static_cast<unsigned char>(text[i + 1]);
                if (trail >= 0x60 && trail <= 0x79)
                    text[i + 1] = static_cast<char>(trail + 0x21);
            }
            i += 2;
        }
    }

    bool isLeadByte(unsigned char byte) const override { return isShiftJisLeadByte(byte); }

    // The same answer as walking the characters from the start, found from the position backwards:
    // the byte after one that cannot be a lead byte always begins a character, and from there on
    // the lead-byte values pair up, so the position begins a character when an even number of
    // them stands directly before it.
    bool startsCharacter(std::string_view text, std::size_t position) const override
    {
        if (position > text.size())
            return false;
        std::size_t leadRun = 0;
        while (leadRun < position && isShiftJisLeadByte(static_cast<unsigned char>(text[position - leadRun - 1])))
            ++leadRun;
        return leadRun % 2 == 0;
    }

    std::u16string toDisplay(std::string_view bytes) const override
    {
        const ShiftJisTables& tables = shiftJisTables();
        std::u16string out;
        out.reserve(bytes.size());
        std::size_t i = 0;
        while (i < bytes.size()) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            char16_t shown = tables.single(byte);
            std::size_t length = 1;
            if (isShiftJisLeadByte(byte) && i + 1 < bytes.size()) {
                shown = tables.pair(byte, static_cast<unsigned char>(bytes[i + 1]));
                length = shown == ShiftJisTables::EscapeFirstByte ? 1 : 2;
            }
            if (shown == ShiftJisTables::EscapeFirstByte || shown == ShiftJisTables::EscapeBothBytes) {
                for (std::size_t k = 0; k < length; ++k)
                    appendEscapedByte(out, static_cast<unsigned char>(bytes[i + k]));
            } else {
                out.push_back(shown);
            }
            i += length;
        }
        return out;
    }

    std::string fromDisplay(std::u16string_view text) const override
    {
        return encodeDisplayText(text, appendCodeOf);
    }
};

} // namespace

const CodePage& shiftJisCodePage()
{
    static const ShiftJisCodePage page;
    return page;
}

} // namespace tw
