#include "talktable/TalkTableFile.h"

#include "fileio/SequentialIO.h"

#include <memory>
#include <new>

namespace tw {
namespace {

constexpr std::uint32_t UnloadableLength = 0xFFFFFFFFu;
// The header and the entry table fill the reader's buffer first; what goes beyond it, most of the
// entry table and the texts, is read straight into place.
constexpr std::size_t ReaderBufferSize = 64 * 1024;

Result readEntries(SequentialReader& reader, StagedTable& staged, std::uint32_t count)
{
    staged.entries.resize(count);
    if (count == 0)
        return Result::success();
    return reader.read(reinterpret_cast<char*>(staged.entries.data()), std::size_t(count) * EntrySize,
                       "its entry table");
}

// Refuses lengths that cannot be held, and texts that the file is too short to contain, before
// any buffer is obtained for them; `total` is the sum of the lengths.
Result checkTextLengths(const StagedTable& staged, std::uint64_t fileSize, const std::string& path,
                        std::uint64_t& total)
{
    total = 0;
    for (std::size_t i = 0; i < staged.entries.size(); ++i) {
        std::uint32_t length = staged.entries[i].textLength();
        if (length == UnloadableLength)
            return Result::failure("Entry " + std::to_string(i) + " of \"" + path + "\" has a text length of 4294967295 bytes, which cannot be held.");
        total += length;
    }
    std::uint64_t needed = HeaderSize + std::uint64_t(EntrySize) * staged.entries.size() + total;
    if (fileSize < needed)
        return Result::failure("\"" + path + "\" is shorter than its texts: it has " + std::to_string(fileSize) +
                               " bytes, its entries need " + std::to_string(needed) + ".");
    return Result::success();
}

// The texts go into one block, back to back as in the file, in one read and straight into place.
Result readTexts(SequentialReader& reader, StagedTable& staged, std::uint64_t textBytes)
{
    staged.textBlock = std::make_unique_for_overwrite<char[]>(textBytes);
    return reader.read(staged.textBlock.get(), textBytes, "its texts");
}

Result stage(const std::string& path, StagedTable& staged)
{
    ExclusiveFile file;
    TW_TRY(file.openForReading(path));
    std::uint64_t fileSize = 0;
    TW_TRY(file.size(fileSize));
    SequentialReader reader(file, ReaderBufferSize);
    TW_TRY(reader.read(reinterpret_cast<char*>(&staged.header), HeaderSize, "its header"));
    std::uint32_t count = staged.header.entryCount();
    if (count > MaxEntries)
        return Result::failure("\"" + path + "\" holds " + std::to_string(count) + " entries; at most " +
                               std::to_string(MaxEntries) + " can be loaded.");
    TW_TRY(readEntries(reader, staged, count));
    std::uint64_t textBytes = 0;
    TW_TRY(checkTextLengths(staged, fileSize, path, textBytes));
    TW_TRY(readTexts(reader, staged, textBytes));
    return file.close();
}

} // namespace

Result readTalkTable(const std::string& path, TalkTable& table)
{
    StagedTable staged;
    try {
        TW_TRY(stage(path, staged));
        // Adopting can need memory too, for texts that the new table no longer covers.
        table.adopt(std::move(staged));
    } catch (const std::bad_alloc&) {
        return Result::failure("There is not enough memory to load \"" + path + "\".");
    }
    return Result::success();
}

} // namespace tw
