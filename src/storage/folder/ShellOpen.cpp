#include "storage/folder/ShellOpen.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace {

constexpr int QueryMilliseconds = 5000;

} // namespace

bool ShellOpen(QObject *owner, const QString &target)
{
    Q_UNUSED(owner)
    const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

bool DesktopOpensType(const QString &mimeType)
{
    // xdg-open finds the program through xdg-mime; with no default for the
    // type it fails without a word on most desktops.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(QueryMilliseconds) || query.exitStatus() != QProcess::NormalExit)
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
