#include "catalogue/TradeList.h"

#include "catalogue/CataloguePass.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/catalogue/CatalogueNumber.h"

#include <algorithm>

namespace {

// The numbers met and how often, one group per number, found through an
// open-addressing table whose slots say where each group's key lies. The
// table, the counts and the keys each lie in one stretch of memory and stay
// small, so that a record costs a look into the table and one comparison of
// keys, mostly without waiting for main memory.
class NumberGroups {
public:
    // Counts count more of the key's number; its first count gives the group
    // its text and row.
    void add(QStringView key, size_t hash, const QString &text, int count, int row)
    {
        const auto check = static_cast<quint32>(hash >> 32);
        size_t at = hash & (m_table.size() - 1);
        for (; m_table[at].group >= 0; at = (at + 1) & (m_table.size() - 1)) {
            if (m_table[at].check == check && keyOf(m_table[at]) == key) {
                m_counts[static_cast<size_t>(m_table[at].group)] += count;
                return;
            }
        }
        m_table[at] = {m_keys.size(), key.size(), check, static_cast<qint32>(m_counts.size())};
        m_keys.insert(m_keys.end(), key.utf16(), key.utf16() + key.size());
        m_counts.push_back(count);
        m_firsts.push_back({text, count, row});
        // At most half full, so that a look ends soon.
        if (m_counts.size() * 2 > m_table.size())
            grow();
    }

    // Every group of other, as if its records came after these.
    void add(const NumberGroups &other)
    {
        for (const Slot &slot : other.m_table) {
            if (slot.group < 0)
                continue;
            const QStringView key = other.keyOf(slot);
            const TradeList::Entry &first = other.m_firsts[static_cast<size_t>(slot.group)];
            add(key, qHash(key), first.catalogueNumber, other.m_counts[static_cast<size_t>(slot.group)],
                first.firstRow);
        }
    }

    std::vector<TradeList::Entry> doubles() const
    {
        std::vector<TradeList::Entry> entries;
        for (size_t group = 0; group < m_counts.size(); ++group) {
            if (m_counts[group] > 1) {
                entries.push_back(m_firsts[group]);
                entries.back().count = m_counts[group];
            }
        }
        return entries;
    }

private:
    struct Slot {
        size_t keyAt = 0; // in m_keys
        qsizetype keyLength = 0;
        quint32 check = 0; // the high half of the hash
        qint32 group = -1;
    };

    QStringView keyOf(const Slot &slot) const
    {
        return QStringView(m_keys.data() + slot.keyAt, slot.keyLength);
    }

    void grow()
    {
        std::vector<Slot> old(m_table.size() * 2);
        old.swap(m_table);
        for (const Slot &slot : old) {
            if (slot.group < 0)
                continue;
            size_t at = qHash(keyOf(slot)) & (m_table.size() - 1);
            while (m_table[at].group >= 0)
                at = (at + 1) & (m_table.size() - 1);
            m_table[at] = slot;
        }
    }

    std::vector<Slot> m_table = std::vector<Slot>(1024);
    std::vector<char16_t> m_keys;
    std::vector<int> m_counts;
    // The first record of each group; its count is kept in m_counts meanwhile.
    std::vector<TradeList::Entry> m_firsts;
};

// An entry with its catalogue number read.
struct ReadEntry {
    CatalogueNumber number;
    const TradeList::Entry *entry;
};

bool catalogueOrder(const ReadEntry &leftEntry, const ReadEntry &rightEntry)
{
    const CatalogueNumber &left = leftEntry.number;
    const CatalogueNumber &right = rightEntry.number;
    if (left.hasNumber() != right.hasNumber())
        return left.hasNumber();
    if (!left.hasNumber())
        return CatalogueNumber::comparePrefix(QStringView(leftEntry.entry->catalogueNumber).trimmed(),
                                              QStringView(rightEntry.entry->catalogueNumber).trimmed()) < 0;
    if (const int prefix = CatalogueNumber::comparePrefix(left.prefix(), right.prefix()))
        return prefix < 0;
    if (const int digits = CatalogueNumber::compareDigits(left.digits(), right.digits()))
        return digits < 0;
    return CatalogueNumber::comparePrefix(left.suffix(), right.suffix()) < 0;
}

// Prefix, number, suffix; numbers without a digit last. Each number is read
// once rather than at every comparison.
std::vector<TradeList::Entry> inCatalogueOrder(const std::vector<TradeList::Entry> &entries)
{
    std::vector<ReadEntry> read;
    read.reserve(entries.size());
    for (const TradeList::Entry &entry : entries)
        read.push_back({CatalogueNumber(entry.catalogueNumber), &entry});
    std::sort(read.begin(), read.end(), catalogueOrder);
    std::vector<TradeList::Entry> sorted;
    sorted.reserve(entries.size());
    for (const ReadEntry &entry : read)
        sorted.push_back(*entry.entry);
    return sorted;
}

} // namespace

TradeList TradeList::of(RecordSpan records, const QString &category, const CatalogueEntries *entries,
                        const QString &system)
{
    // Each part of the pass counts into groups of its own; the first part's
    // take in the others' in row order, so that each keeps its earliest record.
    const CataloguePass pass(records, category);
    std::vector<NumberGroups> groups(pass.partCount());
    const bool bySystem = entries && !system.isEmpty();
    std::vector<CatalogueKey> systemKeys(bySystem ? pass.partCount() : 0);
    pass.run([&](size_t part, size_t row, const QString &text, const CatalogueKey &number) {
        if (!bySystem) {
            if (!number.isBlank())
                groups[part].add(number.text(), qHash(number.text()), text, 1, static_cast<int>(row));
            return;
        }
        // A stamp with several editions of the system counts once, by its latest.
        const CatalogueEntries::List stamp = entries->of(records[row]);
        const CatalogueEntry *entry = CatalogueEntries::latestOf(stamp, system);
        if (!entry)
            return;
        // "Mi 535", also for a number written with its system.
        const bool withSystem =
            CatalogueNumber::samePrefix(CatalogueNumber(entry->number).prefix(), entry->system);
        const QString shown = withSystem ? entry->number : entry->system + u' ' + entry->number;
        CatalogueKey &key = systemKeys[part];
        key.read(shown);
        groups[part].add(key.text(), qHash(key.text()), shown, 1, static_cast<int>(row));
    });
    for (size_t part = 1; part < groups.size(); ++part)
        groups[0].add(groups[part]);
    TradeList list;
    list.m_entries = inCatalogueOrder(groups[0].doubles());
    return list;
}

std::vector<QStringList> TradeList::rows() const
{
    std::vector<QStringList> rows;
    rows.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        rows.push_back({entry.catalogueNumber, QString::number(entry.count)});
    return rows;
}
