#pragma once

#include "cli/ArgumentText.h"

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>

namespace tw::cli {

// What a command tells the shell: a search that finds nothing is not a failure, as with grep.
enum ExitStatus : int { Success = 0, NothingFound = 1, Failure = 2 };

// Writes "talkwarden-cli: <reason>" to stderr and gives the failure status.
int reportFailure(const std::string& reason);

// Writes the bytes to stdout as they are; a failed write (a full disk, a closed pipe) is reported.
int writeStandardOutput(std::string_view bytes);

// Each adds one command to `app`. When it is the command given, it runs once its arguments are
// parsed and leaves its exit status in `status`.
void addInfoCommand(CLI::App& app, const ArgumentText& arguments, int& status);
void addShowCommand(CLI::App& app, const ArgumentText& arguments, int& status);
void addSearchCommand(CLI::App& app, const ArgumentText& arguments, int& status);
void addDiffCommand(CLI::App& app, const ArgumentText& arguments, int& status);
void addApplyCommand(CLI::App& app, const ArgumentText& arguments, int& status);

} // namespace tw::cli
