#include "storage/keeping/RecoveryJournal.h"

#include "storage/folder/FileErrorReason.h"
#include "storage/folder/TextFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>

namespace {

constexpr QByteArrayView Magic{"T2STAP01"};
constexpr auto Algorithm = QCryptographicHash::Md5;
const qsizetype MarkSize = QCryptographicHash::hashLength(Algorithm);
// The length of an entry (four bytes, little-endian), then its checksum.
const qsizetype EntryHeadSize = 4 + MarkSize;

QByteArray checksum(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, Algorithm);
}

// Writes all of bytes, or says why not.
bool writeAll(QFile &file, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// The entries with their lengths and checksums, as they follow each other in the file.
QByteArray encoded(const std::vector<QByteArray> &entries)
{
    QByteArray bytes;
    for (const QByteArray &entry : entries) {
        char length[4];
        qToLittleEndian(static_cast<quint32>(entry.size()), length);
        bytes.append(length, sizeof length).append(checksum(entry)).append(entry);
    }
    return bytes;
}

} // namespace

QByteArray RecoveryJournal::baseMarkOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(Magic.size() + MarkSize);
    if (head.size() != Magic.size() + MarkSize || !head.startsWith(Magic))
        return {};
    return head.sliced(Magic.size());
}

StorageResult RecoveryJournal::start(const QString &path, const QByteArray &baseMark,
                                     const std::vector<QByteArray> &entries)
{
    return TextFile::writeBytes(path, Magic.toByteArray() + baseMark + encoded(entries));
}

StorageResult RecoveryJournal::append(const QString &path, const std::vector<QByteArray> &entries)
{
    QFile file(path);
    // Unbuffered, so that a write that fails says so at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly |
                   QIODevice::Unbuffered))
        return StorageResult::failure(FileErrorReason::of(file));
    // The entries go in one write: fewer moments at which a crash can cut one.
    if (!writeAll(file, encoded(entries)))
        return StorageResult::failure(FileErrorReason::of(file));
    return StorageResult::success();
}

void RecoveryJournal::read(const QString &path, const QByteArray &baseMark,
                           const std::function<bool(QByteArrayView entry)> &each)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    if (baseMark.isEmpty() || file.read(Magic.size() + MarkSize) != Magic.toByteArray() + baseMark)
        return;
    for (;;) {
        const QByteArray head = file.read(EntryHeadSize);
        if (head.size() != EntryHeadSize)
            return;
        const quint32 length = qFromLittleEndian<quint32>(head.constData());
        // A length the rest of the file cannot hold is a write cut short.
        if (length > file.size() - file.pos())
            return;
        const QByteArray entry = file.read(length);
        if (entry.size() != static_cast<qsizetype>(length) || checksum(entry) != head.sliced(4))
            return;
        if (!each(entry))
            return;
    }
}
