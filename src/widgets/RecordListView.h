#pragma once

#include <QTableView>

class QPainter;

// The list of a collection: one row per record, every row as high as the first,
// the current row framed across all columns, Left and Right scrolling sideways.
// Rows are placed by arithmetic on that one height, so adding or removing a
// record costs the same in a list of a million as in a short one; a row header
// would keep a section per record and rework them all. The table base gives the
// screen reader its table of cells.
class RecordListView : public QTableView {
    Q_OBJECT

public:
    explicit RecordListView(QWidget *parent = nullptr);

    QHeaderView *header() const { return horizontalHeader(); }

    void setModel(QAbstractItemModel *model) override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void doItemsLayout() override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int sizeHintForColumn(int column) const override;
    int verticalOffset() const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;

private:
    int recordCount() const;
    int uniformRowHeight() const;
    int topRow() const;
    // The rows first to last as far as they show, across the whole viewport.
    QRect shownRows(int first, int last) const;
    void rowsChanged(int first);
    void updateScrollBars();
    void drawRow(QPainter &painter, const QStyleOptionViewItem &rowOption, int row, int left,
                 int right) const;

    // Measured from the first row when first needed after a change; -1 until then.
    mutable int m_rowHeight = -1;
    bool m_placingHeader = false;
    QList<QMetaObject::Connection> m_modelConnections;
};
