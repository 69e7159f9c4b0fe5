#include "text/EscapedBytes.h"

namespace tw {

std::u16string decodeUtf8(std::string_view bytes, Utf8Decoding decoding)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t position = 0;
    while (position < bytes.size()) {
        const Utf8Sequence sequence = decodeUtf8Sequence(bytes, position);
        if (sequence.length == 0 && decoding == Utf8Decoding::ReplaceIllFormed) {
            appendUtf16(out, ReplacementCharacter);
            ++position;
        } else if (sequence.length == 0) {
            appendEscapedByte(out, static_cast<unsigned char>(bytes[position]));
            ++position;
        } else if (isEscapedByte(sequence.codePoint) && decoding == Utf8Decoding::EscapeIllFormedAndEscapeRange) {
            for (std::size_t k = 0; k < sequence.length; ++k)
                appendEscapedByte(out, static_cast<unsigned char>(bytes[position + k]));
            position += sequence.length;
        } else {
            appendUtf16(out, sequence.codePoint);
            position += sequence.length;
        }
    }
    return out;
}

} // namespace tw
