#include "storage/text/LineReader.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::uint64_t EveryByte = 0x0101010101010101;

// The lowest byte of word that equals the one in pattern (repeated in every
// byte) sets its top bit; bytes above the lowest match may be marked falsely.
std::uint64_t matchingBytes(std::uint64_t word, std::uint64_t pattern)
{
    const std::uint64_t difference = word ^ pattern;
    return (difference - EveryByte) & ~difference & (EveryByte << 7);
}

} // namespace

// Lines are short, and a library search would cost more to start than to run.
const char *LineReader::lineEnd(const char *at, const char *end)
{
#if defined(__SSE2__)
    const __m128i lineFeeds = _mm_set1_epi8('\n');
    const __m128i carriageReturns = _mm_set1_epi8('\r');
    for (; end - at >= 16; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
        const int ends = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, lineFeeds), _mm_cmpeq_epi8(bytes, carriageReturns)));
        if (ends)
            return at + std::countr_zero(static_cast<unsigned>(ends));
    }
#endif
    for (; end - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        const std::uint64_t ends =
            matchingBytes(word, '\n' * EveryByte) | matchingBytes(word, '\r' * EveryByte);
        if (ends)
            return at + std::countr_zero(ends) / 8;
    }
    while (at != end && *at != '\n' && *at != '\r')
        ++at;
    return at;
}

qsizetype LineReader::countLineEnds(QByteArrayView bytes)
{
    // Every LF and every CR ends a line, except a CR that an LF follows.
    const char *at = bytes.data();
    const char *end = at + bytes.size();
    qsizetype count = 0;
#if defined(__SSE2__)
    // Each line end adds one to its byte of a running sum, which is added up
    // before any byte of it can overflow.
    const __m128i lineFeeds = _mm_set1_epi8('\n');
    const __m128i carriageReturns = _mm_set1_epi8('\r');
    while (end - at > 16) {
        __m128i sums = _mm_setzero_si128();
        for (int block = 0; block < 255 && end - at > 16; ++block, at += 16) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
            const __m128i following = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + 1));
            const __m128i lineFeedsHere = _mm_cmpeq_epi8(here, lineFeeds);
            const __m128i loneReturns =
                _mm_andnot_si128(_mm_cmpeq_epi8(following, lineFeeds), _mm_cmpeq_epi8(here, carriageReturns));
            // A match is all ones: minus one is plus one.
            sums = _mm_sub_epi8(sums, _mm_or_si128(lineFeedsHere, loneReturns));
        }
        const __m128i total = _mm_sad_epu8(sums, _mm_setzero_si128());
        count += _mm_cvtsi128_si64(total) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(total, total));
    }
#endif
    for (; at != end; ++at)
        count += *at == '\n' || (*at == '\r' && (at + 1 == end || at[1] != '\n'));
    return count;
}
