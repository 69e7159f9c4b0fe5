#pragma once

#include "talktable/TalkTable.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tw::testing {

// Describes a small talk table for a test: its texts, and the bytes of a dialog.tlk that holds them.
struct TableBuilder {
    std::vector<std::string> texts;
    std::uint32_t stringsOffset = 0; // 0: where the texts really begin
    std::vector<std::uint32_t> textOffsets; // empty: the texts back to back

    TableBuilder& add(std::string_view text)
    {
        texts.emplace_back(text);
        return *this;
    }

    StagedTable staged() const
    {
        StagedTable table;
        const std::uint32_t count = static_cast<std::uint32_t>(texts.size());
        std::uint8_t header[18] = {'T', 'L', 'K', ' ', 'V', '1', ' ', ' ', 0, 0};
        writeLittleEndian32(header + 10, count);
        writeLittleEndian32(header + 14, stringsOffset ? stringsOffset : HeaderSize + EntrySize * count);
        std::copy(header, header + 18, reinterpret_cast<std::uint8_t*>(&table.header));
        std::uint32_t offset = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            TalkEntry entry {};
            entry.Flags[0] = std::uint8_t(i & 7);
            for (int k = 0; k < 8; ++k)
                entry.SoundResRef[k] = std::uint8_t(i % 3 == 0 ? 'A' + (i + k) % 26 : 0);
            entry.VolumeVariance[0] = std::uint8_t(i);
            entry.PitchVariance[3] = std::uint8_t(0x80 | i);
            entry.setTextOffset(textOffsets.empty() ? offset : textOffsets[i]);
            entry.setTextLength(static_cast<std::uint32_t>(texts[i].size()));
            offset += static_cast<std::uint32_t>(texts[i].size());
            table.entries.push_back(entry);
        }
        fillTextBlock(table, texts);
        return table;
    }

    // The table in a store of its own, as if it had been loaded.
    void loadInto(TalkTable& table) const { table.adopt(staged()); }

    // The bytes of a dialog.tlk file holding the table.
    std::string fileBytes() const
    {
        StagedTable table = staged();
        std::string bytes(reinterpret_cast<const char*>(&table.header), HeaderSize);
        bytes.append(reinterpret_cast<const char*>(table.entries.data()), table.entries.size() * EntrySize);
        for (const std::string& text : texts)
            bytes += text;
        return bytes;
    }
};

// A store of its own holding `texts`, as if it had been loaded.
inline std::unique_ptr<TalkTable> tableOf(const std::vector<std::string>& texts)
{
    auto table = std::make_unique<TalkTable>();
    TableBuilder builder;
    builder.texts = texts;
    builder.loadInto(*table);
    return table;
}

} // namespace tw::testing
