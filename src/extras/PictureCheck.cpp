#include "extras/PictureCheck.h"

#include "storage/CollectionName.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordList.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

bool hasPictureFolder(const ProgramFolder &folder, const QString &collectionName)
{
    // An empty name would make the collection folder itself the picture folder,
    // and a damaged one could point outside it.
    return !collectionName.isEmpty() && CollectionName::isValid(collectionName) &&
           QFileInfo(folder.pictureFolder(collectionName)).isDir();
}

QString absolute(const QFileInfo &file)
{
    return QDir::cleanPath(file.absoluteFilePath());
}

// The first row with each catalogue number (letter case ignored), and the first
// among those whose picture is missing.
struct RowsByNumber {
    QHash<QString, int> first;
    QHash<QString, int> firstMissing;

    int likelyRow(const QString &fileName) const
    {
        const QString number = QFileInfo(fileName).completeBaseName().toCaseFolded();
        return firstMissing.value(number, first.value(number, -1));
    }
};

} // namespace

PictureCheck PictureCheck::run(const ProgramFolder &folder, const QString &collectionName, const RecordList &list)
{
    PictureCheck check;
    const bool folderExists = hasPictureFolder(folder, collectionName);

    QSet<QString> usedFiles;
    RowsByNumber rows;
    for (int row = 0; row < list.count(); ++row) {
        const QString &year = list.cell(row, StampRecord::Year);
        const QString &number = list.cell(row, StampRecord::CatalogueNumber);
        if (number.trimmed().isEmpty())
            continue;
        const QString key = number.toCaseFolded();
        rows.first.insert(key, rows.first.value(key, row));
        if (folderExists) {
            const QFileInfo picture(folder.picturePath(collectionName, year, number));
            if (picture.isFile()) {
                usedFiles.insert(absolute(picture));
                continue;
            }
        }
        check.missing.push_back({row, year, number});
        rows.firstMissing.insert(key, rows.firstMissing.value(key, row));
    }
    if (!folderExists)
        return check;

    const QDir pictureFolder(folder.pictureFolder(collectionName));
    QDirIterator files(pictureFolder.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        if (usedFiles.contains(absolute(file)))
            continue;
        check.unused.push_back({pictureFolder.relativeFilePath(absolute(file)), rows.likelyRow(file.fileName())});
    }
    std::sort(check.unused.begin(), check.unused.end(), [](const UnusedFile &left, const UnusedFile &right) {
        const int ignoringCase = left.relativePath.compare(right.relativePath, Qt::CaseInsensitive);
        return ignoringCase != 0 ? ignoringCase < 0 : left.relativePath < right.relativePath;
    });
    return check;
}
