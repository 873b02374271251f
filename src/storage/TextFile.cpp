#include "storage/TextFile.h"

#include "storage/LineReader.h"
#include "storage/Windows1252.h"

#include <QFile>
#include <QSaveFile>

namespace TextFile {

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StorageResult::failure(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return StorageResult::failure(file.errorString());
    lines = splitLines(bytes);
    return StorageResult::success();
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
    if (!file.open(QIODevice::WriteOnly))
        return StorageResult::failure(file.errorString());
    bool written = true;
    produce([&](QByteArrayView piece) {
        written = written && file.write(piece.data(), piece.size()) == piece.size();
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
