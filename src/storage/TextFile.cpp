#include "storage/TextFile.h"

#include "storage/LineReader.h"
#include "storage/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {

StorageResult readBytes(const QString &path, QByteArray &bytes)
{
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return StorageResult::failure(QStringLiteral("Het bestand bestaat niet."));
    if (!info.isFile())
        return StorageResult::failure(QStringLiteral("Dit is geen gewoon bestand."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StorageResult::failure(file.errorString());
    // Checked on the open file: the name may have been given to another since.
    if (file.isSequential() || file.size() > MaxReadSize)
        return StorageResult::failure(QStringLiteral("Het bestand is te groot."));
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return StorageResult::failure(file.errorString());
    }
    return StorageResult::success();
}

QStringList splitLines(QByteArrayView bytes)
{
    QStringList lines;
    LineReader reader(bytes);
    while (!reader.atEnd())
        lines.append(Windows1252::decode(reader.next()));
    return lines;
}

StorageResult readLines(const QString &path, QStringList &lines)
{
    lines.clear();
    QByteArray bytes;
    const StorageResult read = readBytes(path, bytes);
    if (read)
        lines = splitLines(bytes);
    return read;
}

QByteArray joinLines(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString &line : lines) {
        bytes += Windows1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

StorageResult writeBytes(const QString &path, const QByteArray &bytes)
{
    return writePieces(path, [&bytes](const Sink &sink) { sink(bytes); });
}

StorageResult writePieces(const QString &path, const std::function<void(const Sink &sink)> &produce)
{
    QSaveFile file(path);
    // Unbuffered, so that every write reports what it wrote: a buffered write
    // that fails part-way at the final flush, on a full disk, would still be
    // committed in place of the old file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return StorageResult::failure(file.errorString());
    bool written = true;
    produce([&](QByteArrayView piece) {
        // A short write is not an error by itself: go on until all is written or a write fails.
        for (qsizetype done = 0; written && done < piece.size();) {
            const qint64 chunk = file.write(piece.data() + done, piece.size() - done);
            written = chunk > 0;
            done += written ? chunk : 0;
        }
        return written;
    });
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return StorageResult::failure(reason);
    }
    if (!file.commit())
        return StorageResult::failure(file.errorString());
    return StorageResult::success();
}

StorageResult writeLines(const QString &path, const QStringList &lines)
{
    return writeBytes(path, joinLines(lines));
}

} // namespace TextFile
