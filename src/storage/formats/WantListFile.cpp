#include "storage/formats/WantListFile.h"

#include "storage/StorageText.h"
#include "storage/folder/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

StorageResult invalidName()
{
    return StorageResult::failure(StorageText::tr("Ongeldige naam voor een verzameling!"));
}

} // namespace

namespace WantListFile {

StorageResult read(const QString &path, QStringList &ranges)
{
    ranges.clear();
    if (path.isEmpty())
        return invalidName();
    if (!QFileInfo::exists(path))
        return StorageResult::success();
    return TextFile::readLines(path, ranges);
}

StorageResult write(const QString &path, const QStringList &ranges)
{
    if (path.isEmpty())
        return invalidName();
    const QString parent = QFileInfo(path).path();
    if (!QDir().mkpath(parent))
        return StorageResult::failure(StorageText::tr("map kon niet worden aangemaakt: %1").arg(parent));
    return TextFile::writeLines(path, ranges);
}

} // namespace WantListFile
