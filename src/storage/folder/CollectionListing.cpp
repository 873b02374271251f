#include "storage/folder/CollectionListing.h"

#include "storage/folder/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QStringList namesWithExtension(const ProgramFolder &folder, const QString &extension)
{
    // Without QDir::CaseSensitive the pattern also matches "X.COL", as on Windows.
    QStringList names =
        QDir(folder.collectionFolder()).entryList({QStringLiteral("*") + extension}, QDir::Files);
    for (QString &name : names)
        name.chop(extension.size());
    // Ordered by the name alone ("Belgie" before "Belgie 2"); names that differ
    // only in case keep a fixed order.
    std::sort(names.begin(), names.end(), [](const QString &left, const QString &right) {
        const int order = left.compare(right, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : left < right;
    });
    return names;
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

QString pictureFolderToDelete(const ProgramFolder &folder, const QString &name)
{
    // A name that is one ordinary folder name: "." or ".." would reach the
    // collection folder itself or the program folder, and a leading dot the
    // program's own folders. A listed file whose name the program would now
    // refuse (made elsewhere) still has its picture folder removed.
    if (name.isEmpty() || name.startsWith(u'.') || !ProgramFolder::staysInside(name) || name.contains(u'\\'))
        return {};
    const QString path = folder.pictureFolder(name);
    const QString spelling = QFileInfo(path).fileName();
    if (spelling == name)
        return path;
    const QStringList others = collectionNames(folder);
    const bool claimed = std::any_of(others.begin(), others.end(), [&](const QString &other) {
        return other != name && other.compare(spelling, Qt::CaseInsensitive) == 0;
    });
    return claimed ? QString() : path;
}

} // namespace CollectionListing
