#pragma once

#include "storage/StorageResult.h"

#include <QString>

class ProgramFolder;

// A file the command-line program writes where it is told to (a CSV export, a
// PDF). An existing file is overwritten only when the collector says so, and a
// collection or old-data file of the collection folder (versions included)
// never, also not through a symbolic link. A link is replaced, never written through.
namespace OutputFile {

StorageResult mayWrite(const ProgramFolder &folder, const QString &path, bool force);
// An output file that is a symbolic link becomes a file of its own: the link
// goes, and what it pointed at (a stamp picture, say) stays as it is.
StorageResult replaceLink(const QString &path);

} // namespace OutputFile
