#include "extras/TradeList.h"

#include "extras/CatalogueNumber.h"
#include "extras/RecordCategory.h"
#include "storage/StampRecord.h"

#include <algorithm>

namespace {

// Prefix, number and suffix agree (letter case and runs of spaces aside), or
// for texts without a digit the whole texts do.
bool sameNumber(QStringView leftText, const CatalogueNumber &left, QStringView rightText,
                const CatalogueNumber &right)
{
    if (left.hasNumber() != right.hasNumber())
        return false;
    if (!left.hasNumber())
        return CatalogueNumber::samePrefix(leftText.trimmed(), rightText.trimmed());
    return left.digits() == right.digits() && CatalogueNumber::samePrefix(left.prefix(), right.prefix()) &&
           CatalogueNumber::samePrefix(left.suffix(), right.suffix());
}

// Agrees with sameNumber: the same numbers give the same hash.
quint64 hashOf(QStringView text, const CatalogueNumber &number)
{
    if (!number.hasNumber())
        return CatalogueNumber::hashPrefix(text.trimmed(), 0);
    quint64 hash = CatalogueNumber::hashPrefix(number.prefix(), 1);
    hash = CatalogueNumber::hashPrefix(number.digits(), hash);
    return CatalogueNumber::hashPrefix(number.suffix(), hash);
}

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
    const RecordCategory wanted(category);
    // One group per number in an open-addressing table of hashes: a record
    // costs one look into the table, and a look at its group only when the
    // hashes agree. Reading a number allocates nothing.
    struct Group {
        Entry entry;
        QString key; // the first record's text, kept near the other groups
    };
    struct Slot {
        quint64 hash = 0;
        int group = -1;
    };
    std::vector<Group> groups;
    std::vector<Slot> table(1024);
    const auto place = [&table](quint64 hash, int group) {
        size_t at = static_cast<size_t>(hash) & (table.size() - 1);
        while (table[at].group >= 0)
            at = (at + 1) & (table.size() - 1);
        table[at] = {hash, group};
    };
    for (size_t row = 0; row < records.size(); ++row) {
        const StampRecord &record = records[row];
        const QString &text = record[StampRecord::CatalogueNumber];
        if (QStringView(text).trimmed().isEmpty() || !wanted.matches(record))
            continue;
        const CatalogueNumber number(text);
        const quint64 hash = hashOf(text, number);
        size_t at = static_cast<size_t>(hash) & (table.size() - 1);
        for (; table[at].group >= 0; at = (at + 1) & (table.size() - 1)) {
            if (table[at].hash != hash)
                continue;
            Group &group = groups[static_cast<size_t>(table[at].group)];
            if (sameNumber(group.key, CatalogueNumber(group.key), text, number))
                break;
        }
        if (table[at].group >= 0) {
            ++groups[static_cast<size_t>(table[at].group)].entry.count;
            continue;
        }
        table[at] = {hash, static_cast<int>(groups.size())};
        groups.push_back({{text, 1, static_cast<int>(row)}, QString(text.constData(), text.size())});
        // At most half full, so that a look ends soon.
        if (groups.size() * 2 > table.size()) {
            table.assign(table.size() * 2, Slot());
            for (size_t index = 0; index < groups.size(); ++index) {
                const QString &key = groups[index].key;
                place(hashOf(key, CatalogueNumber(key)), static_cast<int>(index));
            }
        }
    }
    TradeList list;
    for (const Group &group : groups) {
        if (group.entry.count > 1)
            list.m_entries.push_back(group.entry);
    }
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
