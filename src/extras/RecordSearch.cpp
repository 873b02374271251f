#include "extras/RecordSearch.h"

#include "storage/RecordList.h"

namespace RecordSearch {

bool matches(const RecordList &list, int row, const QString &text)
{
    for (int column = 0; column < StampRecord::FieldCount; ++column) {
        if (list.cell(row, column).contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

int find(const RecordList &list, const QString &text, int startRow, Direction direction)
{
    const int count = list.count();
    if (text.isEmpty() || count == 0)
        return -1;
    const int step = direction == Direction::Next ? 1 : -1;
    int start = startRow;
    if (start < 0 || start >= count)
        start = direction == Direction::Next ? count - 1 : 0;
    // count steps visit every other row once and the start row last.
    for (int offset = 1; offset <= count; ++offset) {
        const int row = ((start + step * offset) % count + count) % count;
        if (matches(list, row, text))
            return row;
    }
    return -1;
}

} // namespace RecordSearch
