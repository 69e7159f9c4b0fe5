// Any bytes as dialog.tlk: the reader either refuses them with a reason and leaves the store as it
// was, or loads them, and then writing the table gives back the bytes that the table covers.
#include "FuzzFolder.h"
#include "talktable/TalkTableFile.h"

#include <cstring>
#include <memory>

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::FuzzFolder folder;
    const std::string input = folder / "dialog.tlk";
    const std::string output = folder / "written.tlk";
    fuzz::writeInput(input, data, size);

    // One store for the whole run, as in the window, where every RELOAD reads into the same one;
    // making a store of MaxEntries slots for every input would slow the fuzzing down a hundredfold.
    static const auto table = std::make_unique<TalkTable>();
    const TalkHeader before = table->header();
    const std::string_view firstText = table->EntryCount() > 0 ? table->textBytes(0) : std::string_view();
    const std::string firstTextBefore(firstText);

    Result loaded = readTalkTable(input, *table);
    if (!loaded.ok()) {
        fuzz::require(!loaded.reason().empty(), "a refusal gives its reason");
        fuzz::require(std::memcmp(&before, &table->header(), HeaderSize) == 0 &&
                          (table->EntryCount() == 0 || table->textBytes(0) == firstTextBefore),
                      "a refused file leaves the store as it was");
        return 0;
    }
    std::uint64_t covered = HeaderSize + std::uint64_t(EntrySize) * table->EntryCount();
    for (std::uint32_t i = 0; i < table->EntryCount(); ++i)
        covered += table->entry(i).textLength();
    fuzz::require(covered <= size, "a loaded table lies within its file");

    fuzz::require(writeTalkTable(*table, output, "").ok(), "a loaded table can be written");
    fuzz::require(fuzz::readBack(output) == std::string_view(reinterpret_cast<const char*>(data), covered),
                  "writing a loaded table gives back the bytes it was read from");
    return 0;
}
