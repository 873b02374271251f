#pragma once

#include "storage/StorageResult.h"

#include <QString>
#include <QStringList>

// The word-list files of the data folder: one entry per line. Each reader of the
// program treats blank and padded lines its own way. A missing or unreadable
// file gives no entries.
namespace LookupList {

// Main window combo boxes: every line verbatim, blank lines included.
QStringList readVerbatim(const QString &path);
// New-collection choice list: each line trimmed; blank lines become blank entries.
QStringList readTrimmed(const QString &path);
// Word-list editor: lines blank after trimming are skipped, others kept verbatim.
QStringList readNonBlank(const QString &path);
// Replaces the file with the entries, one per line.
StorageResult write(const QString &path, const QStringList &entries);

} // namespace LookupList
