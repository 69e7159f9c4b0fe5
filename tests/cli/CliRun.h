#pragma once

#include "support/TempFolder.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tw::testing {

struct CliOutcome {
    int status = -1; // the exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// The environment of one run, on top of the test's own: a UTF-8 terminal and code page 1252
// unless a test says otherwise.
struct CliEnvironment {
    std::vector<std::pair<std::string, std::string>> variables = {{"LC_ALL", "C.UTF-8"},
                                                                    {"TALKWARDEN_CODEPAGE", "1252"}};

    CliEnvironment& with(std::string name, std::string value)
    {
        for (auto& variable : variables) {
            if (variable.first == name) {
                variable.second = std::move(value);
                return *this;
            }
        }
        variables.emplace_back(std::move(name), std::move(value));
        return *this;
    }
};

// Runs talkwarden-cli with `arguments` passed byte for byte (no shell in between) and collects
// its exit status, stdout and stderr.
inline CliOutcome runCli(const std::vector<std::string>& arguments, const CliEnvironment& environment = {})
{
    TempFolder capture;
    const std::string outPath = capture / "out";
    const std::string errPath = capture / "err";
    std::vector<std::string> words = {TALKWARDEN_CLI};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        for (const auto& [name, value] : environment.variables)
            ::setenv(name.c_str(), value.c_str(), 1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    CliOutcome outcome;
    int waitStatus = 0;
    if (child > 0 && ::waitpid(child, &waitStatus, 0) == child && WIFEXITED(waitStatus))
        outcome.status = WEXITSTATUS(waitStatus);
    outcome.out = readFile(outPath);
    outcome.err = readFile(errPath);
    return outcome;
}

} // namespace tw::testing
