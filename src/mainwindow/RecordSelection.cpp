#include "mainwindow/RecordSelection.h"

#include "mainwindow/DetailPanel.h"
#include "mainwindow/PictureViewer.h"
#include "mainwindow/ThumbnailPicture.h"
#include "resources/PlaceholderPicture.h"
#include "storage/document/OpenCollection.h"
#include "storage/folder/FileHelpers.h"
#include "widgets/SelectedRow.h"
#include "widgets/VistaButton.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

RecordSelection::RecordSelection(QAbstractItemView *list, DetailPanel *panel, QLabel *thumbnail,
                                 VistaButton *showButton, PictureViewer *viewer,
                                 const OpenCollection &collection, QObject *parent)
    : QObject(parent)
    , ListView1(list)
    , Frame1(panel)
    , Image1(thumbnail)
    , ShowKnop(showButton)
    , m_viewer(viewer)
    , m_collection(collection)
    , Image2(PlaceholderPicture::render(list->devicePixelRatioF()))
{
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(Image2));
    namePictures(QString());

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
        const QModelIndex index = ListView1->indexAt(press->position().toPoint());
        const bool selected = index.isValid() && ListView1->selectionModel()->isRowSelected(index.row(), {});
        m_pressedSelectedRow = selected ? index.row() : -1;
    }
    return QObject::eventFilter(watched, event);
}

void RecordSelection::ShowSelectedRecord()
{
    const int row = SelectedRow(ListView1);
    if (row < 0)
        return;
    const StampRecord record = m_collection.records().record(row);
    Frame1->showRecord(record);
    emit recordShown();

    const QString path = m_collection.programFolder().picturePath(
        m_collection.name(), record[StampRecord::Year], record[StampRecord::CatalogueNumber]);
    const bool hasPicture = FileExists(path);
    if (hasPicture)
        showPicture(path);
    else
        showNoPicture();
    // A file that cannot be read shows no picture either.
    const bool shown = hasPicture && !m_backPic.isNull();
    namePictures(shown ? record[StampRecord::Year].trimmed() + u' ' +
                             record[StampRecord::CatalogueNumber].trimmed()
                       : QString());
}

void RecordSelection::forgetShownRecord()
{
    showNoPicture();
    m_backPic = QImage();
    namePictures(QString());
}

void RecordSelection::namePictures(const QString &name)
{
    const QString text = name.isEmpty() ? tr("Geen afbeelding") : tr("Afbeelding van %1").arg(name);
    Image1->setAccessibleName(text);
    m_viewer->namePicture(text);
}

void RecordSelection::showPicture(const QString &path)
{
    // A file that cannot be read leaves BackPic empty, so the thumbnail is the
    // cleared black box rather than the picture of the record shown before.
    m_backPic.load(path);
    Image1->setPixmap(QPixmap::fromImage(ThumbnailPicture::render(m_backPic)));
    if (m_backPic.isNull())
        m_viewer->clearPicture();
    else
        m_viewer->showPicture(m_backPic);
    ShowKnop->setEnabled(true);
}

void RecordSelection::showNoPicture()
{
    ShowKnop->setEnabled(false);
    Image1->setPixmap(QPixmap::fromImage(Image2));
    // The viewer holds no picture for this record; the record sheet relies on it.
    m_viewer->clearPicture();
}
