#include "cli/Commands.h"

#include "settings/MessageTexts.h"
#include "talktable/TalkTableFile.h"
#include "text/SearchVisits.h"

#include <memory>

namespace tw::cli {
namespace {

struct SearchOptions {
    std::string file;
    std::string query;
    std::uint32_t from = 0;
};

int runSearch(const ArgumentText& arguments, const SearchOptions& options)
{
    std::string query;
    Result converted = arguments.text(options.query, query);
    if (!converted.ok())
        return reportFailure(converted.reason());
    auto table = std::make_unique<TalkTable>();
    Result loaded = readTalkTable(arguments.path(options.file), *table);
    if (!loaded.ok())
        return reportFailure(loaded.reason());

    const std::vector<SearchMatch> visits = searchVisits(*table, arguments.codePage(), query, options.from);
    if (visits.empty()) {
        reportFailure(MessageTexts()[MessageKey::QueryNotFound]);
        return NothingFound;
    }
    std::string lines;
    for (const SearchMatch& match : visits)
        lines += std::to_string(match.entry) + " " + std::to_string(match.stage) + "\n";
    return writeStandardOutput(lines);
}

} // namespace

void addSearchCommand(CLI::App& app, const ArgumentText& arguments, int& status)
{
    auto options = std::make_shared<SearchOptions>();
    CLI::App* command = app.add_subcommand(
        "search", "Prints \"entry stage\" for every entry that Search and then Search Next show, in that order.");
    command->add_option("FILE", options->file, "the talk table (dialog.tlk)")->required();
    command->add_option("QUERY", options->query, "the search string, in the code page (put -- before one that begins with -)")
        ->required();
    command->add_option("--from", options->from, "the entry the first search begins at (default 0)");
    command->callback([&arguments, &status, options] { status = runSearch(arguments, *options); });
}

} // namespace tw::cli
