#pragma once

#include "storage/StorageResult.h"

#include <QString>
#include <QStringList>

// The want list's ranges of a collection, one a line, in Windows-1252 with
// CR LF. Where it lies is the collection's business; an empty path is that
// of a name that can have no want list.
namespace WantListFile {

// No file yet gives no ranges.
StorageResult read(const QString &path, QStringList &ranges);
StorageResult write(const QString &path, const QStringList &ranges);

} // namespace WantListFile
