#include "talktable/TalkTableFile.h"

#include "fileio/SequentialIO.h"

#include <new>

namespace tw {
namespace {

constexpr std::uint32_t UnloadableLength = 0xFFFFFFFFu;

Result readEntries(SequentialReader& reader, StagedTable& staged, std::uint32_t count)
{
    staged.entries.resize(count);
    if (count == 0)
        return Result::success();
    return reader.read(reinterpret_cast<char*>(staged.entries.data()), std::size_t(count) * EntrySize,
                       "its entry table");
}

// Refuses lengths that cannot be held, and texts that the file is too short to contain, before
// any buffer is obtained for them.
Result checkTextLengths(const StagedTable& staged, std::uint64_t fileSize, const std::string& path)
{
    std::uint64_t total = 0;
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

Result readTexts(SequentialReader& reader, StagedTable& staged)
{
    staged.texts.reserve(staged.entries.size());
    for (const TalkEntry& entry : staged.entries) {
        std::uint32_t length = entry.textLength();
        staged.texts.push_back(EntryText::ofLength(length));
        TW_TRY(reader.read(staged.texts.back().data(), length, "its texts"));
    }
    return Result::success();
}

Result stage(const std::string& path, StagedTable& staged)
{
    ExclusiveFile file;
    TW_TRY(file.openForReading(path));
    std::uint64_t fileSize = 0;
    TW_TRY(file.size(fileSize));
    SequentialReader reader(file);
    TW_TRY(reader.read(reinterpret_cast<char*>(&staged.header), HeaderSize, "its header"));
    std::uint32_t count = staged.header.entryCount();
    if (count > MaxEntries)
        return Result::failure("\"" + path + "\" holds " + std::to_string(count) + " entries; at most " +
                               std::to_string(MaxEntries) + " can be loaded.");
    TW_TRY(readEntries(reader, staged, count));
    TW_TRY(checkTextLengths(staged, fileSize, path));
    TW_TRY(readTexts(reader, staged));
    return file.close();
}

} // namespace

Result readTalkTable(const std::string& path, TalkTable& table)
{
    StagedTable staged;
    try {
        TW_TRY(stage(path, staged));
    } catch (const std::bad_alloc&) {
        return Result::failure("There is not enough memory to load \"" + path + "\".");
    }
    table.adopt(std::move(staged));
    return Result::success();
}

} // namespace tw
