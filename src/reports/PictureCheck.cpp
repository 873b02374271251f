#include "reports/PictureCheck.h"

#include "storage/document/RecordList.h"
#include "storage/folder/ProgramFolder.h"

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
    return ProgramFolder::namesPictureFolder(collectionName) &&
           QFileInfo(folder.pictureFolder(collectionName)).isDir();
}

QString absolute(const QFileInfo &file)
{
    return QDir::cleanPath(file.absoluteFilePath());
}

// Where the window looks for a record's picture: ProgramFolder::picturePath,
// the name as given when it exists, else the first entry of the year folder
// with that name in another letter case. Each year folder is resolved and
// listed once, not once for every record without a picture.
class PictureLookup {
public:
    PictureLookup(const ProgramFolder &folder, const QString &collectionName)
        : m_folder(folder)
        , m_collectionName(collectionName)
    {}

    QString path(const QString &year, const QString &catalogueNumber)
    {
        // No path where the window would find none either.
        if (!ProgramFolder::staysInside(year) || !ProgramFolder::staysInside(catalogueNumber))
            return {};
        auto yearFolder = m_yearFolders.constFind(year);
        if (yearFolder == m_yearFolders.constEnd())
            yearFolder = m_yearFolders.insert(year, m_folder.yearFolder(m_collectionName, year));
        const QString fileName = catalogueNumber + QLatin1String(".jpg");
        const QString exact = yearFolder.value() + QLatin1Char('/') + fileName;
        if (QFileInfo::exists(exact))
            return exact;
        const QString found = entriesOf(yearFolder.value()).value(fileName.toCaseFolded());
        return found.isEmpty() ? exact : yearFolder.value() + QLatin1Char('/') + found;
    }

private:
    // The folder's entries by name without letter case; the first in listing order wins.
    const QHash<QString, QString> &entriesOf(const QString &path)
    {
        auto listed = m_entries.find(path);
        if (listed == m_entries.end()) {
            listed = m_entries.insert(path, {});
            const QStringList entries =
                QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                const QString key = entry.toCaseFolded();
                if (!listed->contains(key))
                    listed->insert(key, entry);
            }
        }
        return listed.value();
    }

    const ProgramFolder &m_folder;
    const QString m_collectionName;
    QHash<QString, QString> m_yearFolders;
    QHash<QString, QHash<QString, QString>> m_entries;
};

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

PictureCheck PictureCheck::run(const ProgramFolder &folder, const QString &collectionName,
                               const RecordList &list)
{
    PictureCheck check;
    const bool folderExists = hasPictureFolder(folder, collectionName);

    QSet<QString> usedFiles;
    RowsByNumber rows;
    PictureLookup lookup(folder, collectionName);
    for (int row = 0; row < list.count(); ++row) {
        const QString &year = list.cell(row, StampRecord::Year);
        const QString &number = list.cell(row, StampRecord::CatalogueNumber);
        if (number.trimmed().isEmpty())
            continue;
        const QString key = number.toCaseFolded();
        rows.first.insert(key, rows.first.value(key, row));
        if (folderExists) {
            const QFileInfo picture(lookup.path(year, number));
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
        check.unused.push_back(
            {pictureFolder.relativeFilePath(absolute(file)), rows.likelyRow(file.fileName())});
    }
    std::sort(check.unused.begin(), check.unused.end(), [](const UnusedFile &left, const UnusedFile &right) {
        const int ignoringCase = left.relativePath.compare(right.relativePath, Qt::CaseInsensitive);
        return ignoringCase != 0 ? ignoringCase < 0 : left.relativePath < right.relativePath;
    });
    return check;
}
