#include "storage/document/RecordOrder.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>

#include <algorithm>
#include <array>
#include <numeric>

namespace RecordOrder {

std::vector<int> sorted(RecordSpan records, int column, Qt::SortOrder order)
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
    // Loading shares one copy of a recurring text between rows: a row whose
    // text is the very copy seen before needs no hashing.
    constexpr size_t CopiesSeen = 256;
    std::array<std::pair<const QChar *, int>, CopiesSeen> copySeen{};
    for (size_t row = 0; row < records.size(); ++row) {
        const QString &text = records[row][column];
        auto &seen = copySeen[(reinterpret_cast<quintptr>(text.constData()) / sizeof(QChar)) % CopiesSeen];
        if (seen.first == text.constData() && texts[seen.second].size() == text.size()) {
            textOfRow[row] = seen.second;
            continue;
        }
        const auto found = distinctOf.constFind(text);
        if (found != distinctOf.cend()) {
            textOfRow[row] = *found;
            seen = {text.constData(), *found};
        } else {
            textOfRow[row] = static_cast<int>(texts.size());
            distinctOf.insert(text, textOfRow[row]);
            texts.append(text);
            seen = {text.constData(), textOfRow[row]};
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

    // Ranks are small whole numbers, so the rows are placed by counting how
    // many rows each rank has: stable, and one pass over the rows instead of a
    // comparison sort of a million of them.
    const auto keyOfRow = [&](size_t row) {
        const int rowRank = rank[static_cast<size_t>(textOfRow[row])];
        return static_cast<size_t>(order == Qt::AscendingOrder ? rowRank
                                                               : static_cast<int>(rank.size()) - 1 - rowRank);
    };
    std::vector<int> nextOfKey(rank.size() + 1);
    for (size_t row = 0; row < records.size(); ++row)
        ++nextOfKey[keyOfRow(row) + 1];
    std::partial_sum(nextOfKey.begin(), nextOfKey.end(), nextOfKey.begin());
    std::vector<int> rows(records.size());
    for (size_t row = 0; row < records.size(); ++row)
        rows[static_cast<size_t>(nextOfKey[keyOfRow(row)]++)] = static_cast<int>(row);
    return rows;
}

} // namespace RecordOrder
