#include "patch/PatchFile.h"

#include "fileio/ReplaceFile.h"
#include "patch/PatchRecord.h"

#include <new>

namespace tw {
namespace {

Result writeMarkedEntries(const TalkTable& table, SequentialWriter& writer)
{
    std::string record;
    for (std::uint32_t n = 0; n < table.EntryCount(); ++n) {
        if (table.PatchMark(n) != 1)
            continue;
        record.clear();
        appendPatchRecord(record, n, table.entry(n).TextLength, table.textBytes(n));
        TW_TRY(writer.write(record.data(), record.size()));
    }
    return Result::success();
}

Result readWhole(const std::string& path, std::string& contents)
{
    ExclusiveFile file;
    TW_TRY(file.openForReading(path));
    std::uint64_t size = 0;
    TW_TRY(file.size(size));
    contents.resize(size);
    std::size_t got = 0;
    TW_TRY(file.readSome(contents.data(), contents.size(), got));
    contents.resize(got);
    return file.close();
}

} // namespace

Result exportPatch(TalkTable& table, const std::string& path)
{
    TW_TRY(replaceFile(path, std::string(),
                       [&table](SequentialWriter& writer) { return writeMarkedEntries(table, writer); }));
    for (std::uint32_t n = 0; n < table.EntryCount(); ++n) {
        if (table.PatchMark(n) == 1)
            table.setPatchMark(n, 0);
    }
    return Result::success();
}

Result importPatch(TalkTable& table, const std::string& path)
{
    std::vector<PatchRecord> records;
    try {
        std::string contents;
        TW_TRY(readWhole(path, contents));
        TW_TRY(parsePatchRecords(contents, table.EntryCount(), path, records));
    } catch (const std::bad_alloc&) {
        return Result::failure("There is not enough memory to read \"" + path + "\".");
    }
    for (PatchRecord& record : records)
        table.ImportEntryText(record.EntryNumber, record.TextLength, std::move(record.TextBytes));
    return Result::success();
}

} // namespace tw
