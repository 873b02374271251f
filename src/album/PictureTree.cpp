#include "album/PictureTree.h"

#include "storage/folder/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// Ascending by name with letter case ignored; names equal but for case keep
// one fixed order.
void sortNames(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &left, const QString &right) {
        const int ignoringCase = left.compare(right, Qt::CaseInsensitive);
        return ignoringCase != 0 ? ignoringCase < 0 : left < right;
    });
}

// Without QDir::Hidden and QDir::System, names starting with a dot, devices,
// pipes, sockets and broken links stay out.
QStringList sortedEntries(const QString &path, QDir::Filters kind)
{
    QStringList names = QDir(path).entryList(kind | QDir::NoDotAndDotDot, QDir::NoSort);
    sortNames(names);
    return names;
}

// Files that Windows keeps hidden beside pictures. Copied to this system they
// lose that mark, but they are still no pictures.
bool isWindowsSystemFile(const QString &fileName)
{
    return fileName.compare(QLatin1String("Thumbs.db"), Qt::CaseInsensitive) == 0 ||
           fileName.compare(QLatin1String("desktop.ini"), Qt::CaseInsensitive) == 0;
}

} // namespace

PictureTree PictureTree::read(const ProgramFolder &folder, const QString &collectionName)
{
    PictureTree tree;
    // A name read from a damaged file must not point the page outside the
    // collection folder.
    if (!ProgramFolder::namesPictureFolder(collectionName))
        return tree;
    const QString pictureFolder = folder.pictureFolder(collectionName);
    if (!QFileInfo(pictureFolder).isDir())
        return tree;
    tree.collectionFolderName = QFileInfo(folder.collectionFolder()).fileName();
    tree.pictureFolderName = QFileInfo(pictureFolder).fileName();

    for (const QString &subFolder : sortedEntries(pictureFolder, QDir::Dirs)) {
        YearFolder year{subFolder, {}};
        for (const QString &file : sortedEntries(pictureFolder + QLatin1Char('/') + subFolder, QDir::Files)) {
            if (!isWindowsSystemFile(file))
                year.fileNames.append(file);
        }
        tree.years.push_back(std::move(year));
    }
    return tree;
}
