#include "storage/folder/TextFile.h"

#include "storage/StorageText.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/text/LineReader.h"
#include "storage/text/ParallelParts.h"
#include "storage/text/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <atomic>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Below this one thread reads a file faster than several.
constexpr qint64 SmallestReadPart = 4 * 1024 * 1024;

// Reads the whole open file into bytes, several parts at once: most of the time
// of reading a large file goes to the memory that receives it, which threads
// get at the same time. False when the file is not exactly as long as its size
// said, as when another program changes it meanwhile.
bool readInParts([[maybe_unused]] QFile &file, [[maybe_unused]] QByteArray &bytes)
{
#if defined(Q_OS_UNIX)
    const qint64 size = file.size();
    const auto parts =
        static_cast<size_t>(std::clamp<qint64>(size / SmallestReadPart, 1, ParallelParts::cores()));
    bytes = QByteArray(size, Qt::Uninitialized);
    char *const data = bytes.data();
    std::atomic<bool> complete = true;
    ParallelParts::run(parts, [&](size_t part) {
        qint64 at = size * static_cast<qint64>(part) / static_cast<qint64>(parts);
        const qint64 end = size * static_cast<qint64>(part + 1) / static_cast<qint64>(parts);
        while (at < end && complete) {
            const ssize_t read = pread(file.handle(), data + at, static_cast<size_t>(end - at), at);
            if (read < 0 && errno == EINTR)
                continue;
            if (read <= 0)
                complete = false;
            else
                at += read;
        }
    });
    char beyond;
    return complete && pread(file.handle(), &beyond, 1, size) == 0;
#else
    return false;
#endif
}

} // namespace

namespace TextFile {

StorageResult readBytes(const QString &path, QByteArray &bytes)
{
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return StorageResult::failure(StorageText::tr("Het bestand bestaat niet."));
    if (!info.isFile())
        return StorageResult::failure(StorageText::tr("Dit is geen gewoon bestand."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StorageResult::failure(FileErrorReason::of(file));
    // Checked on the open file: the name may have been given to another since.
    if (file.isSequential() || file.size() > MaxReadSize)
        return StorageResult::failure(StorageText::tr("Het bestand is te groot."));
    if (file.size() >= 2 * SmallestReadPart && readInParts(file, bytes))
        return StorageResult::success();
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return StorageResult::failure(FileErrorReason::of(file));
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
        return StorageResult::failure(FileErrorReason::of(file));
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
        const QString reason = FileErrorReason::of(file);
        file.cancelWriting();
        return StorageResult::failure(reason);
    }
    if (!file.commit())
        return StorageResult::failure(FileErrorReason::of(file));
    return StorageResult::success();
}

StorageResult writeLines(const QString &path, const QStringList &lines)
{
    return writeBytes(path, joinLines(lines));
}

} // namespace TextFile
