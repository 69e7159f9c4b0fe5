#pragma once

#include "talktable/LittleEndian.h"

#include <cstdint>

namespace tw {

// The number of entry slots of the store; a table with more entries is not loaded.
inline constexpr std::uint32_t MaxEntries = 70000;

// The first 18 bytes of dialog.tlk, kept as read. Only EntryCount is interpreted.
struct TalkHeader {
    std::uint8_t Signature[4];
    std::uint8_t Version[4];
    std::uint8_t LanguageId[2];
    std::uint8_t EntryCount[4];
    std::uint8_t StringsOffset[4];

    std::uint32_t entryCount() const { return readLittleEndian32(EntryCount); }
};
static_assert(sizeof(TalkHeader) == 18, "the header is stored exactly as it lies in the file");

// One 26-byte record of the entry table, kept as read. TextOffset is never used to find a text;
// it is only moved along when an earlier text changes length.
struct TalkEntry {
    std::uint8_t Flags[2];
    std::uint8_t SoundResRef[8];
    std::uint8_t VolumeVariance[4];
    std::uint8_t PitchVariance[4];
    std::uint8_t TextOffset[4];
    std::uint8_t TextLength[4];

    std::uint32_t textOffset() const { return readLittleEndian32(TextOffset); }
    std::uint32_t textLength() const { return readLittleEndian32(TextLength); }
    void setTextOffset(std::uint32_t value) { writeLittleEndian32(TextOffset, value); }
    void setTextLength(std::uint32_t value) { writeLittleEndian32(TextLength, value); }
};
static_assert(sizeof(TalkEntry) == 26, "entries are stored exactly as they lie in the file");

inline constexpr std::uint32_t HeaderSize = sizeof(TalkHeader);
inline constexpr std::uint32_t EntrySize = sizeof(TalkEntry);

} // namespace tw
