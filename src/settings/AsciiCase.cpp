#include "settings/AsciiCase.h"

#include <array>

namespace tw {
namespace {

constexpr std::array<unsigned char, 256> asciiLowerTable()
{
    std::array<unsigned char, 256> table {};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
    return table;
}

constexpr std::array<unsigned char, 256> AsciiLower = asciiLowerTable();

} // namespace

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower[static_cast<unsigned char>(a[i])] != AsciiLower[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

} // namespace tw
