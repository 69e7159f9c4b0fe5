#include "text/IntegerText.h"

#include <gtest/gtest.h>

#include <limits>

namespace tw {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST(IntegerText, StandardConversion)
{
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    const IntegerCase cases[] = {
        {"62186", 62186},
        {"0", 0},
        {"-1", -1},
        {"-0", 0},
        {"+7", 7},
        {"007", 7},
        {" 16", 16},
        {"   -5", -5},
        {"abc", std::nullopt},
        {"12 ", std::nullopt},
        {"1 2", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"\t1", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"- 1", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", Min},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        // Hexadecimal: "$", "x", "X", "0x", "0X", no sign, any 32 bits.
        {"$10", 16},
        {"$7", 7},
        {"$ff", 255},
        {" $10", 16},
        {"x1A", 26},
        {"X1a", 26},
        {"0x1A", 26},
        {"0X1a", 26},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", Min},
        {"$FFFFFFFF", -1},
        {"$00000000FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"$", std::nullopt},
        {"x", std::nullopt},
        {"0X", std::nullopt},
        {"$1G", std::nullopt},
        {"$ 1", std::nullopt},
        {"-$10", std::nullopt},
        {"+$10", std::nullopt},
        {"$-1", std::nullopt},
        {"0x0x1", std::nullopt},
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(parseStandardInteger(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace tw
