#pragma once

#include <Qt>

class QAbstractItemModel;

// Sorting the record list by one column: the list reorders its own rows, the
// program never moves them one by one. A direction is Qt::AscendingOrder (0) or
// Qt::DescendingOrder (1), the values the list's sort order has always had.

// Sorts by the 1-based column index. Every error raised while sorting is shown
// as "Fout in sorteer routine!" with its number and description; the result is
// then false and the rows keep whatever order the list has.
bool SortColumn(QAbstractItemModel &list, int index, Qt::SortOrder direction);

// Hands the direction and the 0-based key column to the list, which sorts at once.
void SetListSort(QAbstractItemModel &list, Qt::SortOrder direction, int keyColumn);
