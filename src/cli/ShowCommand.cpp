#include "cli/Commands.h"

#include "talktable/TalkTableFile.h"

#include <memory>

namespace tw::cli {
namespace {

struct ShowOptions {
    std::string file;
    std::uint32_t entry = 0;
};

int runShow(const ArgumentText& arguments, const ShowOptions& options)
{
    auto table = std::make_unique<TalkTable>();
    Result loaded = readTalkTable(arguments.path(options.file), *table);
    if (!loaded.ok())
        return reportFailure(loaded.reason());
    if (options.entry >= table->EntryCount())
        return reportFailure("\"" + options.file + "\" has no entry " + std::to_string(options.entry) + ": it has " +
                             std::to_string(table->EntryCount()) + " entries.");
    return writeStandardOutput(table->textBytes(options.entry));
}

} // namespace

void addShowCommand(CLI::App& app, const ArgumentText& arguments, int& status)
{
    auto options = std::make_shared<ShowOptions>();
    CLI::App* command = app.add_subcommand("show", "Writes entry N's text to stdout exactly as the table stores it.");
    command->add_option("FILE", options->file, "the talk table (dialog.tlk)")->required();
    command->add_option("N", options->entry, "the entry's reference number")->required();
    command->callback([&arguments, &status, options] { status = runShow(arguments, *options); });
}

} // namespace tw::cli
