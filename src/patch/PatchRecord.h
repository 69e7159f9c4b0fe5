#pragma once

#include "fileio/Result.h"
#include "talktable/EntryText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// One record of a patch file: EntryNumber (4 bytes), TextLength (4 bytes), then that many text
// bytes, numbers little-endian; records lie back to back with no header and no trailer.
struct PatchRecord {
    std::uint32_t EntryNumber = 0;
    std::uint8_t TextLength[4] {};
    EntryText TextBytes;
};

inline constexpr std::size_t PatchRecordHeaderSize = 8;

// Splits a whole patch file into its records, in file order. Refuses a file that does not consist
// of whole records or names an entry not below `entryCount`; `where` names the file in the reason.
Result parsePatchRecords(std::string_view file, std::uint32_t entryCount, const std::string& where,
                         std::vector<PatchRecord>& records);

// Appends one record for entry `entryNumber` with the held length bytes and its text bytes.
void appendPatchRecord(std::string& out, std::uint32_t entryNumber, const std::uint8_t lengthBytes[4],
                       std::string_view text);

} // namespace tw
