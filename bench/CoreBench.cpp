// talkwarden-core-bench TABLE.tlk [benchmark flags]: times the core on a full table, each piece
// of work beside the floor it is held to, then prints one figure per line: name value unit.
#include "Floors.h"
#include "MedianReporter.h"
#include "TableGenerator.h"

#include "patch/PatchFile.h"
#include "talktable/TalkTableFile.h"
#include "text/Search.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <numeric>
#include <optional>
#include <vector>
#include <unistd.h>

namespace tw::bench {
namespace {

constexpr std::uint32_t ExportedEntries = 1000;
constexpr int Repetitions = 9;

// What every benchmark works on: the table file, its bytes, the table loaded once, a folder for
// the files the benchmarks write.
struct Bench {
    std::string tablePath;
    std::string fileBytes;
    std::string folder;
    TalkTable table;
    const CodePage& codePage = tw::codePage(CodePageId::Windows1252);
    std::array<unsigned char, 256> fold {};

    std::string inFolder(const char* name) const { return folder + "/" + name; }
    std::string_view textArea() const
    {
        return std::string_view(fileBytes).substr(HeaderSize + std::size_t(EntrySize) * table.EntryCount());
    }
};

// The code page's own folding of every byte, for the floor's pass that ignores case.
std::array<unsigned char, 256> foldTableOf(const CodePage& codePage)
{
    char bytes[256];
    std::iota(bytes, bytes + 256, char(0));
    codePage.lowerInPlace(bytes, sizeof bytes);
    std::array<unsigned char, 256> fold {};
    for (int b = 0; b < 256; ++b)
        fold[b] = static_cast<unsigned char>(bytes[b]);
    return fold;
}

bool reportFailure(benchmark::State& state, const Result& result)
{
    if (!result.ok())
        state.SkipWithError(result.reason().c_str());
    return !result.ok();
}

void load(benchmark::State& state, Bench& b)
{
    TalkTable store;
    for (auto _ : state)
        if (reportFailure(state, readTalkTable(b.tablePath, store)))
            break;
}

void loadFloor(benchmark::State& state, Bench& b)
{
    for (auto _ : state) {
        std::size_t size = 0;
        auto buffer = readIntoOneBuffer(b.tablePath, size);
        benchmark::DoNotOptimize(buffer.get());
        if (size != b.fileBytes.size()) {
            state.SkipWithError("the table could not be read whole");
            break;
        }
    }
}

void save(benchmark::State& state, Bench& b)
{
    const std::string path = b.inFolder("dialog.tlk");
    for (auto _ : state)
        if (reportFailure(state, writeTalkTable(b.table, path, backupPathFor(path))))
            break;
}

void saveFloor(benchmark::State& state, Bench& b)
{
    const std::string path = b.inFolder("floor.tlk");
    for (auto _ : state) {
        if (!writeNewFileFlushed(path, b.fileBytes)) {
            state.SkipWithError("the bytes could not be written to a new file");
            break;
        }
        state.PauseTiming();
        ::unlink(path.c_str());
        state.ResumeTiming();
    }
}

// Lengthens the entry's text by one letter and shortens it again, in turn, as typing does.
void replaceEntryText(benchmark::State& state, Bench& b, std::uint32_t entry)
{
    const std::string original(b.table.textBytes(entry));
    const std::string longer = original + "e";
    bool lengthen = true;
    for (auto _ : state) {
        b.table.ReplaceEntryText(entry, lengthen ? longer : original);
        lengthen = !lengthen;
    }
    b.table.ReplaceEntryText(entry, original);
}

// Marks ExportedEntries entries spread over the whole table and no other.
void markSpread(TalkTable& table)
{
    const std::uint32_t count = table.EntryCount();
    const std::uint32_t step = count / ExportedEntries;
    for (std::uint32_t n = 0; n < count; ++n)
        table.setPatchMark(n, step > 0 && n % step == 0 && n / step < ExportedEntries ? 1 : 0);
}

void exportMarked(benchmark::State& state, Bench& b)
{
    const std::string path = b.inFolder("export.pat");
    for (auto _ : state) {
        state.PauseTiming();
        markSpread(b.table);
        state.ResumeTiming();
        if (reportFailure(state, exportPatch(b.table, path)))
            break;
    }
}

void importMarked(benchmark::State& state, Bench& b)
{
    const std::string path = b.inFolder("import.pat");
    markSpread(b.table);
    if (reportFailure(state, exportPatch(b.table, path)))
        return;
    for (auto _ : state)
        if (reportFailure(state, importPatch(b.table, path)))
            break;
}

void search(benchmark::State& state, Bench& b, std::string_view query, std::optional<SearchMatch> expected)
{
    for (auto _ : state) {
        const std::optional<SearchMatch> found = searchEntries(b.table, b.codePage, query, 0, ExactText);
        benchmark::DoNotOptimize(found);
        if (found.has_value() != expected.has_value() ||
            (found && (found->entry != expected->entry || found->stage != expected->stage))) {
            state.SkipWithError("the search did not give the expected result");
            break;
        }
    }
}

void searchFloor(benchmark::State& state, Bench& b, std::string_view query, int expectedFinds)
{
    const std::string_view area = b.textArea();
    for (auto _ : state) {
        const int finds = scanForQuery(area, query, b.fold);
        benchmark::DoNotOptimize(finds);
        if (finds != expectedFinds) {
            state.SkipWithError("the floor's passes did not give the expected result");
            break;
        }
    }
}

// One piece of work to time. Work in memory or from the page cache is timed by the processor, so
// that other programs on a shared machine do not blur it; work that waits for the disk (the flush
// of a save and of an export) by the wall clock.
struct Measure {
    const char* name;
    benchmark::TimeUnit unit;
    Clock clock;
    std::function<void(benchmark::State&)> run;
};

std::vector<Measure> measures(Bench& b)
{
    const std::uint32_t last = b.table.EntryCount() - 1;
    const SearchMatch planted {plantedEntry(b.table.EntryCount()), ContainsTextIgnoringCase};
    constexpr auto ms = benchmark::kMillisecond;
    constexpr auto us = benchmark::kMicrosecond;
    return {
        {"load", ms, Clock::Processor, [&b](benchmark::State& s) { load(s, b); }},
        {"load_floor", ms, Clock::Processor, [&b](benchmark::State& s) { loadFloor(s, b); }},
        {"save", ms, Clock::Wall, [&b](benchmark::State& s) { save(s, b); }},
        {"save_floor", ms, Clock::Wall, [&b](benchmark::State& s) { saveFloor(s, b); }},
        {"replace_entry0", us, Clock::Processor, [&b](benchmark::State& s) { replaceEntryText(s, b, 0); }},
        {"replace_last", us, Clock::Processor, [&b, last](benchmark::State& s) { replaceEntryText(s, b, last); }},
        {"export_1000", ms, Clock::Wall, [&b](benchmark::State& s) { exportMarked(s, b); }},
        {"import_1000", ms, Clock::Processor, [&b](benchmark::State& s) { importMarked(s, b); }},
        {"search_absent", ms, Clock::Processor, [&b](benchmark::State& s) { search(s, b, AbsentQuery, std::nullopt); }},
        {"search_absent_floor", ms, Clock::Processor, [&b](benchmark::State& s) { searchFloor(s, b, AbsentQuery, 0); }},
        {"search_near_end", ms, Clock::Processor, [&b, planted](benchmark::State& s) { search(s, b, PlantedQuery, planted); }},
        {"search_near_end_floor", ms, Clock::Processor, [&b](benchmark::State& s) { searchFloor(s, b, PlantedQuery, 1); }},
    };
}

void registerAll(const std::vector<Measure>& all)
{
    for (const Measure& m : all) {
        auto* registered = benchmark::RegisterBenchmark(m.name, [run = m.run](benchmark::State& state) { run(state); });
        registered->Unit(m.unit)->MinWarmUpTime(0.1)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
        if (m.clock == Clock::Wall)
            registered->UseRealTime();
    }
}

// One line per figure whose benchmarks ran; times in the unit named, ratios as "x".
void printFigures(const MedianReporter& medians, const std::vector<Measure>& all, const Bench& b)
{
    auto seconds = [&](std::string_view name) {
        for (const Measure& m : all)
            if (name == m.name)
                return medians.seconds(m.name, m.clock);
        return -1.0;
    };
    auto time = [&](const char* figure, const char* name, double scale, const char* unit) {
        if (const double s = seconds(name); s >= 0)
            std::printf("%s %.3f %s\n", figure, s * scale, unit);
    };
    auto ratio = [&](const char* figure, const char* name, const char* floor) {
        const double s = seconds(name);
        const double f = seconds(floor);
        if (s >= 0 && f > 0)
            std::printf("%s %.2f x\n", figure, s / f);
    };
    std::printf("table_entries %u entries\n", b.table.EntryCount());
    std::printf("table_file_bytes %zu B\n", b.fileBytes.size());
    time("load_ms", "load", 1e3, "ms");
    time("load_floor_ms", "load_floor", 1e3, "ms");
    ratio("load_ratio", "load", "load_floor");
    time("save_ms", "save", 1e3, "ms");
    time("save_floor_ms", "save_floor", 1e3, "ms");
    ratio("save_ratio", "save", "save_floor");
    time("replace_entry0_us", "replace_entry0", 1e6, "us");
    time("replace_last_us", "replace_last", 1e6, "us");
    time("export_1000_ms", "export_1000", 1e3, "ms");
    time("import_1000_ms", "import_1000", 1e3, "ms");
    time("search_absent_ms", "search_absent", 1e3, "ms");
    time("search_absent_floor_ms", "search_absent_floor", 1e3, "ms");
    ratio("search_ratio", "search_absent", "search_absent_floor");
    time("search_near_end_ms", "search_near_end", 1e3, "ms");
    time("search_near_end_floor_ms", "search_near_end_floor", 1e3, "ms");
    ratio("search_near_end_ratio", "search_near_end", "search_near_end_floor");
}

bool prepare(Bench& b, const char* tablePath)
{
    b.tablePath = tablePath;
    std::size_t size = 0;
    auto bytes = readIntoOneBuffer(b.tablePath, size);
    b.fileBytes.assign(bytes ? bytes.get() : "", size);
    const Result loaded = readTalkTable(b.tablePath, b.table);
    if (!loaded.ok() || b.table.EntryCount() == 0) {
        std::cerr << "talkwarden-core-bench: cannot use \"" << b.tablePath << "\": " << loaded.reason() << "\n";
        return false;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "talkwarden-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::cerr << "talkwarden-core-bench: cannot make a work folder\n";
        return false;
    }
    b.folder = pattern;
    b.fold = foldTableOf(b.codePage);
    return true;
}

} // namespace
} // namespace tw::bench

int main(int argc, char** argv)
{
    // Repetitions of all benchmarks take turns, so that a busy moment of the machine falls on a
    // piece of work and on its floor alike. Flags given on the command line come later and win.
    std::vector<char*> arguments(argv, argv + argc);
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleaving);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    argc = count;
    argv = arguments.data();
    if (argc != 2) {
        std::cerr << "usage: talkwarden-core-bench TABLE.tlk [benchmark flags]\n";
        return 2;
    }
    auto bench = std::make_unique<tw::bench::Bench>();
    if (!tw::bench::prepare(*bench, argv[1]))
        return 1;
    const std::vector<tw::bench::Measure> measures = tw::bench::measures(*bench);
    tw::bench::registerAll(measures);
    tw::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    tw::bench::printFigures(reporter, measures, *bench);
    std::error_code ignored;
    std::filesystem::remove_all(bench->folder, ignored);
    return reporter.anyFailed() ? 1 : 0;
}
