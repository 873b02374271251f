#pragma once

#include <QString>

#include <vector>

class CatalogueEntries;
class RecordList;

// Finds the record the search bar goes to: the nearest row after (or before)
// the start row in one of whose fields the text occurs, letter case ignored.
// A record also matches by its stamp's numbers in other catalogue systems
// ("mi535" finds the stamp with Mi 535). The search wraps around the end of
// the list and comes back to the start row last, so a single match is found
// from anywhere.
namespace RecordSearch {

enum class Direction { Next, Previous };

// startRow -1 (nothing selected) starts before the first row for Next and
// after the last for Previous. Returns -1 when no row matches or the text is empty.
int find(const RecordList &list, const QString &text, int startRow, Direction direction,
         const CatalogueEntries *entries = nullptr);
// Every row that matches, in list order.
std::vector<int> findAll(const RecordList &list, const QString &text,
                         const CatalogueEntries *entries = nullptr);

} // namespace RecordSearch
