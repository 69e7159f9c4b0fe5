#include "text/SubstringFinder.h"

#include <cstring>
#include <string.h> // memmem

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tw {

bool SubstringFinder::matchesAt(const char* text, std::size_t position) const
{
    return std::memcmp(text + position, query_.data(), query_.size()) == 0;
}

std::size_t SubstringFinder::find(const char* text, std::size_t length, std::size_t from) const
{
    if (query_.empty() || length < query_.size() || from > length - query_.size())
        return npos;
    return findInBlocks(text, length - query_.size() + 1, from);
}

#if defined(__SSE2__)

namespace {

// One bit for each of the 16 positions from `start` at which the query's first and last bytes
// both stand; only those are compared in full.
unsigned candidateMask(const char* text, std::size_t start, std::size_t lastOffset, __m128i first, __m128i last)
{
    const __m128i atFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + start));
    const __m128i atLast = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + start + lastOffset));
    return static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(atFirst, first), _mm_cmpeq_epi8(atLast, last))));
}

} // namespace

// Tests 16 starting positions at a time; the last block overlaps the one before it rather than
// reading past the text, and positions already tested are masked out.
std::size_t SubstringFinder::findInBlocks(const char* text, std::size_t candidates, std::size_t from) const
{
    constexpr std::size_t Block = 16;
    const std::size_t lastOffset = query_.size() - 1;
    if (candidates < Block) {
        for (std::size_t position = from; position < candidates; ++position)
            if (text[position] == query_[0] && text[position + lastOffset] == query_[lastOffset] &&
                matchesAt(text, position))
                return position;
        return npos;
    }
    const __m128i first = _mm_set1_epi8(query_[0]);
    const __m128i last = _mm_set1_epi8(query_[lastOffset]);
    std::size_t start = from;
    while (start < candidates) {
        unsigned mask = 0;
        if (start + Block <= candidates) {
            mask = candidateMask(text, start, lastOffset, first, last);
        } else {
            const std::size_t overlap = start - (candidates - Block);
            start = candidates - Block;
            mask = candidateMask(text, start, lastOffset, first, last) & (~0u << overlap);
        }
        for (; mask != 0; mask &= mask - 1) {
            const std::size_t position = start + static_cast<std::size_t>(__builtin_ctz(mask));
            if (matchesAt(text, position))
                return position;
        }
        start += Block;
    }
    return npos;
}

#else

std::size_t SubstringFinder::findInBlocks(const char* text, std::size_t candidates, std::size_t from) const
{
    const std::size_t length = candidates + query_.size() - 1;
    const void* found = memmem(text + from, length - from, query_.data(), query_.size());
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text) : npos;
}

#endif

} // namespace tw
