#include "storage/keeping/CollectionVersions.h"

#include "storage/StorageText.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");
const QString Extension = QStringLiteral(".col");
// Large enough for few reads, small enough that a large file is never held whole.
constexpr qint64 CopyPiece = qint64(1) << 20;
// Enough of a file's start for its header, however long the name on line 2.
constexpr qsizetype HeaderBytes = 64 * 1024;

// The date and time a name holds, taken as they are written: no time zone or
// summer time shifts or refuses them.
QDateTime timeOfName(const QString &text)
{
    return QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")),
                     QTime::fromString(text.mid(11), QStringLiteral("HH.mm.ss")), Qt::UTC);
}

struct Name {
    QDateTime keptAt;
    int sequence = 1; // the n-th version kept within that second
};

// Only names this program gives count as versions; anything else a person put
// into the folder is neither listed nor ever deleted.
std::optional<Name> parseFileName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2} \\d{2}\\.\\d{2}\\.\\d{2})(?: \\(([1-9]\\d{0,5})\\))?\\.col$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    const QDateTime keptAt = timeOfName(match.captured(1));
    if (!keptAt.isValid())
        return std::nullopt;
    return Name{keptAt, match.hasCaptured(2) ? match.captured(2).toInt() : 1};
}

QString fileNameOf(const QDateTime &keptAt, int sequence)
{
    const QString time = keptAt.toString(TimeFormat);
    return (sequence == 1 ? time : QStringLiteral("%1 (%2)").arg(time).arg(sequence)) + Extension;
}

bool sameBytes(const QString &leftPath, const QString &rightPath)
{
    QFile left(leftPath);
    QFile right(rightPath);
    if (left.size() != right.size() || !left.open(QIODevice::ReadOnly) || !right.open(QIODevice::ReadOnly))
        return false;
    for (;;) {
        const QByteArray leftPiece = left.read(CopyPiece);
        if (leftPiece != right.read(CopyPiece))
            return false;
        if (leftPiece.isEmpty())
            return left.error() == QFileDevice::NoError && right.error() == QFileDevice::NoError;
    }
}

// Copies in pieces through an atomic write: a copy that fails, reading or
// writing, leaves nothing at to.
StorageResult copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return StorageResult::failure(FileErrorReason::of(source));
    const StorageResult written = TextFile::writePieces(to, [&source](const TextFile::Sink &sink) {
        for (QByteArray piece = source.read(CopyPiece); !piece.isEmpty(); piece = source.read(CopyPiece)) {
            if (!sink(piece))
                return;
        }
    });
    if (written && source.error() != QFileDevice::NoError) {
        QFile::remove(to);
        return StorageResult::failure(FileErrorReason::of(source));
    }
    return written;
}

// A file kept with a version is the same as the collection's now (neither has one counts too).
bool sameCompanion(const QString &kept, const QString &current)
{
    const bool hasKept = FileExists(kept);
    return hasKept == FileExists(current) && (!hasKept || sameBytes(kept, current));
}

StorageResult notKept(const QString &reason)
{
    return StorageResult::failure(StorageText::tr("Vorige versie kon niet worden bewaard: %1").arg(reason));
}

} // namespace

CollectionVersions::CollectionVersions(const ProgramFolder &folder)
    : m_folder(folder)
{}

QString CollectionVersions::rootFolder() const
{
    return CollectionFiles::versionsRoot(m_folder);
}

QString CollectionVersions::folderOf(const QString &name) const
{
    return CollectionFiles(m_folder, name).versionsFolder();
}

StorageResult CollectionVersions::keep(const QString &name) const
{
    return keepCopyOf(name, CollectionFiles(m_folder, name).file());
}

