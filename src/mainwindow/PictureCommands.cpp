#include "mainwindow/PictureCommands.h"

#include "dialogs/PictureImportForm.h"
#include "storage/document/OpenCollection.h"
#include "storage/pictures/ScanFolder.h"
#include "widgets/MessageBox.h"
#include "widgets/SelectedRow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// The first local file among the dragged or copied URLs; empty when there is none.
QString localFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

QString imageFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    return PictureCommands::tr("Afbeeldingen (%1)").arg(patterns.join(QLatin1Char(' ')));
}

void refuse(QWidget *parent, const QString &reason)
{
    MessageBox::show(parent, PictureCommands::tr("Afbeelding kon niet worden toegevoegd!\r\n%1").arg(reason),
                     PictureCommands::tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
}

} // namespace

PictureCommands::PictureCommands(QWidget *window, OpenCollection &collection, QAbstractItemView *list,
                                 QLabel *thumbnail)
    : QObject(window)
    , m_window(window)
    , m_collection(collection)
    , m_list(list)
    , m_thumbnail(thumbnail)
{
    setObjectName(QStringLiteral("PictureCommands"));
    m_thumbnail->setAcceptDrops(true);
    m_thumbnail->installEventFilter(this);
    m_list->viewport()->setAcceptDrops(true);
    m_list->viewport()->installEventFilter(this);
}

bool PictureCommands::hasName() const
{
    if (!m_collection.name().isEmpty())
        return true;
    MessageBox::show(m_window, tr("Verzameling heeft nog geen naam!\r\nSla de verzameling eerst op."));
    return false;
}

bool PictureCommands::ready(int row) const
{
    if (!hasName())
        return false;
    if (row < 0 || row >= m_collection.records().count()) {
        MessageBox::show(m_window, tr("Geen record gekozen!"));
        return false;
    }
    QString path;
    const StorageResult target = PictureFiler(m_collection.programFolder(), m_collection.name())
                                     .target(m_collection.records().record(row), path);
    if (!target)
        refuse(m_window, target.reason);
    return target.ok;
}

bool PictureCommands::file(int row, const Filing &filing)
{
    if (!ready(row))
        return false;
    const PictureFiler filer(m_collection.programFolder(), m_collection.name());
    const StampRecord record = m_collection.records().record(row);
    if (filer.hasPicture(record) &&
        MessageBox::show(m_window, tr("Record heeft al een afbeelding.\r\nWilt u deze vervangen?"),
                         MessageBox::programTitle(), MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes)
        return false;
    const StorageResult filed = filing(filer, record, PictureFiler::Existing::Replace);
    if (!filed) {
        refuse(m_window, filed.reason);
        return false;
    }
    emit pictureFiled(row);
    return true;
}

bool PictureCommands::addFromFile(int row)
{
    // Nothing to choose a file for: no name, no record, or no place for its picture.
    if (!ready(row))
        return false;
    QFileDialog dialog(m_window, tr("Afbeelding toevoegen"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({imageFilter(), tr("Alle bestanden (*)")});
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString chosen = dialog.selectedFiles().first();
    return file(row, [&chosen](const PictureFiler &filer, const StampRecord &record,
                               PictureFiler::Existing existing) {
        return filer.fileFromFile(chosen, record, existing);
    });
}

void PictureCommands::paste(int row)
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    const QString copied = localFile(mime);
    if (!copied.isEmpty()) {
        file(row, [&copied](const PictureFiler &filer, const StampRecord &record,
                            PictureFiler::Existing existing) {
            return filer.fileFromFile(copied, record, existing);
        });
        return;
    }
    const QImage image = mime && mime->hasImage() ? qvariant_cast<QImage>(mime->imageData()) : QImage();
    if (image.isNull()) {
        MessageBox::show(m_window, tr("Geen afbeelding op het klembord!"));
        return;
    }
    file(row,
         [&image](const PictureFiler &filer, const StampRecord &record, PictureFiler::Existing existing) {
             return filer.fileFromImage(image, record, existing);
         });
}

void PictureCommands::importFolder(const QColor &background)
{
    if (!hasName())
        return;
    QFileDialog dialog(m_window, tr("Afbeeldingen importeren"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const PictureFiler filer(m_collection.programFolder(), m_collection.name());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<ScanFolder::Match> matches =
        ScanFolder::match(dialog.selectedFiles().first(), m_collection.records().records(), filer);
    QApplication::restoreOverrideCursor();
    PictureImportForm form(m_collection.records(), filer, dialog.selectedFiles().first(), std::move(matches),
                           background, m_window);
    // The selected record may be among those that have a picture now.
    if (form.exec() == QDialog::Accepted && SelectedRow(m_list) >= 0)
        emit pictureFiled(SelectedRow(m_list));
}

int PictureCommands::dropRow(QObject *watched, const QDropEvent *event) const
{
    if (watched == m_thumbnail)
        return SelectedRow(m_list);
    return m_list->indexAt(event->position().toPoint()).row();
}

bool PictureCommands::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (localFile(drag->mimeData()).isEmpty() || dropRow(watched, drag) < 0) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString dropped = localFile(drop->mimeData());
        const int row = dropRow(watched, drop);
        if (dropped.isEmpty() || row < 0)
            return true;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The file manager waits for the drop to end; a question asked here
        // would hold it up.
        QTimer::singleShot(0, this, [this, row, dropped] {
            file(row, [&dropped](const PictureFiler &filer, const StampRecord &record,
                                 PictureFiler::Existing existing) {
                return filer.fileFromFile(dropped, record, existing);
            });
        });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
