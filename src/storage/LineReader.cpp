#include "storage/LineReader.h"

#include <bit>
#include <cstdint>
#include <cstring>

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

QByteArrayView LineReader::next()
{
    const char *start = m_next;
    const char *end = start;
    // Eight bytes at a time, looking for CR and LF at once: lines are short,
    // and a library search would cost more to start than to run.
    bool found = false;
    while (!found && m_end - end >= 8) {
        std::uint64_t word;
        std::memcpy(&word, end, sizeof word);
        const std::uint64_t ends =
            matchingBytes(word, '\n' * EveryByte) | matchingBytes(word, '\r' * EveryByte);
        if (ends) {
            end += std::countr_zero(ends) / 8;
            found = true;
        } else {
            end += 8;
        }
    }
    while (!found && end != m_end && *end != '\n' && *end != '\r')
        ++end;
    if (end == m_end)
        m_next = m_end;
    else
        m_next = end + (*end == '\r' && end + 1 != m_end && end[1] == '\n' ? 2 : 1);
    return QByteArrayView(start, end - start);
}
