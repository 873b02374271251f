#include "widgets/RecordListView.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>
#include <limits>

RecordListView::RecordListView(QWidget *parent)
    : QTableView(parent)
{
    // A list, as a tree without branches shows one: no row header, no grid, no
    // wrapped texts, and Tab leaves the list.
    verticalHeader()->hide();
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    QHeaderView *top = horizontalHeader();
    top->setHighlightSections(false);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The table's corner button belongs where a row header meets the column header.
    if (auto *corner = findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        corner->hide();
}

void RecordListView::setModel(QAbstractItemModel *model)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();
    QTableView::setModel(model);
    // The row header would follow the model with a section per record.
    verticalHeader()->setModel(nullptr);
    m_rowHeight = -1;
    if (!model)
        return;
    const auto changed = [this](const QModelIndex &, int first) { rowsChanged(first); };
    const auto replaced = [this] { rowsChanged(0); };
    m_modelConnections = {connect(model, &QAbstractItemModel::rowsInserted, this, changed),
                          connect(model, &QAbstractItemModel::rowsRemoved, this, changed),
                          connect(model, &QAbstractItemModel::modelReset, this, replaced),
                          connect(model, &QAbstractItemModel::layoutChanged, this, replaced)};
}

int RecordListView::recordCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int RecordListView::uniformRowHeight() const
{
    if (m_rowHeight >= 0)
        return m_rowHeight;
    m_rowHeight = 0;
    if (recordCount() == 0)
        return m_rowHeight;
    QStyleOptionViewItem option;
    QAbstractItemView::initViewItemOption(&option);
    const QHeaderView *top = header();
    for (int column = 0; column < top->count(); ++column) {
        if (top->isSectionHidden(column))
            continue;
        const QModelIndex index = model()->index(0, column, rootIndex());
        m_rowHeight = std::max(m_rowHeight, itemDelegateForIndex(index)->sizeHint(option, index).height());
    }
    return m_rowHeight;
}

int RecordListView::topRow() const
{
    return verticalScrollBar()->value();
}

QRect RecordListView::shownRows(int first, int last) const
{
    const int height = uniformRowHeight();
    if (height <= 0)
        return {};
    const int top = topRow();
    const int from = std::max(first, top);
    const int to = std::min(last, top + viewport()->height() / height + 1);
    if (from > to)
        return {};
    return QRect(0, (from - top) * height, viewport()->width(), (to - from + 1) * height);
}

void RecordListView::rowsChanged(int first)
{
    if (first == 0)
        m_rowHeight = -1;
    updateScrollBars();
    // The rows from the first changed one down have moved.
    viewport()->update(shownRows(first, std::numeric_limits<int>::max()));
}

void RecordListView::doItemsLayout()
{
    // A new font or style measures the rows anew.
    m_rowHeight = -1;
    QTableView::doItemsLayout();
}

QRect RecordListView::visualRect(const QModelIndex &index) const
{
    const int height = uniformRowHeight();
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() || height <= 0 ||
        isIndexHidden(index))
        return {};
    return QRect(columnViewportPosition(index.column()), (index.row() - topRow()) * height,
                 columnWidth(index.column()), height);
}

QModelIndex RecordListView::indexAt(const QPoint &point) const
{
    const int height = uniformRowHeight();
    if (height <= 0)
        return {};
    // Rounded down above the viewport too.
    const int y = point.y() < 0 ? point.y() - (height - 1) : point.y();
    const int row = topRow() + y / height;
    const int column = header()->logicalIndexAt(point.x());
    if (row < 0 || row >= recordCount() || column < 0)
        return {};
    return model()->index(row, column, rootIndex());
}

void RecordListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != model())
        return;
    updateScrollBars();
    QScrollBar *vertical = verticalScrollBar();
    const int row = index.row();
    const int firstShown = vertical->value();
    const int height = uniformRowHeight();
    if (hint == EnsureVisible && row >= firstShown && row < firstShown + vertical->pageStep()) {
        // Already in sight.
    } else if (hint == PositionAtTop || (hint == EnsureVisible && row < firstShown)) {
        vertical->setValue(row);
    } else if (height > 0) {
        // At the bottom, or in the middle leaning to the top: as many rows above it as fit.
        const int space =
            hint == PositionAtCenter ? viewport()->height() / 2 + height - 1 : viewport()->height();
        vertical->setValue(space > height ? row - space / height + 1 : row);
    }

    const QHeaderView *top = header();
    const int width = viewport()->width();
    const int position = top->sectionPosition(index.column());
    const int cellWidth = top->sectionSize(index.column());
    QScrollBar *horizontal = horizontalScrollBar();
    if (hint == PositionAtCenter)
        horizontal->setValue(position - (width - cellWidth) / 2);
    else if (position - top->offset() < 0 || cellWidth > width)
        horizontal->setValue(position);
    else if (position - top->offset() + cellWidth > width)
        horizontal->setValue(position - width + cellWidth);
}

QModelIndex RecordListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int rows = recordCount();
    const QModelIndex current = currentIndex();
    const QHeaderView *top = header();
    if (!current.isValid()) {
        int visual = 0;
        while (visual < top->count() && top->isSectionHidden(top->logicalIndex(visual)))
            ++visual;
        if (rows == 0 || visual == top->count())
            return {};
        return model()->index(0, top->logicalIndex(visual), rootIndex());
    }
    if (isRightToLeft() && (cursorAction == MoveLeft || cursorAction == MoveRight))
        cursorAction = cursorAction == MoveLeft ? MoveRight : MoveLeft;
    const int row = current.row();
    const int height = std::max(uniformRowHeight(), 1);
    const int y = (row - topRow()) * height;
    const auto rowAt = [&](int coordinate) {
        return topRow() + (coordinate < 0 ? coordinate - (height - 1) : coordinate) / height;
    };
    int target = row;
    switch (cursorAction) {
    case MoveNext:
    case MoveDown:
        target = std::min(row + 1, rows - 1);
        break;
    case MovePrevious:
    case MoveUp:
        target = std::max(row - 1, 0);
        break;
    case MovePageUp:
        target = rowAt(y - viewport()->height());
        if (target < 0 || target >= rows)
            target = 0;
        break;
    case MovePageDown:
        target = rowAt(y + viewport()->height());
        if (target < 0 || target >= rows)
            target = rows - 1;
        break;
    case MoveHome:
        target = 0;
        break;
    case MoveEnd:
        target = rows - 1;
        break;
    case MoveLeft:
    case MoveRight: {
        // Rows are selected whole: the arrows scroll the columns into sight.
        QScrollBar *horizontal = horizontalScrollBar();
        const int step = horizontal->singleStep();
        horizontal->setValue(horizontal->value() + (cursorAction == MoveLeft ? -step : step));
        updateGeometries();
        viewport()->update();
        return current;
    }
    }
    return model()->index(target, current.column(), rootIndex());
}

int RecordListView::sizeHintForColumn(int column) const
{
    const int rows = recordCount();
    if (rows == 0)
        return -1;
    ensurePolished();
    QStyleOptionViewItem option;
    QAbstractItemView::initViewItemOption(&option);
    // The rows in sight and their neighbours, as many as the header measures.
    const int limit = header()->resizeContentsPrecision();
    const int shown = std::min(rows - topRow(), viewport()->height() / std::max(uniformRowHeight(), 1) + 1);
    const int count = limit < 0 ? rows : std::min(rows, std::max(limit, shown));
    const int first = std::clamp(topRow() - (count - shown) / 2, 0, rows - count);
    int width = 0;
    for (int row = first; row < first + count; ++row) {
        const QModelIndex index = model()->index(row, column, rootIndex());
        width = std::max(width, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return width;
}

int RecordListView::verticalOffset() const
{
    return topRow() * uniformRowHeight();
}

void RecordListView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel() || rect.isNull())
        return;
    const QRect area = rect.normalized();
    QModelIndex topLeft = indexAt(area.topLeft());
    QModelIndex bottomRight = indexAt(area.bottomRight());
    if (!topLeft.isValid() && !bottomRight.isValid()) {
        if (command & QItemSelectionModel::Clear)
            selectionModel()->clear();
        return;
    }
    if (!topLeft.isValid())
        topLeft = model()->index(0, 0, rootIndex());
    if (!bottomRight.isValid())
        bottomRight = model()->index(recordCount() - 1, header()->count() - 1, rootIndex());
    selectionModel()->select(QItemSelection(topLeft, bottomRight), command);
}

