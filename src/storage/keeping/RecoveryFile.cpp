#include "storage/keeping/RecoveryFile.h"

#include "storage/folder/CollectionName.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionLock.h"
#include "storage/keeping/CollectionVersions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace {

const QString RecoveryFolder = QStringLiteral(".herstel");
const QString Unnamed = QStringLiteral("(naamloos)");
const QString Extension = QStringLiteral(".col");
// Enough of a file's start for its header, however long the name on line 2.
constexpr qint64 HeaderBytes = 64 * 1024;

QString fileBaseName(const QString &collectionName)
{
    return CollectionName::isValid(collectionName) ? collectionName : Unnamed;
}

// <name>.basis beside <name>.col
QString basisPathOf(const QString &recoveryPath)
{
    return recoveryPath.chopped(Extension.size()) + QLatin1String(".basis");
}

// Two lines: the size, and the modification time in milliseconds since 1970 (UTC).
QByteArray basisText(const FileFingerprint &basis)
{
    if (basis.isNull())
        return {};
    return QByteArray::number(basis.size()) + "\r\n" +
           QByteArray::number(basis.modified().toMSecsSinceEpoch()) + "\r\n";
}

FileFingerprint readBasis(const QString &path)
{
    QStringList lines;
    if (!TextFile::readLines(path, lines) || lines.size() != 2)
        return {};
    bool sizeRead = false;
    bool timeRead = false;
    const qint64 size = lines[0].toLongLong(&sizeRead);
    const qint64 time = lines[1].toLongLong(&timeRead);
    if (!sizeRead || !timeRead)
        return {};
    return FileFingerprint::withoutHash(size, QDateTime::fromMSecsSinceEpoch(time, Qt::UTC));
}

StorageResult removeIfThere(const QString &path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        return StorageResult::failure(FileErrorReason::of(file));
    return StorageResult::success();
}

} // namespace

RecoveryFile::RecoveryFile(const ProgramFolder &folder)
    : m_folder(folder)
{}

QString RecoveryFile::shownName(const QString &collectionName)
{
    return collectionName.isEmpty() ? Unnamed : collectionName;
}

QString RecoveryFile::folder() const
{
    return m_folder.path({QStringLiteral("Verzameling"), RecoveryFolder});
}

StorageResult RecoveryFile::checkFolder() const
{
    if (QFileInfo(folder()).isSymLink())
        return StorageResult::failure(QStringLiteral("Map is een symbolische koppeling: ") + folder());
    return StorageResult::success();
}

QString RecoveryFile::pathFor(const QString &collectionName) const
{
    // The name exactly: names that differ only in case are two collections.
    return folder() + QLatin1Char('/') + fileBaseName(collectionName) + Extension;
}

std::unique_ptr<QLockFile> RecoveryFile::lock(const QString &collectionName) const
{
    if (!checkFolder() || !QDir().mkpath(folder()))
        return nullptr;
    auto lock = std::make_unique<QLockFile>(CollectionLock::besideFile(pathFor(collectionName)));
    // Only a lock of a program that has ended is stale, however long the other one runs.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

StorageResult RecoveryFile::write(const QString &collectionName, const std::vector<StampRecord> &records,
                                  const FileFingerprint &basis) const
{
    if (const StorageResult checked = checkFolder(); !checked)
        return checked;
    if (!QDir().mkpath(folder()))
        return StorageResult::failure(QStringLiteral("Map kon niet worden aangemaakt: ") + folder());
    const QString path = pathFor(collectionName);
    if (QFileInfo(path).isSymLink())
        return StorageResult::failure(QStringLiteral("Bestand is een symbolische koppeling: ") + path);
    // The basis first: it stays the same while the state it goes with changes.
    if (const StorageResult written = TextFile::writeBytes(basisPathOf(path), basisText(basis)); !written)
        return written;
    return CollectionFile::write(path, collectionName, records);
}

StorageResult RecoveryFile::remove(const QString &collectionName) const
{
    if (const StorageResult checked = checkFolder(); !checked)
        return checked;
    const QString path = pathFor(collectionName);
    if (const StorageResult removed = removeIfThere(path); !removed)
        return removed;
    return removeIfThere(basisPathOf(path));
}

std::vector<RecoveryFile::LeftBehind> RecoveryFile::leftBehind() const
{
    std::vector<LeftBehind> found;
    if (!checkFolder())
        return found;
    const QDir recoveryFolder(folder());
    // Only the header is read: a start-up must not wait for a large file.
    for (const QFileInfo &info :
         recoveryFolder.entryInfoList({QStringLiteral("*") + Extension}, QDir::Files | QDir::NoSymLinks)) {
        QLockFile inUse(CollectionLock::besideFile(info.absoluteFilePath()));
        inUse.setStaleLockTime(0);
        if (!inUse.tryLock(0))
            continue;
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const CollectionFile::Contents header = CollectionFile::parse(file.read(HeaderBytes));
        if (!header.headerComplete)
            continue;
        found.push_back({*header.name, info.fileTime(QFileDevice::FileModificationTime),
                         info.absoluteFilePath(), readBasis(basisPathOf(info.absoluteFilePath()))});
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
    return removeIfThere(basisPathOf(file.path));
}
