#pragma once

#include <cstddef>
#include <string_view>

namespace tw {

// Finds the byte-exact copies of one query in many short texts. Set up once per search, so that
// no entry pays for preparing the query again; the query's bytes must outlive the finder.
class SubstringFinder {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    explicit SubstringFinder(std::string_view query) : query_(query) {}

    // The position of the first copy of the query in the `length` bytes at `text` that begins at
    // `from` or later; npos when there is none or the query is empty.
    std::size_t find(const char* text, std::size_t length, std::size_t from) const;

private:
    std::size_t findInBlocks(const char* text, std::size_t candidates, std::size_t from) const;
    bool matchesAt(const char* text, std::size_t position) const;

    std::string_view query_;
};

} // namespace tw
