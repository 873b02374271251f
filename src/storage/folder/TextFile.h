#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Line-based Windows-1252 text files. A line ends at CR LF, a lone CR or a lone
// LF; a last line without an ending still counts. Writing puts CR LF after every
// line and replaces the file atomically: a failed write leaves the old file.
namespace TextFile {

// Files larger than this are refused rather than read into memory.
inline constexpr qint64 MaxReadSize = qint64(512) * 1024 * 1024;

// The whole content of a regular file. Folders, pipes and devices are refused,
// so that no read waits for a writer or runs on without end.
StorageResult readBytes(const QString &path, QByteArray &bytes);
QStringList splitLines(QByteArrayView bytes);
StorageResult readLines(const QString &path, QStringList &lines);
QByteArray joinLines(const QStringList &lines);
StorageResult writeBytes(const QString &path, const QByteArray &bytes);
// Writes the pieces that produce hands to its sink one after another; a large
// file need not be held in memory whole. produce stops when the sink fails.
using Sink = std::function<bool(QByteArrayView piece)>;
StorageResult writePieces(const QString &path, const std::function<void(const Sink &sink)> &produce);
StorageResult writeLines(const QString &path, const QStringList &lines);

} // namespace TextFile
