#pragma once

#include "storage/StampRecord.h"

#include <Qt>

#include <vector>

// The order in which rows appear when the list is sorted by one column: texts
// compared case-insensitively in the user's locale (not numerically, so 10,
// 100, 9), empty texts first, rows with equal texts kept in their order.
namespace RecordOrder {

std::vector<int> sorted(RecordSpan records, int column, Qt::SortOrder order);

} // namespace RecordOrder
