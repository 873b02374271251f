#include "storage/keeping/KeptPictures.h"

#include "storage/StorageText.h"
#include "storage/folder/TextFile.h"
#include "storage/keeping/CollectionFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The kept pictures in a folder, by their number, oldest first. Only names
// this program gives count; links are never listed, so never deleted through.
std::vector<std::pair<qint64, QString>> numbered(const QString &folder)
{
    static const QRegularExpression pattern(QStringLiteral("^([1-9]\\d{0,17})\\.jpg$"));
    std::vector<std::pair<qint64, QString>> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::NoSymLinks | QDir::Hidden)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            files.emplace_back(match.captured(1).toLongLong(), folder + QLatin1Char('/') + name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Makes the folders from the collection folder down to folder, one at a
// time, refusing any that is a link or a file.
StorageResult makeFolders(const QString &collectionFolder, const QString &folder)
{
    QString path = collectionFolder;
    for (const QString &component : QDir(collectionFolder).relativeFilePath(folder).split(u'/')) {
        path += QLatin1Char('/') + component;
        const QFileInfo info(path);
        if (info.isSymLink())
            return StorageResult::failure(
                StorageText::tr("'%1' is een koppeling").arg(QDir::toNativeSeparators(path)));
        // Another program keeping a picture may make the folder first.
        if (!info.exists() && !QDir().mkdir(path) && !QFileInfo::exists(path))
            return StorageResult::failure(
                StorageText::tr("map '%1' kon niet worden gemaakt").arg(QDir::toNativeSeparators(path)));
        if (!QFileInfo(path).isDir())
            return StorageResult::failure(
                StorageText::tr("'%1' is geen map").arg(QDir::toNativeSeparators(path)));
    }
    return StorageResult::success();
}

StorageResult notKept(const QString &reason)
{
    return StorageResult::failure(
        StorageText::tr("Vorige afbeelding kon niet worden bewaard: %1").arg(reason));
}

} // namespace

KeptPictures::KeptPictures(const ProgramFolder &folder, const QString &collectionName)
    : m_folder(folder)
    , m_collectionName(collectionName)
{}

QString KeptPictures::folderOf(const QString &year, const QString &number) const
{
    return CollectionFiles(m_folder, m_collectionName).keptPicturesFolder() + QLatin1Char('/') + year +
           QLatin1Char('/') + number;
}

StorageResult KeptPictures::keep(const QString &picture, const QString &year, const QString &number) const
{
    QByteArray bytes;
    StorageResult result = TextFile::readBytes(picture, bytes);
    if (!result)
        return notKept(result.reason);
    const QString folder = folderOf(year, number);
    result = makeFolders(m_folder.collectionFolder(), folder);
    if (!result)
        return notKept(result.reason);
    const std::vector<std::pair<qint64, QString>> earlier = numbered(folder);
    QByteArray newest;
    // Replacing a picture by itself again and again must not push real history out.
    if (!earlier.empty() && TextFile::readBytes(earlier.back().second, newest) && newest == bytes)
        return StorageResult::success();
    const qint64 next = earlier.empty() ? 1 : earlier.back().first + 1;
    result = TextFile::writeBytes(folder + QStringLiteral("/%1.jpg").arg(next), bytes);
    if (!result)
        return notKept(result.reason);
    const std::ptrdiff_t surplus = std::ptrdiff_t(earlier.size()) + 1 - Kept;
    for (std::ptrdiff_t index = 0; index < surplus; ++index)
        QFile::remove(earlier[size_t(index)].second);
    return StorageResult::success();
}

QStringList KeptPictures::kept(const QString &year, const QString &number) const
{
    QStringList files;
    for (const auto &[sequence, path] : numbered(folderOf(year, number)))
        files.append(path);
    return files;
}
