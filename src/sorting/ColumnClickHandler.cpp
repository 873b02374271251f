#include "sorting/ColumnClickHandler.h"

#include "resources/SortDirectionImage.h"
#include "sorting/ColumnSort.h"
#include "storage/OpenCollection.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

namespace {

constexpr int SortableColumns = 6;

const char *const SortStatus[SortableColumns] = {
    "Gesorteerd op : Jaartal",   "Gesorteerd op : Catalogus nummer", "Gesorteerd op : Categorie",
    "Gesorteerd op : Onderwerp", "Gesorteerd op : Soort zegel",      "Gesorteerd op : Type zegel",
};

} // namespace

ColumnClickHandler::ColumnClickHandler(QTreeView *list, QLabel *sortStatus, OpenCollection &collection,
                                       QObject *parent)
    : QObject(parent)
    , m_sortStatus(sortStatus)
    , m_collection(collection)
{
    list->setSortingEnabled(false);
    QHeaderView *header = list->header();
    header->setSortIndicatorShown(false);
    // Switching the view's sorting off also makes its header unclickable.
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int logicalIndex) { ListView1_ColumnClick(logicalIndex + 1); });
}

void ColumnClickHandler::ListView1_ColumnClick(int index)
{
    using Direction = SortDirectionImage::Direction;
    ClearColumnIcons(index);
    m_collection.markChanged();
    if (index < 1 || index > SortableColumns)
        return;

    m_sortStatus->setText(QLatin1String(SortStatus[index - 1]));
    RecordList &list = m_collection.records();
    const int column = index - 1;
    // The header image is the only record of the direction: "down" after an
    // ascending sort, so the next click on the same column sorts descending.
    if (list.headerImageKey(column) == SortDirectionImage::key(Direction::Down)) {
        list.setHeaderImage(column, SortDirectionImage::key(Direction::Up),
                            SortDirectionImage::render(Direction::Up, m_sortStatus->devicePixelRatioF()));
        SortColumn(list, index, Qt::DescendingOrder);
    } else {
        list.setHeaderImage(column, SortDirectionImage::key(Direction::Down),
                            SortDirectionImage::render(Direction::Down, m_sortStatus->devicePixelRatioF()));
        SortColumn(list, index, Qt::AscendingOrder);
    }
}

void ColumnClickHandler::ClearColumnIcons(int index)
{
    for (int column = 1; column <= StampRecord::FieldCount; ++column) {
        if (column != index)
            m_collection.records().setHeaderImage(column - 1, QString(), QImage());
    }
}
