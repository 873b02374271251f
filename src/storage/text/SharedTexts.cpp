#include "storage/text/SharedTexts.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t Spread = 0x9E3779B97F4A7C15;

std::uint64_t mixed(std::uint64_t hash, std::uint64_t word)
{
    hash = (hash ^ word) * Spread;
    return hash ^ (hash >> 29);
}

// Fields are a few bytes long: hashed eight bytes at a time, the last eight
// overlapping the ones before, at a fraction of the cost of a general hash.
size_t slotOf(QByteArrayView bytes, size_t tableSize)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    std::uint64_t hash = static_cast<std::uint64_t>(size) * Spread;
    std::uint64_t word = 0;
    if (size < 8) {
        for (qsizetype i = 0; i < size; ++i)
            word = word << 8 | static_cast<unsigned char>(data[i]);
        return mixed(hash, word) % tableSize;
    }
    for (qsizetype at = 0; at + 8 < size; at += 8) {
        std::memcpy(&word, data + at, sizeof word);
        hash = mixed(hash, word);
    }
    std::memcpy(&word, data + size - 8, sizeof word);
    return mixed(hash, word) % tableSize;
}

// Whether two texts of size bytes are the same: fields are short, and a
// library comparison would cost more to start than to run.
bool sameBytes(const char *a, const char *b, qsizetype size)
{
    if (size >= 8) {
        std::uint64_t wordA, wordB;
        for (qsizetype at = 0; at + 8 < size; at += 8) {
            std::memcpy(&wordA, a + at, sizeof wordA);
            std::memcpy(&wordB, b + at, sizeof wordB);
            if (wordA != wordB)
                return false;
        }
        // The last eight bytes, overlapping those before.
        std::memcpy(&wordA, a + size - 8, sizeof wordA);
        std::memcpy(&wordB, b + size - 8, sizeof wordB);
        return wordA == wordB;
    }
    for (qsizetype at = 0; at < size; ++at) {
        if (a[at] != b[at])
            return false;
    }
    return true;
}

} // namespace

QString SharedTexts::text(QByteArrayView bytes)
{
    if (!m_sharing)
        return m_packed.text(bytes);
    Entry &entry = m_entries[slotOf(bytes, EntryCount)];
    // The same bytes decode to the same text.
    const bool recurs = !entry.text.isNull() && entry.bytes.size() == bytes.size() &&
                        sameBytes(entry.bytes.data(), bytes.data(), bytes.size());
    if (recurs) {
        ++m_recurring;
    } else {
        entry.bytes = bytes;
        entry.text = m_packed.text(bytes);
    }
    if (++m_lookups == TrialTexts)
        m_sharing = m_recurring * 4 >= m_lookups;
    return entry.text;
}
