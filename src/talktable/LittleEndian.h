#pragma once

#include <cstdint>

namespace tw {

// Numbers in talk tables and patch files are combined byte by byte, least significant first,
// so the result does not depend on the machine's own byte order.
inline std::uint32_t readLittleEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

inline void writeLittleEndian32(std::uint8_t* bytes, std::uint32_t value)
{
    bytes[0] = std::uint8_t(value);
    bytes[1] = std::uint8_t(value >> 8);
    bytes[2] = std::uint8_t(value >> 16);
    bytes[3] = std::uint8_t(value >> 24);
}

} // namespace tw
