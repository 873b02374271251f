#include "sorting/RecordOrder.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>

namespace RecordOrder {

std::vector<int> sorted(const std::vector<StampRecord> &records, int column, Qt::SortOrder order)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);

    // One key per row up front: comparing keys is far cheaper than collating
    // the texts again at every comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(records.size());
    for (const StampRecord &record : records)
        keys.push_back(collator.sortKey(record[column]));

    std::vector<int> rows(records.size());
    std::iota(rows.begin(), rows.end(), 0);
    const auto at = [&keys](int row) -> const QCollatorSortKey & { return keys[static_cast<size_t>(row)]; };
    if (order == Qt::AscendingOrder)
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return at(a).compare(at(b)) < 0; });
    else
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return at(b).compare(at(a)) < 0; });
    return rows;
}

} // namespace RecordOrder