StorageResult CollectionVersions::keepCopyOf(const QString &name, const QString &current) const
{
    // The name becomes a folder inside the versions folder: it may lead nowhere else.
    if (!CollectionName::isValid(name))
        return StorageResult::failure(StorageText::tr("Ongeldige naam voor een verzameling!"));
    if (!FileExists(current))
        return StorageResult::success();
    const QString root = rootFolder();
    const CollectionFiles collection(m_folder, name);
    const QString folder = collection.versionsFolder();
    for (const QString &path : {root, folder}) {
        if (QFileInfo(path).isSymLink())
            return notKept(StorageText::tr("map is een symbolische koppeling: %1").arg(path));
    }
    // Folders made for a version that then fails go again: a failed save
    // leaves no trace.
    const bool rootMade = !FolderExists(root);
    const bool folderMade = !FolderExists(folder);
    if (!QDir().mkpath(folder))
        return notKept(StorageText::tr("map kon niet worden aangemaakt: %1").arg(folder));

    const std::vector<Version> earlier = listed(name);
    // Saving an unchanged collection again must not push real history out.
    if (!earlier.empty() && sameBytes(earlier.back().path, current)) {
        const auto besideNewest = collection.keptBesideVersion(earlier.back().path);
        if (std::all_of(besideNewest.begin(), besideNewest.end(),
                        [](const auto &beside) { return sameCompanion(beside.kept, beside.current); }))
            return StorageResult::success();
    }

    // Always after the newest of the same second, also when older ones of that
    // second have been deleted, so that the order of the names stays the order
    // of keeping; after the newest altogether when the clock is behind it.
    QDateTime second = timeOfName(QDateTime::currentDateTime().toString(TimeFormat));
    if (!earlier.empty())
        second = std::max(second, earlier.back().keptAt);
    int sequence = 1;
    for (const Version &version : earlier) {
        if (version.keptAt == second)
            sequence = std::max(sequence, parseFileName(QFileInfo(version.path).fileName())->sequence + 1);
    }
    const QString kept = folder + QLatin1Char('/') + fileNameOf(second, sequence);
    const auto beside = collection.keptBesideVersion(kept);
    // What goes beside it first: a version is listed once its file is there.
    StorageResult copied = StorageResult::success();
    for (const auto &[companion, keptCompanion] : beside) {
        if (copied && FileExists(companion))
            copied = copyFile(companion, keptCompanion);
    }
    if (copied)
        copied = copyFile(current, kept);
    if (!copied) {
        for (const auto &companion : beside)
            QFile::remove(companion.kept);
        if (folderMade)
            QDir().rmdir(folder);
        if (rootMade)
            QDir().rmdir(root);
        return notKept(copied.reason);
    }
    QFile keptFile(kept);
    if (keptFile.open(QIODevice::ReadWrite))
        keptFile.setFileTime(QFileInfo(current).fileTime(QFileDevice::FileModificationTime),
                             QFileDevice::FileModificationTime);

    // earlier plus the one just kept; the oldest beyond Kept go.
    const std::ptrdiff_t surplus = static_cast<std::ptrdiff_t>(earlier.size()) + 1 - Kept;
    for (std::ptrdiff_t index = 0; index < surplus; ++index) {
        const QString &path = earlier[static_cast<size_t>(index)].path;
        if (QFile::remove(path)) {
            QFile::remove(CollectionFiles::wantListOfVersion(path));
            QFile::remove(CollectionFiles::catalogueOfVersion(path));
        }
    }
    return StorageResult::success();
}

std::vector<CollectionVersions::Version> CollectionVersions::listed(const QString &name) const
{
    std::vector<Version> versions;
    if (!CollectionName::isValid(name))
        return versions;
    // Nothing reached through a link is listed, so nothing there is ever pruned.
    if (QFileInfo(rootFolder()).isSymLink())
        return versions;
    const CollectionFiles collection(m_folder, name);
    std::vector<std::pair<Name, Version>> found;
    for (const QString &folder : collection.versionFolders()) {
        if (QFileInfo(folder).isSymLink())
            continue;
        for (const QString &fileName :
             QDir(folder).entryList({QStringLiteral("*") + Extension}, QDir::Files | QDir::NoSymLinks)) {
            const std::optional<Name> parsed = parseFileName(fileName);
            if (!parsed)
                continue;
            Version version;
            version.collection = collection.name();
            version.id = fileName.chopped(Extension.size());
            version.path = folder + QLatin1Char('/') + fileName;
            version.keptAt = parsed->keptAt;
            found.emplace_back(*parsed, std::move(version));
        }
    }
    std::sort(found.begin(), found.end(), [](const auto &left, const auto &right) {
        return std::pair(left.first.keptAt, left.first.sequence) <
               std::pair(right.first.keptAt, right.first.sequence);
    });
    for (auto &[parsed, version] : found)
        versions.push_back(std::move(version));
    return versions;
}

std::vector<CollectionVersions::Version> CollectionVersions::versions(const QString &name) const
{
    std::vector<Version> versions = listed(name);
    std::reverse(versions.begin(), versions.end());
    for (Version &version : versions) {
        QByteArray bytes;
        // A version that cannot be read is listed with no records.
        static_cast<void>(TextFile::readBytes(version.path, bytes));
        version.recordCount = CollectionFile::countRecords(bytes);
        version.storedName =
            CollectionFile::parse(bytes.first(std::min<qsizetype>(bytes.size(), HeaderBytes)))
                .name.value_or(QString());
        version.savedAt = QFileInfo(version.path).fileTime(QFileDevice::FileModificationTime);
    }
    return versions;
}

std::optional<CollectionVersions::Version> CollectionVersions::find(const QString &name,
                                                                    const QString &id) const
{
    for (Version &version : versions(name)) {
        if (version.id == id)
            return std::move(version);
    }
    return std::nullopt;
}

QStringList CollectionVersions::deletedCollections() const
{
    QStringList names;
    for (const QString &folder :
         QDir(rootFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        // A folder spelled in another case than the collection file is that collection's.
        const CollectionFiles collection(m_folder, folder);
        const bool listedAlready = std::any_of(names.begin(), names.end(),
                                               [&](const QString &name) { return collection.isNamed(name); });
        if (!collection.exists() && !listedAlready && !listed(folder).empty())
            names.append(collection.name());
    }
    std::stable_sort(names.begin(), names.end(), [](const QString &left, const QString &right) {
        return left.compare(right, Qt::CaseInsensitive) < 0;
    });
    return names;
}

StorageResult CollectionVersions::read(const Version &version, std::vector<StampRecord> &records)
{
    return CollectionFile::readRecords(version.path, records);
}
