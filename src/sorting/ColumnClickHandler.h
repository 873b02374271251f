#pragma once

#include <QObject>

class Main;

// A click on a header of the main window's list: the first six columns sort,
// alternately ascending and descending, with a direction image in the clicked
// header and the sort status in Label10. Every click marks the collection as
// changed, since the list is the collection itself.
class ColumnClickHandler : public QObject {
    Q_OBJECT

public:
    // Takes over the clicks of the list's header; QTreeView's own sorting stays off.
    explicit ColumnClickHandler(Main &window);

    // index: the 1-based column.
    void ListView1_ColumnClick(int index);

private:
    Main &m_window;
};