QRegion RecordListView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.model() != model())
            continue;
        const QRect rows = shownRows(range.top(), range.bottom());
        if (rows.isEmpty())
            continue;
        const int left = columnViewportPosition(range.left());
        const int right = columnViewportPosition(range.right()) + columnWidth(range.right());
        region += QRect(left, rows.top(), right - left, rows.height());
    }
    return region;
}

void RecordListView::paintEvent(QPaintEvent *event)
{
    const QHeaderView *top = header();
    const int rows = recordCount();
    const int height = uniformRowHeight();
    if (rows == 0 || height <= 0 || top->count() == 0)
        return;
    const QRect area = event->rect();
    int left = top->visualIndexAt(area.left());
    int right = top->visualIndexAt(area.right());
    if (left < 0)
        left = 0;
    if (right < 0)
        right = top->count() - 1;
    const int first = topRow() + std::max(area.top(), 0) / height;
    const int last = std::min(rows - 1, topRow() + area.bottom() / height);

    QStyleOptionViewItem option;
    QAbstractItemView::initViewItemOption(&option);
    QPainter painter(viewport());
    for (int row = first; row <= last; ++row) {
        option.rect = QRect(0, (row - topRow()) * height, viewport()->width(), height);
        drawRow(painter, option, row, left, right);
    }
}

void RecordListView::drawRow(QPainter &painter, const QStyleOptionViewItem &rowOption, int row, int left,
                             int right) const
{
    const QHeaderView *top = header();
    int firstShown = 0;
    while (firstShown < top->count() - 1 && top->isSectionHidden(top->logicalIndex(firstShown)))
        ++firstShown;
    int lastShown = top->count() - 1;
    while (lastShown > firstShown && top->isSectionHidden(top->logicalIndex(lastShown)))
        --lastShown;

    const QStyle::State rowState = rowOption.state;
    QStyleOptionViewItem option = rowOption;
    // Whole rows are selected: the selection fills each cell from edge to edge.
    option.showDecorationSelected = true;
    for (int visual = left; visual <= right; ++visual) {
        const int column = top->logicalIndex(visual);
        if (top->isSectionHidden(column))
            continue;
        const QModelIndex index = model()->index(row, column, rootIndex());
        option.state = rowState;
        if (firstShown == lastShown)
            option.viewItemPosition = QStyleOptionViewItem::OnlyOne;
        else if (visual == firstShown)
            option.viewItemPosition = QStyleOptionViewItem::Beginning;
        else if (visual == lastShown)
            option.viewItemPosition = QStyleOptionViewItem::End;
        else
            option.viewItemPosition = QStyleOptionViewItem::Middle;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (rowState & QStyle::State_Enabled) {
            QPalette::ColorGroup group = QPalette::Inactive;
            if (!(model()->flags(index) & Qt::ItemIsEnabled)) {
                option.state &= ~QStyle::State_Enabled;
                group = QPalette::Disabled;
            } else if (option.state & QStyle::State_Active) {
                group = QPalette::Active;
            }
            option.palette.setCurrentColorGroup(group);
        }
        option.rect = QRect(top->sectionViewportPosition(column), rowOption.rect.y(),
                            top->sectionSize(column), rowOption.rect.height());
        // The row's own background (alternating colours) lies under the cell.
        const QStyle::State cellState = option.state;
        option.state &= ~QStyle::State_Selected;
        style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
        option.state = cellState;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }

    const QModelIndex current = currentIndex();
    if (hasFocus() && current.isValid() && current.row() == row) {
        // One frame around the whole current row, drawn whether or not the
        // focus came by keyboard.
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(rowOption);
        frame.state |= QStyle::State_KeyboardFocusChange;
        const QPalette::ColorGroup group =
            (rowOption.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        const bool selected = selectionModel()->isSelected(model()->index(row, 0, rootIndex()));
        frame.backgroundColor =
            rowOption.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        frame.rect = QRect(-top->offset(), rowOption.rect.y(), top->length(), rowOption.rect.height());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter);
    }
}

