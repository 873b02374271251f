#include "storage/formats/WantListFile.h"

#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

StorageResult invalidName()
{
    return StorageResult::failure(QStringLiteral("Ongeldige naam voor een verzameling!"));
}

} // namespace

namespace WantListFile {

QString path(const ProgramFolder &folder, const QString &collectionName)
{
    if (!CollectionName::isValid(collectionName))
        return {};
    return folder.path({QStringLiteral("Verzameling"), QStringLiteral(".mancolijst")}) + QLatin1Char('/') +
           collectionName + QStringLiteral(".txt");
}

StorageResult read(const ProgramFolder &folder, const QString &collectionName, QStringList &ranges)
{
    ranges.clear();
    const QString file = path(folder, collectionName);
    if (file.isEmpty())
        return invalidName();
    if (!QFileInfo::exists(file))
        return StorageResult::success();
    return TextFile::readLines(file, ranges);
}

StorageResult write(const ProgramFolder &folder, const QString &collectionName, const QStringList &ranges)
{
    const QString file = path(folder, collectionName);
    if (file.isEmpty())
        return invalidName();
    const QString parent = QFileInfo(file).path();
    if (!QDir().mkpath(parent))
        return StorageResult::failure(QStringLiteral("map kon niet worden aangemaakt: ") + parent);
    return TextFile::writeLines(file, ranges);
}

StorageResult carryOver(const ProgramFolder &folder, const QString &from, const QString &to)
{
    const QString source = path(folder, from);
    if (source.isEmpty() || !FileExists(source))
        return StorageResult::success();
    QStringList ranges;
    const StorageResult read = WantListFile::read(folder, from, ranges);
    return read ? write(folder, to, ranges) : read;
}

} // namespace WantListFile
