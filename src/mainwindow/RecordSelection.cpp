#include "mainwindow/RecordSelection.h"

#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "mainwindow/ThumbnailPicture.h"
#include "resources/PlaceholderPicture.h"
#include "storage/FileHelpers.h"
#include "widgets/VistaButton.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTreeView>

RecordSelection::RecordSelection(Main &window)
    : QObject(&window)
    , m_window(window)
    , Image2(PlaceholderPicture::render())
{
    m_window.Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_window.Image1->setPixmap(QPixmap::fromImage(Image2));

    QTreeView *list = m_window.ListView1;
    // Mouse and keyboard alike: every row the user selects is shown.
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.isEmpty())
                    ShowSelectedRecord();
            });
    // A press on the selected row changes no selection; it shows the row again.
    list->viewport()->installEventFilter(this);
    connect(list, &QAbstractItemView::pressed, this, [this](const QModelIndex &index) {
        if (index.row() == m_pressedSelectedRow)
            ShowSelectedRecord();
    });
}

bool RecordSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        const QModelIndex index = m_window.ListView1->indexAt(press->position().toPoint());
        const bool selected =
            index.isValid() && m_window.ListView1->selectionModel()->isRowSelected(index.row(), {});
        m_pressedSelectedRow = selected ? index.row() : -1;
    }
    return QObject::eventFilter(watched, event);
}

void RecordSelection::ShowSelectedRecord()
{
    const int row = m_window.selectedRow();
    if (row < 0)
        return;
    const OpenCollection &collection = m_window.collection();
    const StampRecord record = collection.records().record(row);
    m_window.Frame1->showRecord(record);
    emit recordShown();

    const QString path = collection.programFolder().picturePath(collection.name(), record[StampRecord::Year],
                                                                record[StampRecord::CatalogueNumber]);
    if (FileExists(path))
        showPicture(path);
    else
        showNoPicture();
}

void RecordSelection::showPicture(const QString &path)
{
    // A file that cannot be read leaves BackPic empty, so the thumbnail is the
    // cleared black box rather than the picture of the record shown before.
    m_window.BackPic.load(path);
    m_window.Image1->setPixmap(QPixmap::fromImage(ThumbnailPicture::render(m_window.BackPic)));
    if (m_window.BackPic.isNull())
        m_window.clearViewerPicture();
    else
        m_window.showViewerPicture(m_window.BackPic);
    m_window.ShowKnop->setEnabled(true);
}

void RecordSelection::showNoPicture()
{
    m_window.ShowKnop->setEnabled(false);
    m_window.Image1->setPixmap(QPixmap::fromImage(Image2));
    // The viewer holds no picture for this record; the record sheet relies on it.
    m_window.clearViewerPicture();
}
