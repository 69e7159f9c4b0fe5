#include "talktable/TalkTable.h"

#include <algorithm>
#include <cstring>

namespace tw {

TalkTable::TalkTable()
    : entries_(std::make_unique<TalkEntry[]>(MaxEntries)),
      texts_(std::make_unique<EntryText[]>(MaxEntries)),
      marks_(std::make_unique<std::int16_t[]>(MaxEntries))
{
}

std::string_view TalkTable::shownText(std::uint32_t i) const
{
    const std::string_view held = textBytes(i);
    return held.substr(0, held.find('\0'));
}

void fillTextBlock(StagedTable& staged, const std::vector<std::string>& texts)
{
    std::size_t total = 0;
    for (const std::string& text : texts)
        total += text.size();
    staged.textBlock = std::make_unique_for_overwrite<char[]>(total);
    char* at = staged.textBlock.get();
    for (const std::string& text : texts)
        at = std::copy(text.begin(), text.end(), at);
}

void TalkTable::adopt(StagedTable&& staged)
{
    const std::uint32_t count = static_cast<std::uint32_t>(staged.entries.size());
    keepTextsBeyond(count);
    header_ = staged.header;
    if (count > 0)
        std::memcpy(entries_.get(), staged.entries.data(), std::size_t(count) * EntrySize);
    char* at = staged.textBlock.get();
    for (std::uint32_t i = 0; i < count; ++i) {
        texts_[i] = EntryText::inBlock(at);
        at += entries_[i].textLength();
    }
    std::fill_n(marks_.get(), count, std::int16_t(0));
    textBlock_ = std::move(staged.textBlock);
    loaded_ = true;
}

// The slots from `count` up to the present count keep their texts, but the block that loaded texts
// lie in is about to go: those get buffers of their own.
void TalkTable::keepTextsBeyond(std::uint32_t count)
{
    for (std::uint32_t i = count; i < EntryCount(); ++i) {
        if (texts_[i].hasBuffer() && !texts_[i].ownsBuffer())
            texts_[i] = EntryText::copyOf(textBytes(i));
    }
}

void TalkTable::putText(std::uint32_t i, EntryText text, const std::uint8_t lengthBytes[4])
{
    const std::uint32_t previous = entries_[i].textLength();
    texts_[i] = std::move(text);
    std::memcpy(entries_[i].TextLength, lengthBytes, 4);
    marks_[i] = 1;
    ShiftTextOffsets(i, entries_[i].textLength() - previous);
}

void TalkTable::ReplaceEntryText(std::uint32_t i, std::string_view text)
{
    if (i >= EntryCount())
        return;
    std::uint8_t lengthBytes[4];
    writeLittleEndian32(lengthBytes, static_cast<std::uint32_t>(text.size()));
    putText(i, EntryText::copyOf(text), lengthBytes);
}

void TalkTable::ImportEntryText(std::uint32_t i, const std::uint8_t lengthBytes[4], EntryText text)
{
    if (i >= EntryCount())
        return;
    putText(i, std::move(text), lengthBytes);
}

void TalkTable::ShiftTextOffsets(std::uint32_t i, std::uint32_t d)
{
    const std::uint32_t count = EntryCount();
    TalkEntry* entries = entries_.get();
    for (std::uint32_t j = i + 1; j < count && j > i; ++j)
        entries[j].setTextOffset(entries[j].textOffset() + d);
}

} // namespace tw
