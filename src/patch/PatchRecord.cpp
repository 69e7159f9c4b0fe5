#include "patch/PatchRecord.h"

#include "talktable/LittleEndian.h"

#include <cstring>

namespace tw {

Result parsePatchRecords(std::string_view file, std::uint32_t entryCount, const std::string& where,
                         std::vector<PatchRecord>& records)
{
    std::size_t position = 0;
    while (position < file.size()) {
        const std::size_t start = position;
        if (file.size() - position < PatchRecordHeaderSize)
            return Result::failure("\"" + where + "\" is cut short: the record at byte " + std::to_string(start) +
                                   " has no whole entry number and length.");
        const auto* head = reinterpret_cast<const std::uint8_t*>(file.data() + position);
        PatchRecord record;
        record.EntryNumber = readLittleEndian32(head);
        std::memcpy(record.TextLength, head + 4, 4);
        const std::uint32_t length = readLittleEndian32(record.TextLength);
        position += PatchRecordHeaderSize;
        if (record.EntryNumber >= entryCount)
            return Result::failure("\"" + where + "\" names entry " + std::to_string(record.EntryNumber) +
                                   " (record at byte " + std::to_string(start) + "), but the table has " +
                                   std::to_string(entryCount) + " entries.");
        if (file.size() - position < length)
            return Result::failure("\"" + where + "\" is cut short: the text of entry " +
                                   std::to_string(record.EntryNumber) + " (record at byte " + std::to_string(start) +
                                   ") needs " + std::to_string(length) + " bytes, " +
                                   std::to_string(file.size() - position) + " are left.");
        record.TextBytes = EntryText::copyOf(file.substr(position, length));
        position += length;
        records.push_back(std::move(record));
    }
    return Result::success();
}

void appendPatchRecord(std::string& out, std::uint32_t entryNumber, const std::uint8_t lengthBytes[4],
                       std::string_view text)
{
    std::uint8_t number[4];
    writeLittleEndian32(number, entryNumber);
    out.append(reinterpret_cast<const char*>(number), 4);
    out.append(reinterpret_cast<const char*>(lengthBytes), 4);
    out.append(text);
}

} // namespace tw
