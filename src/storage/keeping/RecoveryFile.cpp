#include "storage/keeping/RecoveryFile.h"

#include "storage/StorageText.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/CatalogueEntriesFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionLock.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/keeping/ListChange.h"
#include "storage/keeping/RecoveryJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <iterator>

namespace {

const QString Unnamed = QStringLiteral("(naamloos)");
const QString Extension = QStringLiteral(".col");
// Enough of a file's start for its header, however long the name on line 2.
constexpr qint64 HeaderBytes = 64 * 1024;
// A journal shorter than this is never worth writing the base anew.
constexpr qint64 ShortJournal = 4 * 1024 * 1024;

QString fileBaseName(const QString &collectionName)
{
    return CollectionName::isValid(collectionName) ? collectionName : Unnamed;
}

// <name>.basis beside <name>.col
QString basisPathOf(const QString &recoveryPath)
{
    return recoveryPath.chopped(Extension.size()) + QLatin1String(".basis");
}

// <name>.stappen beside <name>.col
QString journalPathOf(const QString &recoveryPath)
{
    return recoveryPath.chopped(Extension.size()) + QLatin1String(".stappen");
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

RecoveryFile::RecoveryFile(const ProgramFolder &folder, qint64 program)
    : m_folder(folder)
    , m_program(program)
{}

QString RecoveryFile::shownName(const QString &collectionName)
{
    // The file's name stays fixed; the name the collector reads is translated.
    return collectionName.isEmpty() ? StorageText::tr("(naamloos)") : collectionName;
}

QString RecoveryFile::folder() const
{
    return CollectionFiles::recoveryFolder(m_folder);
}

StorageResult RecoveryFile::checkFolder() const
{
    if (QFileInfo(folder()).isSymLink())
        return StorageResult::failure(StorageText::tr("Map is een symbolische koppeling: %1").arg(folder()));
    return StorageResult::success();
}

QString RecoveryFile::pathFor(const QString &collectionName) const
{
    return CollectionFiles(m_folder, fileBaseName(collectionName)).recoveryFile(m_program);
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

StorageResult RecoveryFile::start(const QString &collectionName, const FileFingerprint &basis,
                                  const BaseWriter &writeBase,
                                  const std::vector<QByteArray> &firstEntries) const
{
    if (const StorageResult checked = checkFolder(); !checked)
        return checked;
    if (!QDir().mkpath(folder()))
        return StorageResult::failure(StorageText::tr("Map kon niet worden aangemaakt: %1").arg(folder()));
    const QString path = pathFor(collectionName);
    const QString journal = journalPathOf(path);
    for (const QString &file : {path, journal}) {
        if (QFileInfo(file).isSymLink())
            return StorageResult::failure(
                StorageText::tr("Bestand is een symbolische koppeling: %1").arg(file));
    }
    // The base's mark first, from its bytes as they will be written.
    RecoveryJournal::BaseMark mark;
    writeBase([&mark](QByteArrayView piece) {
        mark.add(piece);
        return true;
    });
    // A journal of a base with the same bytes would count for the new base:
    // it goes before. Any other stops counting only once the new base is in
    // place, so that a crash in between still finds the state it belongs to.
    if (RecoveryJournal::baseMarkOf(journal) == mark.result()) {
        if (const StorageResult removed = removeIfThere(journal); !removed)
            return removed;
    }
    // The basis next: it stays the same while the state it goes with changes.
    if (const StorageResult written = TextFile::writeBytes(basisPathOf(path), basisText(basis)); !written)
        return written;
    if (const StorageResult written = TextFile::writePieces(path, writeBase); !written)
        return written;
    return RecoveryJournal::start(journal, mark.result(), firstEntries);
}

namespace {

// The catalogue entries of a state go into its journal first.
std::vector<QByteArray> entriesOfState(const CatalogueEntries *entries)
{
    if (!entries || entries->isEmpty())
        return {};
    return {ListChange::allEntries(CatalogueEntriesFile::serialized(*entries)).serialized()};
}

} // namespace

StorageResult RecoveryFile::write(const QString &collectionName, RecordSpan records,
                                  const FileFingerprint &basis, const CatalogueEntries *entries) const
{
    return write(collectionName, records, basis, entries, {});
}

StorageResult RecoveryFile::write(const QString &collectionName, RecordSpan records,
                                  const FileFingerprint &basis, const CatalogueEntries *entries,
                                  std::vector<QByteArray> laterEntries) const
{
    // What the file form would change of the state is kept exactly by the journal.
    std::vector<QByteArray> exact = entriesOfState(entries);
    for (const ListChange &correction : ListChange::fileFormCorrections(records))
        exact.push_back(correction.serialized());
    exact.insert(exact.end(), std::make_move_iterator(laterEntries.begin()),
                 std::make_move_iterator(laterEntries.end()));
    return start(
        collectionName, basis,
        [&](const TextFile::Sink &sink) { CollectionFile::serializeInPieces(collectionName, records, sink); },
        exact);
}

StorageResult RecoveryFile::writeCopyOf(const QString &collectionName, const QString &file,
                                        const FileFingerprint &fingerprint, const FileFingerprint &basis,
                                        const CatalogueEntries *entries) const
{
    QByteArray bytes;
    if (const StorageResult read = TextFile::readBytes(file, bytes); !read)
        return read;
    if (FileFingerprint::of(file, bytes) != fingerprint || fingerprint.isNull())
        return StorageResult::failure(StorageText::tr("Bestand is intussen gewijzigd: %1").arg(file));
    return start(
        collectionName, basis, [&](const TextFile::Sink &sink) { sink(bytes); }, entriesOfState(entries));
}

StorageResult RecoveryFile::append(const QString &collectionName,
                                   const std::vector<std::shared_ptr<const ListChange>> &changes) const
{
    if (const StorageResult checked = checkFolder(); !checked)
        return checked;
    std::vector<QByteArray> entries;
    entries.reserve(changes.size());
    for (const auto &change : changes)
        entries.push_back(change->serialized());
    return RecoveryJournal::append(journalPathOf(pathFor(collectionName)), entries);
}

qint64 RecoveryFile::journalSize(const QString &collectionName) const
{
    return QFileInfo(journalPathOf(pathFor(collectionName))).size();
}

StorageResult RecoveryFile::shortenJournal(const QString &collectionName, qint64 &startSize) const
{
    const QString path = pathFor(collectionName);
    // A state the file form would change starts with all its records in the
    // journal: only what came after counts.
    if (journalSize(collectionName) - startSize <= std::max(QFileInfo(path).size(), ShortJournal))
        return StorageResult::success();
    const LeftBehind file{collectionName, {}, path, readBasis(basisPathOf(path))};
    std::vector<StampRecord> records;
    ListChange::AsideLists asides;
    CatalogueEntries entries;
    if (const StorageResult read = replay(file, records, asides, entries); !read)
        return read;
    std::vector<QByteArray> setAside;
    for (auto &[aside, list] : asides)
        setAside.push_back(ListChange::settingAside(aside, std::move(list)).serialized());
    asides.clear();
    const StorageResult written = write(collectionName, records, file.basis, &entries, std::move(setAside));
    startSize = journalSize(collectionName);
    return written;
}

StorageResult RecoveryFile::remove(const QString &collectionName) const
{
    if (const StorageResult checked = checkFolder(); !checked)
        return checked;
    return forget({collectionName, {}, pathFor(collectionName), {}});
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
        // Written last: the journal when there is one.
        const QFileInfo journal(journalPathOf(info.absoluteFilePath()));
        const QDateTime writtenAt =
            std::max(info.fileTime(QFileDevice::FileModificationTime),
                     journal.exists() ? journal.fileTime(QFileDevice::FileModificationTime) : QDateTime());
        found.push_back({*header.name, writtenAt, info.absoluteFilePath(),
                         readBasis(basisPathOf(info.absoluteFilePath()))});
    }
    std::sort(found.begin(), found.end(), [](const LeftBehind &left, const LeftBehind &right) {
        return left.writtenAt > right.writtenAt;
    });
    return found;
}

StorageResult RecoveryFile::read(const LeftBehind &file, std::vector<StampRecord> &records)
{
    CatalogueEntries entries;
    return read(file, records, entries);
}

StorageResult RecoveryFile::read(const LeftBehind &file, std::vector<StampRecord> &records,
                                 CatalogueEntries &entries)
{
    ListChange::AsideLists asides;
    return replay(file, records, asides, entries);
}

StorageResult RecoveryFile::replay(const LeftBehind &file, std::vector<StampRecord> &records,
                                   ListChange::AsideLists &asides, CatalogueEntries &entries)
{
    records.clear();
    asides.clear();
    entries.clear();
    QByteArray base;
    if (const StorageResult read = TextFile::readBytes(file.path, base); !read)
        return read;
    CollectionFile::Contents contents = CollectionFile::parse(base);
    if (!contents.headerComplete)
        return StorageResult::failure(StorageText::tr("Het bestand is te kort."));
    records = std::move(contents.records);
    RecoveryJournal::BaseMark mark;
    mark.add(base);
    base.clear();
    // A change that does not fit the list it follows ends the journal as a
    // change cut short does: what came before it still holds.
    RecoveryJournal::read(journalPathOf(file.path), mark.result(), [&](QByteArrayView entry) {
        std::optional<ListChange> change = ListChange::parse(entry);
        return change && change->applyTo(records, asides, entries);
    });
    return StorageResult::success();
}

StorageResult RecoveryFile::discard(const LeftBehind &file) const
{
    // With a journal, the state is the base with its changes: that is what is
    // kept, written over the base (whose journal then no longer counts), with
    // its catalogue numbers beside the version.
    const QString journal = journalPathOf(file.path);
    CatalogueEntries entries;
    if (FileExists(journal)) {
        std::vector<StampRecord> records;
        if (const StorageResult read = RecoveryFile::read(file, records, entries); !read)
            return read;
        if (const StorageResult written = CollectionFile::write(file.path, file.collectionName, records);
            !written)
            return written;
    }
    const QString name = fileBaseName(file.collectionName);
    const CollectionVersions versions(m_folder);
    if (const StorageResult kept = versions.keepCopyOf(name, file.path); !kept)
        return kept;
    if (!entries.isEmpty()) {
        const std::vector<CollectionVersions::Version> kept = versions.versions(name);
        if (!kept.empty()) {
            const StorageResult written =
                CatalogueEntriesFile::write(CollectionFiles::catalogueOfVersion(kept.front().path), entries);
            if (!written)
                return written;
        }
    }
    return forget(file);
}

StorageResult RecoveryFile::forget(const LeftBehind &file)
{
    // The journal first: a base left alone is a state of its own.
    for (const QString &path : {journalPathOf(file.path), file.path, basisPathOf(file.path)}) {
        if (const StorageResult removed = removeIfThere(path); !removed)
            return removed;
    }
    return StorageResult::success();
}
