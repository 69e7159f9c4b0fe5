#include "talktable/TalkTableFile.h"

#include "fileio/ReplaceFile.h"

namespace tw {
namespace {

Result writeTable(const TalkTable& table, SequentialWriter& writer)
{
    TW_TRY(writer.write(reinterpret_cast<const char*>(&table.header()), HeaderSize));
    const std::uint32_t count = table.EntryCount();
    if (count > 0)
        TW_TRY(writer.write(reinterpret_cast<const char*>(&table.entry(0)), std::size_t(count) * EntrySize));
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string_view text = table.textBytes(i);
        TW_TRY(writer.write(text.data(), text.size()));
    }
    return Result::success();
}

} // namespace

Result writeTalkTable(const TalkTable& table, const std::string& path, const std::string& backupPath)
{
    if (!table.hasBeenLoaded())
        return Result::failure("No talk table has been loaded, so nothing was written to \"" + path + "\".");
    return replaceFile(path, backupPath, [&table](SequentialWriter& writer) { return writeTable(table, writer); });
}

std::string backupPathFor(const std::string& path)
{
    auto slash = path.rfind('/');
    auto dot = path.rfind('.');
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + ".bak";
}

} // namespace tw
