#pragma once

#include <QObject>

class OpenCollection;
class QLabel;
class QTreeView;

// A click on a header of the main window's list: the first six columns sort,
// alternately ascending and descending, with a direction image in the clicked
// header and the sort status in the window's Label10. Every click marks the collection as
// changed, since the list is the collection itself.
class ColumnClickHandler : public QObject {
    Q_OBJECT

public:
    // Takes over the clicks of the list's header; QTreeView's own sorting stays off.
    ColumnClickHandler(QTreeView *list, QLabel *sortStatus, OpenCollection &collection, QObject *parent);

    // index: the 1-based column.
    void ListView1_ColumnClick(int index);

private:
    // Removes the direction image from every header but the clicked one (1-based).
    void ClearColumnIcons(int index);

    QLabel *m_sortStatus;
    OpenCollection &m_collection;
};
