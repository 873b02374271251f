#pragma once

#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"

#include <QString>
#include <QStringList>

// The want list's ranges of a collection, one a line, kept beside the
// collection file as Verzameling/.mancolijst/<name>.txt. The name is matched
// exactly: names that differ only in letter case are two collections.
namespace WantListFile {

// Empty for a name that is no valid collection name.
QString path(const ProgramFolder &folder, const QString &collectionName);
// No file yet gives no ranges.
StorageResult read(const ProgramFolder &folder, const QString &collectionName, QStringList &ranges);
StorageResult write(const ProgramFolder &folder, const QString &collectionName, const QStringList &ranges);
// After the collection was saved under a new name, its ranges go along; the
// collection's old name keeps its own. Without ranges nothing is written.
StorageResult carryOver(const ProgramFolder &folder, const QString &from, const QString &to);

} // namespace WantListFile
