#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tw::bench {

// The size of a full game's table, which the benchmarks measure against.
inline constexpr std::uint32_t FullTableEntries = 70000;

// Words that the generator never writes, so that a search for them scans every stage to the end.
inline constexpr std::string_view AbsentQuery = "silver wyvern";

// A phrase written into exactly one entry near the end, within a longer text, and the query that
// finds it there only ignoring case.
inline constexpr std::string_view PlantedPhrase = "Lantern of Quorvath";
inline constexpr std::string_view PlantedQuery = "lantern of quorvath";
std::uint32_t plantedEntry(std::uint32_t entries);

// The bytes of a dialog.tlk shaped like a game's table, the same bytes for the same arguments:
// mostly one to four sentences in Windows-1252 (accented letters, typographic quotes), a tenth
// of the entries a few paragraphs up to a few KB, about 5 % empty, line breaks as LF and in some
// entries CR LF, sound resrefs and flags on a share of the entries, the texts back to back.
std::string generateTable(std::uint32_t entries, std::uint64_t seed);

} // namespace tw::bench
