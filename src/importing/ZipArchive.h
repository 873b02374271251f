#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QString>

#include <memory>

class ZipMemberDevice;
struct zip;

// A zip archive opened for reading (libzip). Members are found by their exact
// name; a member is read whole or as a stream while it is decompressed, so
// reading a large member needs no more memory than a small one.
class ZipArchive {
public:
    ZipArchive();
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // True when the bytes begin as a zip archive does.
    static bool looksLikeZip(QByteArrayView start);

    StorageResult open(const QString &path);
    // An archive held in memory (the bytes are kept as long as the archive).
    StorageResult openBytes(const QByteArray &bytes);

    bool contains(const QString &name) const;
    // The decompressed size of a member, -1 when it is not there.
    qint64 size(const QString &name) const;
    // A member whole; one larger than maxSize is refused without being read.
    StorageResult read(const QString &name, qint64 maxSize, QByteArray &bytes) const;
    // A member as a sequential device, or null with the reason in result.
    std::unique_ptr<ZipMemberDevice> stream(const QString &name, StorageResult &result) const;

private:
    StorageResult finishOpening(zip *archive, int error);
    qint64 indexOf(const QString &name) const;

    QByteArray m_bytes;
    zip *m_archive = nullptr;
};
