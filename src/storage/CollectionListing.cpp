#include "storage/CollectionListing.h"

#include "storage/ProgramFolder.h"

#include <QDir>

#include <algorithm>

namespace {

QStringList namesWithExtension(const ProgramFolder &folder, const QString &extension)
{
    // Without QDir::CaseSensitive the pattern also matches "X.COL", as on Windows.
    QStringList files =
        QDir(folder.collectionFolder()).entryList({QStringLiteral("*") + extension}, QDir::Files, QDir::Name);
    // Listed in name order already, so names that differ only in case keep a fixed order.
    std::stable_sort(files.begin(), files.end(), [](const QString &left, const QString &right) {
        return left.compare(right, Qt::CaseInsensitive) < 0;
    });
    for (QString &file : files)
        file.chop(extension.size());
    return files;
}

} // namespace

namespace CollectionListing {

QStringList collectionNames(const ProgramFolder &folder)
{
    return namesWithExtension(folder, QStringLiteral(".col"));
}

QStringList oldDataNames(const ProgramFolder &folder)
{
    return namesWithExtension(folder, QStringLiteral(".cat"));
}

} // namespace CollectionListing
