#pragma once

#include <QObject>

class OpenCollection;
class QLabel;
class RecordListView;
struct SortState;

// A click on a header of the main window's list: the first six columns sort,
// alternately ascending and descending; a click on another column marks the
// collection changed and takes the direction picture away. The header pictures
// and the sort status in the window's Label10 are drawn from the collection's
// sort state, so an undone sort shows as it was.
class ColumnClickHandler : public QObject {
    Q_OBJECT

public:
    // Takes over the clicks of the list's header; the list's own sorting stays off.
    ColumnClickHandler(RecordListView *list, QLabel *sortStatus, OpenCollection &collection, QObject *parent);

    // index: the 1-based column.
    void ListView1_ColumnClick(int index);

private:
    void showSortStatus(const SortState &state);

    QLabel *m_sortStatus;
    OpenCollection &m_collection;
};
