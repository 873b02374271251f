#include "storage/folder/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

void ShellOpen(QObject *owner, const QString &target)
{
    Q_UNUSED(owner)
    const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    QDesktopServices::openUrl(url);
}