void RecordListView::scrollContentsBy(int dx, int dy)
{
    if (dx)
        header()->setOffset(horizontalScrollBar()->value());
    const int height = uniformRowHeight();
    // A jump further than the viewport shows paints everything anew.
    if (height <= 0 || std::abs(dy) > std::min(recordCount(), viewport()->height() / height)) {
        viewport()->update();
        return;
    }
    scrollDirtyRegion(dx, dy * height);
    viewport()->scroll(dx, dy * height);
}

void RecordListView::updateGeometries()
{
    // Placing the header changes the viewport, which asks for this again.
    if (m_placingHeader)
        return;
    m_placingHeader = true;
    QHeaderView *top = header();
    int height = 0;
    if (!top->isHidden())
        height = std::min(std::max(top->minimumHeight(), top->sizeHint().height()), top->maximumHeight());
    setViewportMargins(0, height, 0, 0);
    const QRect area = viewport()->geometry();
    top->setGeometry(area.left(), area.top() - height, area.width(), height);
    QMetaObject::invokeMethod(top, "updateGeometries");
    updateScrollBars();
    m_placingHeader = false;
    QAbstractItemView::updateGeometries();
}

void RecordListView::updateScrollBars()
{
    QSize size = viewport()->size();
    if (!size.isValid())
        size = QSize(0, 0);
    const int rows = recordCount();
    const int height = uniformRowHeight();
    int rowsShown = height > 0 ? size.height() / height : rows;
    if (rows > 0)
        rowsShown = std::max(1, rowsShown);
    QScrollBar *vertical = verticalScrollBar();
    vertical->setRange(0, rows - rowsShown);
    vertical->setPageStep(rowsShown);
    vertical->setSingleStep(1);

    // Sideways by pixels, a step being a share of the columns that fit.
    const QHeaderView *top = header();
    int columnsShown = 0;
    for (int width = 0, visual = top->count() - 1; visual >= 0; --visual) {
        width += top->sectionSize(top->logicalIndex(visual));
        if (width > size.width())
            break;
        ++columnsShown;
    }
    if (top->count() > 0)
        columnsShown = std::max(1, columnsShown);
    const QSize largest = maximumViewportSize();
    if (largest.width() >= top->length() && vertical->maximum() <= 0)
        size = largest;
    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setPageStep(size.width());
    horizontal->setRange(0, std::max(top->length() - size.width(), 0));
    horizontal->setSingleStep(std::max(size.width() / (columnsShown + 1), 2));
}

void RecordListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    // The focus frame spans the whole row.
    if (previous.isValid())
        viewport()->update(shownRows(previous.row(), previous.row()));
    if (current.isValid())
        viewport()->update(shownRows(current.row(), current.row()));
}

void RecordListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                 const QList<int> &roles)
{
    QTableView::dataChanged(topLeft, bottomRight, roles);
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    if (topLeft.row() == 0) {
        const int before = m_rowHeight;
        m_rowHeight = -1;
        if (uniformRowHeight() != before) {
            updateScrollBars();
            viewport()->update();
            return;
        }
    }
    viewport()->update(shownRows(topLeft.row(), bottomRight.row()));
}
