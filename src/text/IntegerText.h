#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tw {

// The standard text-to-integer conversion of the reference number box and of INI integers.
// Spaces at the start are skipped; then either an optional "+" or "-" and decimal digits within
// the signed 32-bit range, or, with no sign, a hexadecimal number introduced by "$", "x", "X",
// "0x" or "0X" that fits in 32 bits (taken as those 32 bits). The digits must run to the end.
// Anything else (empty, a lone sign or prefix, a trailing space, out of range) gives nothing.
std::optional<std::int32_t> parseStandardInteger(std::string_view text);

} // namespace tw
