#include "album/ExportSlideshow.h"

#include "album/SlideshowPage.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/folder/ShellOpen.h"

#include <QGuiApplication>
#include <QWidget>

void ExportSlideshow(const ProgramFolder &folder, const QString &collectionName, int rowCount, QWidget *owner)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // Not reported: whatever could be written is shown.
    static_cast<void>(SlideshowPage::exportPage(folder, collectionName, rowCount > 0));
    QGuiApplication::restoreOverrideCursor();
    ShellOpen(owner, folder.slideshowPage());
}
