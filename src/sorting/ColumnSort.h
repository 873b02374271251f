#pragma once

#include <functional>

class OpenCollection;

// Sorting the open collection by one column: the collection reorders its own
// rows as one step of its history, with the direction rules of the column sort.

// Sorts by the 1-based column index. Every error raised while sorting is shown
// as "Fout in sorteer routine!" with its number and description; the result is
// then false and the rows keep whatever order the list has.
bool SortColumn(OpenCollection &collection, int index);

// Runs a sort and reports every error it raises, as above; false after an error.
bool SortReportingErrors(const std::function<void()> &sort);
