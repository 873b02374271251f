#include "sorting/ColumnClickHandler.h"

#include "resources/SortDirectionImage.h"
#include "sorting/ColumnSort.h"
#include "storage/document/OpenCollection.h"
#include "widgets/RecordListView.h"

#include <QHeaderView>
#include <QLabel>

namespace {

const char *const SortStatus[SortState::SortableColumns] = {
    QT_TRANSLATE_NOOP("ColumnClickHandler", "Gesorteerd op : Jaartal"),
    QT_TRANSLATE_NOOP("ColumnClickHandler", "Gesorteerd op : Catalogus nummer"),
    QT_TRANSLATE_NOOP("ColumnClickHandler", "Gesorteerd op : Categorie"),
    QT_TRANSLATE_NOOP("ColumnClickHandler", "Gesorteerd op : Onderwerp"),
    QT_TRANSLATE_NOOP("ColumnClickHandler", "Gesorteerd op : Soort zegel"),
    QT_TRANSLATE_NOOP("ColumnClickHandler", "Gesorteerd op : Type zegel"),
};

} // namespace

ColumnClickHandler::ColumnClickHandler(RecordListView *list, QLabel *sortStatus, OpenCollection &collection,
                                       QObject *parent)
    : QObject(parent)
    , m_sortStatus(sortStatus)
    , m_collection(collection)
{
    using Direction = SortDirectionImage::Direction;
    // "down" after an ascending sort, so the next click on the same column sorts descending.
    collection.setSortPictures(SortDirectionImage::render(Direction::Down, list->devicePixelRatioF()),
                               SortDirectionImage::render(Direction::Up, list->devicePixelRatioF()));
    showSortStatus(collection.sortState());
    connect(&collection, &OpenCollection::sortStateChanged, this, &ColumnClickHandler::showSortStatus);

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
    if (SortState::sortable(index - 1)) {
        SortColumn(m_collection, index);
        return;
    }
    // No sort, and no header keeps a picture; the click still counts as a change.
    m_collection.clearSortMark();
    m_collection.markChangedWithoutEdit();
}

void ColumnClickHandler::showSortStatus(const SortState &state)
{
    m_sortStatus->setText(state.sortedBy < 0 ? tr("Gesorteerd op :") : tr(SortStatus[state.sortedBy]));
}
