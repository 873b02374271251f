#include "storage/TextFile.h"

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
    const QString text = Windows1252::decode(bytes);
    QStringList lines;
    const qsizetype size = text.size();
    const QChar *data = text.constData();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
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
    QSaveFile file(path);
    // Unbuffered, so that every write reports what it wrote: a buffered write
    // that fails part-way at the final flush, on a full disk, would still be
    // committed in place of the old file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return StorageResult::failure(file.errorString());
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return StorageResult::failure(reason);
        }
        written += chunk;
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
