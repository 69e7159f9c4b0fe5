#include "cli/Commands.h"

#include <cstdio>

namespace tw::cli {

int reportFailure(const std::string& reason)
{
    std::fprintf(stderr, "talkwarden-cli: %s\n", reason.c_str());
    return Failure;
}

int writeStandardOutput(std::string_view bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (std::fflush(stdout) != 0 || !written)
        return reportFailure("Cannot write to the standard output.");
    return Success;
}

} // namespace tw::cli
