#pragma once

#include "fileio/Result.h"
#include "talktable/EntryText.h"
#include "talktable/TalkRecords.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// A whole table read from a file and checked, waiting to replace what the store holds. Its texts
// lie back to back in `textBlock` as in the file, so that a load reads them in one piece and needs
// no buffer per entry.
struct StagedTable {
    TalkHeader header {};
    std::vector<TalkEntry> entries;
    std::unique_ptr<char[]> textBlock;
};

// Puts `texts` back to back into the staged table's block; their lengths already stand in its entries.
void fillTextBlock(StagedTable& staged, const std::vector<std::string>& texts);

// The in-memory talk table: the header, MaxEntries entry slots, their texts and their patch marks.
// The slots exist for the whole run; entries 0 to EntryCount() - 1 are in use.
class TalkTable {
public:
    TalkTable();

    const TalkHeader& header() const { return header_; }
    std::uint32_t EntryCount() const { return header_.entryCount(); }
    // True once a table has been read from a file; a store that never was is not written anywhere.
    bool hasBeenLoaded() const { return loaded_; }

    const TalkEntry& entry(std::uint32_t i) const { return entries_[i]; }
    const EntryText& text(std::uint32_t i) const { return texts_[i]; }
    // The TextLength bytes of entry i, as saved and exported.
    std::string_view textBytes(std::uint32_t i) const
    {
        const char* data = texts_[i].data();
        return data ? std::string_view(data, entries_[i].textLength()) : std::string_view();
    }
    // Entry i's text up to its first NUL, as the text box and the search see it.
    std::string_view shownText(std::uint32_t i) const;

    std::int16_t PatchMark(std::uint32_t i) const { return marks_[i]; }
    void setPatchMark(std::uint32_t i, std::int16_t mark) { marks_[i] = mark; }

    // Puts a freshly read table in place of entries 0 to its count - 1, their marks cleared;
    // the slots beyond keep what they held.
    void adopt(StagedTable&& staged);

    // Gives entry i the new text, marks it and moves every later TextOffset by the change of
    // length, modulo 2^32. Does nothing for an entry that is not in use.
    void ReplaceEntryText(std::uint32_t i, std::string_view text);
    // The same for a text that comes from a patch record: `lengthBytes` are the record's four
    // TextLength bytes, stored as they are, and `text` already holds that many bytes and a NUL.
    // The previous length is the entry's TextLength, also when its text holds a NUL before its end.
    void ImportEntryText(std::uint32_t i, const std::uint8_t lengthBytes[4], EntryText text);
    // Adds d, modulo 2^32, to the TextOffset of every entry after i that is in use.
    void ShiftTextOffsets(std::uint32_t i, std::uint32_t d);

private:
    void keepTextsBeyond(std::uint32_t count);
    void putText(std::uint32_t i, EntryText text, const std::uint8_t lengthBytes[4]);

    TalkHeader header_ {};
    std::unique_ptr<TalkEntry[]> entries_;
    std::unique_ptr<EntryText[]> texts_;
    std::unique_ptr<std::int16_t[]> marks_;
    std::unique_ptr<char[]> textBlock_;
    bool loaded_ = false;
};

} // namespace tw
