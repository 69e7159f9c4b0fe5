#include "cli/Commands.h"

#include "talktable/TalkTableFile.h"

#include <memory>

namespace tw::cli {
namespace {

// Carried bytes shown in hexadecimal and, where they are printable ASCII, as letters.
std::string carriedBytes(const std::uint8_t* bytes, std::size_t count)
{
    static const char Digits[] = "0123456789ABCDEF";
    std::string hex;
    std::string letters;
    for (std::size_t i = 0; i < count; ++i) {
        hex += {Digits[bytes[i] >> 4], Digits[bytes[i] & 15], ' '};
        letters += bytes[i] >= 0x20 && bytes[i] < 0x7F ? char(bytes[i]) : '.';
    }
    return hex + "\"" + letters + "\"";
}

std::string describe(const TalkTable& table)
{
    std::uint64_t textBytes = 0;
    for (std::uint32_t i = 0; i < table.EntryCount(); ++i)
        textBytes += table.entry(i).textLength();
    const TalkHeader& header = table.header();
    return "Entries: " + std::to_string(table.EntryCount()) + "\n" +
           "Text bytes: " + std::to_string(textBytes) + "\n" +
           "Signature: " + carriedBytes(header.Signature, 4) + "\n" +
           "Version: " + carriedBytes(header.Version, 4) + "\n" +
           "LanguageId: " + std::to_string(header.LanguageId[0] | header.LanguageId[1] << 8) + "\n" +
           "StringsOffset: " + std::to_string(readLittleEndian32(header.StringsOffset)) + "\n";
}

int runInfo(const ArgumentText& arguments, const std::string& file)
{
    auto table = std::make_unique<TalkTable>();
    Result loaded = readTalkTable(arguments.path(file), *table);
    if (!loaded.ok())
        return reportFailure(loaded.reason());
    return writeStandardOutput(describe(*table));
}

} // namespace

void addInfoCommand(CLI::App& app, const ArgumentText& arguments, int& status)
{
    auto file = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand("info", "Shows a talk table's entry count, text bytes and header fields.");
    command->add_option("FILE", *file, "the talk table (dialog.tlk)")->required();
    command->callback([&arguments, &status, file] { status = runInfo(arguments, *file); });
}

} // namespace tw::cli
