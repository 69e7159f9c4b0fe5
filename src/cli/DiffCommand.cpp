#include "cli/Commands.h"

#include "patch/DifferingTexts.h"
#include "patch/PatchFile.h"
#include "talktable/TalkTableFile.h"

#include <memory>

namespace tw::cli {
namespace {

struct DiffOptions {
    std::string original;
    std::string changed;
    std::string patch;
};

int runDiff(const ArgumentText& arguments, const DiffOptions& options)
{
    auto original = std::make_unique<TalkTable>();
    auto changed = std::make_unique<TalkTable>();
    Result result = readTalkTable(arguments.path(options.original), *original);
    if (result.ok())
        result = readTalkTable(arguments.path(options.changed), *changed);
    if (result.ok())
        result = markDifferingTexts(*original, *changed);
    if (result.ok())
        result = exportPatch(*changed, arguments.path(options.patch));
    return result.ok() ? Success : reportFailure(result.reason());
}

} // namespace

void addDiffCommand(CLI::App& app, const ArgumentText& arguments, int& status)
{
    auto options = std::make_shared<DiffOptions>();
    CLI::App* command = app.add_subcommand(
        "diff", "Writes a patch file of every entry whose text differs between two tables of the same entry count.");
    command->add_option("OLD", options->original, "the table the patch is for")->required();
    command->add_option("NEW", options->changed, "the table whose texts the patch carries")->required();
    command->add_option("-o,--output", options->patch, "the patch file to write (*.pat)")->required();
    command->callback([&arguments, &status, options] { status = runDiff(arguments, *options); });
}

} // namespace tw::cli
