#include "cli/Commands.h"

#include "patch/PatchFile.h"
#include "talktable/TalkTableFile.h"

#include <memory>

namespace tw::cli {
namespace {

struct ApplyOptions {
    std::string patch;
    std::string folder;
};

int runApply(const ArgumentText& arguments, const ApplyOptions& options)
{
    std::string folder = arguments.path(options.folder);
    if (!folder.empty() && !folder.ends_with('/'))
        folder += '/'; // an empty DIR is the current folder
    const std::string tablePath = folder + "dialog.tlk";
    auto table = std::make_unique<TalkTable>();
    // The patch is checked whole before the table changes, and a refused one writes nothing.
    Result result = readTalkTable(tablePath, *table);
    if (result.ok())
        result = importPatch(*table, arguments.path(options.patch));
    if (result.ok())
        result = writeTalkTable(*table, tablePath, backupPathFor(tablePath));
    return result.ok() ? Success : reportFailure(result.reason());
}

} // namespace

void addApplyCommand(CLI::App& app, const ArgumentText& arguments, int& status)
{
    auto options = std::make_shared<ApplyOptions>();
    CLI::App* command = app.add_subcommand(
        "apply", "Imports a patch file into DIR/dialog.tlk and writes it, the previous file becoming DIR/dialog.bak.");
    command->add_option("PATCH", options->patch, "the patch file (*.pat)")->required();
    command->add_option("DIR", options->folder, "the folder of dialog.tlk")->required();
    command->callback([&arguments, &status, options] { status = runApply(arguments, *options); });
}

} // namespace tw::cli
