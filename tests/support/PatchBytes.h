#pragma once

#include "patch/PatchRecord.h"
#include "talktable/LittleEndian.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tw::testing {

// The bytes of one patch record for entry `entry` holding `text`.
inline std::string patchRecord(std::uint32_t entry, std::string_view text)
{
    std::string bytes;
    std::uint8_t length[4];
    writeLittleEndian32(length, static_cast<std::uint32_t>(text.size()));
    appendPatchRecord(bytes, entry, length, text);
    return bytes;
}

} // namespace tw::testing
