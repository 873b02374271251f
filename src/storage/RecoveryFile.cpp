#include "storage/RecoveryFile.h"

#include "storage/CollectionFile.h"
#include "storage/CollectionName.h"
#include "storage/CollectionVersions.h"
#include "storage/FileErrorReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString RecoveryFolder = QStringLiteral(".herstel");
const QString Unnamed = QStringLiteral("(naamloos)");
// Enough of a file's start for its header, however long the name on line 2.
constexpr qint64 HeaderBytes = 64 * 1024;

QString fileBaseName(const QString &collectionName)
{
    return CollectionName::isValid(collectionName) ? collectionName : Unnamed;
}

} // namespace

RecoveryFile::RecoveryFile(const ProgramFolder &folder)
    : m_folder(folder)
{}

QString RecoveryFile::shownName(const QString &collectionName)
{
    return collectionName.isEmpty() ? Unnamed : collectionName;
}

QString RecoveryFile::pathFor(const QString &collectionName) const
{
    return m_folder.path({QStringLiteral("Verzameling"), RecoveryFolder,
                          fileBaseName(collectionName) + QLatin1String(".col")});
}

StorageResult RecoveryFile::write(const QString &collectionName,
                                  const std::vector<StampRecord> &records) const
{
    const QString folder = m_folder.path({QStringLiteral("Verzameling"), RecoveryFolder});
    if (!QDir().mkpath(folder))
        return StorageResult::failure(QStringLiteral("Map kon niet worden aangemaakt: ") + folder);
    return CollectionFile::write(pathFor(collectionName), collectionName, records);
}

StorageResult RecoveryFile::remove(const QString &collectionName) const
{
    QFile file(pathFor(collectionName));
    if (file.exists() && !file.remove())
        return StorageResult::failure(FileErrorReason::of(file));
    return StorageResult::success();
}

std::vector<RecoveryFile::LeftBehind> RecoveryFile::leftBehind() const
{
    std::vector<LeftBehind> found;
    const QDir folder(m_folder.path({QStringLiteral("Verzameling"), RecoveryFolder}));
    // Only the header is read: a start-up must not wait for a large file.
    for (const QFileInfo &info : folder.entryInfoList({QStringLiteral("*.col")}, QDir::Files)) {
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const CollectionFile::Contents header = CollectionFile::parse(file.read(HeaderBytes));
        if (!header.headerComplete)
            continue;
        found.push_back(
            {*header.name, info.fileTime(QFileDevice::FileModificationTime), info.absoluteFilePath()});
    }
    std::sort(found.begin(), found.end(), [](const LeftBehind &left, const LeftBehind &right) {
        return left.writtenAt > right.writtenAt;
    });
    return found;
}

StorageResult RecoveryFile::read(const LeftBehind &file, std::vector<StampRecord> &records)
{
    return CollectionFile::readRecords(file.path, records);
}

StorageResult RecoveryFile::discard(const LeftBehind &file) const
{
    const StorageResult kept =
        CollectionVersions(m_folder).keepCopyOf(fileBaseName(file.collectionName), file.path);
    if (!kept)
        return kept;
    QFile recovery(file.path);
    if (!recovery.remove())
        return StorageResult::failure(FileErrorReason::of(recovery));
    return StorageResult::success();
}
