// talkwarden-make-table OUT.tlk [--entries N] [--seed S]: writes a generated talk table.
#include "TableGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace {

int usage()
{
    std::cerr << "usage: talkwarden-make-table OUT.tlk [--entries N] [--seed S]\n";
    return 2;
}

bool parseNumber(const char* text, unsigned long long max, unsigned long long& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && text[0] != '-' && value <= max;
}

} // namespace

int main(int argc, char** argv)
{
    std::string out;
    unsigned long long entries = tw::bench::FullTableEntries;
    unsigned long long seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--entries" && i + 1 < argc) {
            if (!parseNumber(argv[++i], tw::bench::FullTableEntries, entries))
                return usage();
        } else if (arg == "--seed" && i + 1 < argc) {
            if (!parseNumber(argv[++i], ~0ull, seed))
                return usage();
        } else if (out.empty() && !arg.starts_with("--")) {
            out = arg;
        } else {
            return usage();
        }
    }
    if (out.empty())
        return usage();

    const std::string bytes = tw::bench::generateTable(static_cast<std::uint32_t>(entries), seed);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "talkwarden-make-table: cannot write \"" << out << "\"\n";
        return 1;
    }
    return 0;
}
