#include "storage/folder/FileFingerprint.h"

#include "storage/folder/ContentHash.h"
#include "storage/folder/TextFile.h"

#include <QFileInfo>

FileFingerprint FileFingerprint::of(const QString &path, QByteArrayView bytes)
{
    return of(path, bytes.size(), ContentHash::of(bytes));
}

FileFingerprint FileFingerprint::of(const QString &path, qint64 size, size_t hash)
{
    FileFingerprint fingerprint;
    fingerprint.m_known = true;
    fingerprint.m_size = size;
    fingerprint.m_modified = QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
    fingerprint.m_hash = hash;
    return fingerprint;
}

FileFingerprint FileFingerprint::withoutHash(qint64 size, const QDateTime &modified)
{
    FileFingerprint fingerprint;
    fingerprint.m_known = true;
    fingerprint.m_size = size;
    fingerprint.m_modified = modified;
    return fingerprint;
}

bool FileFingerprint::sameSizeAndTime(const FileFingerprint &other) const
{
    return m_known && other.m_known && m_size == other.m_size &&
           m_modified.toMSecsSinceEpoch() == other.m_modified.toMSecsSinceEpoch();
}

FileFingerprint FileFingerprint::ofFile(const QString &path)
{
    QByteArray bytes;
    if (!TextFile::readBytes(path, bytes))
        return {};
    return of(path, bytes);
}

bool FileFingerprint::changedOnDisk(const QString &path) const
{
    if (isNull())
        return false;
    const QFileInfo now(path);
    if (!now.exists())
        return false;
    if (now.size() != m_size || now.fileTime(QFileDevice::FileModificationTime) != m_modified)
        return true;
    // Same size and time: a copy that kept its time, or a change within the
    // file system's time resolution. Only the contents can tell.
    return ofFile(path).m_hash != m_hash;
}
