#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace tw::bench {

// What the machine itself takes for the work that the core does, measured beside it.

// Reads the whole file at `path` into one buffer of its size; empty on failure.
std::unique_ptr<char[]> readIntoOneBuffer(const std::string& path, std::size_t& size);

// Writes `bytes` to a new file at `path` and flushes it to disk; false on failure.
bool writeNewFileFlushed(const std::string& path, std::string_view bytes);

// One pass over `area` looking for `query` as it is, and one looking for it ignoring case,
// byte by byte through `fold`; the number of the two that found it.
int scanForQuery(std::string_view area, std::string_view query, const std::array<unsigned char, 256>& fold);

} // namespace tw::bench
