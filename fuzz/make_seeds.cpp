// Writes the seed corpus of every fuzz target into the folder it is given: one subfolder per
// target, with small files of the shapes the readers meet, well-formed and not.
#include "support/PatchBytes.h"
#include "support/TableBuilder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace tw;
using namespace std::string_literals;

namespace {

using Seeds = std::vector<std::pair<std::string, std::string>>;
using testing::patchRecord;

Seeds tableSeeds()
{
    const std::string table = testing::TableBuilder().add("Greetings.").add("").add("two\nlines\r\nhere").fileBytes();
    std::string tooMany = testing::TableBuilder().fileBytes();
    writeLittleEndian32(reinterpret_cast<std::uint8_t*>(tooMany.data()) + 10, 70001);
    std::string unholdable = testing::TableBuilder().add("x").fileBytes();
    writeLittleEndian32(reinterpret_cast<std::uint8_t*>(unholdable.data()) + 18 + 22, 0xFFFFFFFFu);
    testing::TableBuilder odd;
    odd.add("a\0b"s).add("offsets").stringsOffset = 7;
    odd.textOffsets = {5, 0xFFFFFFF0u};
    return {
        {"empty", testing::TableBuilder().fileBytes()},
        {"three", table},
        {"trailing", table + "bytes after the texts"},
        {"cut-short", table.substr(0, table.size() - 3)},
        {"header-only", table.substr(0, 18)},
        {"too-many-entries", tooMany},
        {"unholdable-length", unholdable},
        {"odd-offsets", odd.fileBytes()},
    };
}

Seeds patchSeeds()
{
    return {
        {"empty", ""},
        {"one", patchRecord(2, "new text")},
        {"several", patchRecord(4, "four") + patchRecord(0, "") + patchRecord(4, "again") + patchRecord(3, "a\0b"s)},
        {"cut-in-header", patchRecord(1, "x").substr(0, 6)},
        {"cut-in-text", patchRecord(1, "longer text").substr(0, 12)},
        {"beyond-table", patchRecord(5, "x")},
        {"huge-length", patchRecord(1, "").substr(0, 4) + "\xFF\xFF\xFF\xFF"s},
    };
}

Seeds iniSeeds()
{
    return {
        {"settings-crlf", "[ProgramOption]\r\nPath=C:\\Games\\\r\nLanguage=0\r\nLanguage Number=1\r\n"
                          "FontName=MS Sans Serif\r\nFontSize=0x0C\r\nTop=-5\r\nLeft=$10\r\nWidth=500\r\nHeight= 350 \r\n"},
        {"settings-lf", "; comment\n[other]\nPath=elsewhere\n[programoption]\n  path  =  spaced  \nWidth=\nHeight=abc"},
        {"bom-and-duplicates", "\xEF\xBB\xBF[ProgramOption]\nTop=1\nTop=2\n[ProgramOption]\nLeft=3\n"},
        {"no-section", "Path=nowhere\r\n[ProgramOption"},
        {"lone-cr", "[ProgramOption]\rPath=x\r"},
    };
}

bool writeSeeds(const std::filesystem::path& folder, const Seeds& seeds)
{
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const bool written = writeSeeds(folder / "talk_table_reader", tableSeeds()) &&
                         writeSeeds(folder / "patch_import", patchSeeds()) &&
                         writeSeeds(folder / "ini_reader", iniSeeds());
    if (!written)
        std::fprintf(stderr, "fuzz_seeds: cannot write the seeds into %s\n", argv[1]);
    return written ? 0 : 1;
}
