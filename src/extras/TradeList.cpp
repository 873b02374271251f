#include "extras/TradeList.h"

#include "extras/CatalogueNumber.h"
#include "extras/CataloguePass.h"

#include <algorithm>

namespace {

// The numbers met and how often, one group per number, found through an
// open-addressing table of key hashes. The table, the groups and their keys
// each lie in one stretch of memory and stay small, so that a record costs a
// look into the table and one comparison of keys, mostly without waiting for
// main memory.
class NumberGroups {
public:
    // Counts count more of the key's number; its first count gives the group
    // its text and row.
    void add(QStringView key, size_t hash, const QString &text, int count, int row)
    {
        const auto check = static_cast<quint32>(hash >> 32);
        size_t at = hash & (m_table.size() - 1);
        for (; m_table[at].group >= 0; at = (at + 1) & (m_table.size() - 1)) {
            Group &group = m_groups[static_cast<size_t>(m_table[at].group)];
            if (m_table[at].check == check && keyOf(group) == key) {
                group.count += count;
                return;
            }
        }
        m_table[at] = {check, static_cast<qint32>(m_groups.size())};
        m_groups.push_back({m_keys.size(), key.size(), count});
        m_keys.insert(m_keys.end(), key.utf16(), key.utf16() + key.size());
        m_firsts.push_back({text, count, row});
        // At most half full, so that a look ends soon.
        if (m_groups.size() * 2 > m_table.size())
            grow();
    }

    // Every group of other, as if its records came after these.
    void add(const NumberGroups &other)
    {
        for (size_t index = 0; index < other.m_groups.size(); ++index) {
            const QStringView key = other.keyOf(other.m_groups[index]);
            const TradeList::Entry &first = other.m_firsts[index];
            add(key, qHash(key), first.catalogueNumber, other.m_groups[index].count, first.firstRow);
        }
    }

    std::vector<TradeList::Entry> doubles() const
    {
        std::vector<TradeList::Entry> entries;
        for (size_t index = 0; index < m_groups.size(); ++index) {
            if (m_groups[index].count > 1) {
                entries.push_back(m_firsts[index]);
                entries.back().count = m_groups[index].count;
            }
        }
        return entries;
    }

private:
    struct Group {
        size_t keyAt; // in m_keys
        qsizetype keyLength;
        int count;
    };
    struct Slot {
        quint32 check = 0; // the high half of the hash
        qint32 group = -1;
    };

    QStringView keyOf(const Group &group) const
    {
        return QStringView(m_keys.data() + group.keyAt, group.keyLength);
    }

    void grow()
    {
        m_table.assign(m_table.size() * 2, Slot());
        for (size_t index = 0; index < m_groups.size(); ++index) {
            const size_t hash = qHash(keyOf(m_groups[index]));
            size_t at = hash & (m_table.size() - 1);
            while (m_table[at].group >= 0)
                at = (at + 1) & (m_table.size() - 1);
            m_table[at] = {static_cast<quint32>(hash >> 32), static_cast<qint32>(index)};
        }
    }

    std::vector<Slot> m_table = std::vector<Slot>(1024);
    std::vector<Group> m_groups;
    std::vector<char16_t> m_keys;
    // The first record of each group; its count is kept in the group meanwhile.
    std::vector<TradeList::Entry> m_firsts;
};

bool catalogueOrder(const TradeList::Entry &leftEntry, const TradeList::Entry &rightEntry)
{
    const CatalogueNumber left(leftEntry.catalogueNumber);
    const CatalogueNumber right(rightEntry.catalogueNumber);
    if (left.hasNumber() != right.hasNumber())
        return left.hasNumber();
    if (!left.hasNumber())
        return CatalogueNumber::comparePrefix(QStringView(leftEntry.catalogueNumber).trimmed(),
                                              QStringView(rightEntry.catalogueNumber).trimmed()) < 0;
    if (const int prefix = CatalogueNumber::comparePrefix(left.prefix(), right.prefix()))
        return prefix < 0;
    if (const int digits = CatalogueNumber::compareDigits(left.digits(), right.digits()))
        return digits < 0;
    return CatalogueNumber::comparePrefix(left.suffix(), right.suffix()) < 0;
}

} // namespace

TradeList TradeList::of(const std::vector<StampRecord> &records, const QString &category)
{
    // Each part of the pass counts into groups of its own; the first part's
    // take in the others' in row order, so that each keeps its earliest record.
    const CataloguePass pass(records, category);
    std::vector<NumberGroups> groups(pass.partCount());
    pass.run([&groups](size_t part, size_t row, const QString &text, const CatalogueKey &number) {
        if (!number.isBlank())
            groups[part].add(number.text(), qHash(number.text()), text, 1, static_cast<int>(row));
    });
    for (size_t part = 1; part < groups.size(); ++part)
        groups[0].add(groups[part]);
    TradeList list;
    list.m_entries = groups[0].doubles();
    std::sort(list.m_entries.begin(), list.m_entries.end(), catalogueOrder);
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
