#include "text/IntegerText.h"

#include "text/HexDigit.h"

namespace tw {
namespace {

std::optional<std::int32_t> parseHexadecimal(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + std::uint64_t(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> parseDecimal(std::string_view digits, bool negative)
{
    if (digits.empty())
        return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::size_t> hexPrefixLength(std::string_view text)
{
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X'))
        return 1;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return 2;
    return std::nullopt;
}

} // namespace

std::optional<std::int32_t> parseStandardInteger(std::string_view text)
{
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);
    if (auto prefix = hexPrefixLength(text))
        return parseHexadecimal(text.substr(*prefix));
    bool negative = text[0] == '-';
    if (text[0] == '+' || text[0] == '-')
        text.remove_prefix(1);
    return parseDecimal(text, negative);
}

} // namespace tw
