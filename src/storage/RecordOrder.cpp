#include "storage/RecordOrder.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>

#include <algorithm>
#include <numeric>

namespace RecordOrder {

std::vector<int> sorted(const std::vector<StampRecord> &records, int column, Qt::SortOrder order)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);

    // A column holds far fewer distinct texts than rows (years, categories,
    // kinds). Each distinct text is collated once and given a rank; the rows
    // are then sorted by rank, which orders them exactly as their keys would.
    QHash<QString, int> distinctOf;
    std::vector<int> textOfRow(records.size());
    QList<QString> texts;
    for (size_t row = 0; row < records.size(); ++row) {
        const QString &text = records[row][column];
        const auto found = distinctOf.constFind(text);
        if (found != distinctOf.cend()) {
            textOfRow[row] = *found;
        } else {
            textOfRow[row] = static_cast<int>(texts.size());
            distinctOf.insert(text, textOfRow[row]);
            texts.append(text);
        }
    }

    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(texts.size()));
    for (const QString &text : texts)
        keys.push_back(collator.sortKey(text));
    std::vector<int> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(), [&keys](int a, int b) {
        return keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]) < 0;
    });
    // Texts that collate equal ("Blok", "blok") share a rank, so they keep their order.
    std::vector<int> rank(keys.size());
    for (size_t position = 0; position < byKey.size(); ++position) {
        const bool tiesPrevious = position > 0 && keys[static_cast<size_t>(byKey[position - 1])].compare(
                                                      keys[static_cast<size_t>(byKey[position])]) == 0;
        rank[static_cast<size_t>(byKey[position])] =
            tiesPrevious ? rank[static_cast<size_t>(byKey[position - 1])] : static_cast<int>(position);
    }

    std::vector<int> rowRank(records.size());
    for (size_t row = 0; row < records.size(); ++row)
        rowRank[row] = rank[static_cast<size_t>(textOfRow[row])];
    std::vector<int> rows(records.size());
    std::iota(rows.begin(), rows.end(), 0);
    const auto at = [&rowRank](int row) { return rowRank[static_cast<size_t>(row)]; };
    if (order == Qt::AscendingOrder)
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return at(a) < at(b); });
    else
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return at(b) < at(a); });
    return rows;
}

} // namespace RecordOrder
