#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// What a collection file was when the program last loaded or saved it: its
// size, its modification time and a hash of its bytes. Comparing it with the
// file on disk tells whether another program (or another computer, through a
// synchronised folder) has changed the file since.
class FileFingerprint {
public:
    // Nothing remembered: no file was loaded or saved yet.
    FileFingerprint() = default;

    // The bytes just read from or written to path; the size and modification
    // time are those path has now.
    static FileFingerprint of(const QString &path, QByteArrayView bytes);
    // The same for bytes whose hash was taken while they were written in pieces.
    static FileFingerprint of(const QString &path, qint64 size, size_t hash);
    // Reads the file; a missing or unreadable file gives a null fingerprint.
    static FileFingerprint ofFile(const QString &path);

    // Only a size and a modification time, as kept in a file (the hash is
    // never stored); such a fingerprint serves sameSizeAndTime only.
    static FileFingerprint withoutHash(qint64 size, const QDateTime &modified);

    bool isNull() const { return !m_known; }
    qint64 size() const { return m_size; }
    const QDateTime &modified() const { return m_modified; }

    // True when the file at path is no longer the one remembered: another
    // size, another modification time, or the same size and time with other
    // contents. A file that is gone has not changed (saving simply writes it
    // again), and with nothing remembered there is nothing to compare.
    bool changedOnDisk(const QString &path) const;

    // Both known, with the same size and modification time.
    bool sameSizeAndTime(const FileFingerprint &other) const;

    bool operator==(const FileFingerprint &other) const = default;

private:
    bool m_known = false;
    qint64 m_size = 0;
    QDateTime m_modified;
    size_t m_hash = 0; // a ContentHash of the bytes
};
