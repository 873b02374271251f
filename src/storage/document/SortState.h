#pragma once

#include "storage/StampRecord.h"

#include <Qt>

// How the list was last sorted, as the window shows it: the column that
// "Gesorteerd op" names, and the one header that shows a direction picture with
// the direction it stands for. At start the list has not been sorted, yet the
// catalogue-number header shows the picture of an ascending sort, so that the
// first click on it sorts descending.
struct SortState {
    // Only the first six columns sort.
    static constexpr int SortableColumns = 6;
    static bool sortable(int column) { return column >= 0 && column < SortableColumns; }

    // The column the list was last sorted by; -1 before the first sort.
    int sortedBy = -1;
    // The header that shows a direction picture; -1 for none.
    int markedColumn = StampRecord::CatalogueNumber;
    // The direction of the marked column's last sort.
    Qt::SortOrder direction = Qt::AscendingOrder;

    // After a click on a sortable column: descending when that header shows the
    // picture of an ascending sort, ascending otherwise.
    SortState sortedOn(int column) const;
    // No header shows a picture; the rows and "Gesorteerd op" stay as they are.
    SortState unmarked() const;

    bool operator==(const SortState &other) const = default;
};
