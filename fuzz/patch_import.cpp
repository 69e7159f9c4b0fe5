// Any bytes as a patch file for a small table: parsing and importing agree on what they refuse; a
// refused patch leaves the table exactly as it was, and an accepted one leaves every entry with
// the text of its last record, marked, and the offsets still back to back.
#include "FuzzFolder.h"
#include "patch/PatchFile.h"
#include "patch/PatchRecord.h"
#include "support/TableBuilder.h"

#include <cstring>
#include <map>
#include <memory>

using namespace tw;
using namespace std::string_literals;

namespace {

const testing::TableBuilder Small =
    testing::TableBuilder().add("zero").add("").add("two\r\nlines").add("three\0hidden"s).add("four");

bool sameEntries(const TalkTable& a, const TalkTable& b)
{
    for (std::uint32_t i = 0; i < a.EntryCount(); ++i) {
        if (std::memcmp(&a.entry(i), &b.entry(i), EntrySize) != 0 || a.textBytes(i) != b.textBytes(i) ||
            a.PatchMark(i) != b.PatchMark(i))
            return false;
    }
    return true;
}

void checkApplied(const TalkTable& table, const std::vector<PatchRecord>& records)
{
    std::map<std::uint32_t, std::string_view> last;
    for (const PatchRecord& record : records)
        last[record.EntryNumber] =
            std::string_view(record.TextBytes.data(), readLittleEndian32(record.TextLength));
    for (std::uint32_t i = 0; i < table.EntryCount(); ++i) {
        auto named = last.find(i);
        const std::string_view expected = named != last.end() ? named->second : std::string_view(Small.texts[i]);
        fuzz::require(table.textBytes(i) == expected, "every entry holds the text of its last record");
        fuzz::require(table.PatchMark(i) == (named != last.end() ? 1 : 0), "exactly the named entries are marked");
        if (i > 0)
            fuzz::require(table.entry(i).textOffset() == table.entry(i - 1).textOffset() + table.entry(i - 1).textLength(),
                          "the texts stay back to back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::FuzzFolder folder;
    const std::string patch = folder / "input.pat";
    fuzz::writeInput(patch, data, size);

    // Stores made once: one of MaxEntries slots per input would slow the fuzzing down a hundredfold.
    static const auto original = [] {
        auto store = std::make_unique<TalkTable>();
        Small.loadInto(*store);
        return store;
    }();
    static const auto table = std::make_unique<TalkTable>();
    Small.loadInto(*table);

    std::vector<PatchRecord> records;
    Result parsed = parsePatchRecords(std::string_view(reinterpret_cast<const char*>(data), size), table->EntryCount(),
                                      patch, records);
    Result imported = importPatch(*table, patch);
    fuzz::require(parsed.ok() == imported.ok(), "parsing and importing refuse the same files");
    if (!imported.ok()) {
        fuzz::require(!imported.reason().empty(), "a refusal gives its reason");
        fuzz::require(sameEntries(*table, *original), "a refused patch leaves the table as it was");
        return 0;
    }
    checkApplied(*table, records);
    return 0;
}
