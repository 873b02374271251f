#include "storage/document/SortState.h"

SortState SortState::sortedOn(int column) const
{
    SortState after;
    after.sortedBy = column;
    after.markedColumn = column;
    after.direction =
        markedColumn == column && direction == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    return after;
}

SortState SortState::unmarked() const
{
    SortState after = *this;
    after.markedColumn = -1;
    return after;
}
