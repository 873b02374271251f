#pragma once

#include <QString>

namespace CollectionName {

// A name becomes a file and a folder name inside the collection folder, so it
// may not contain a path separator, a character that Windows forbids in file
// names, a control character (C0, DEL or C1) or a character outside Windows-1252, nor begin
// with "." (hidden files, and the program's own folders).
bool isValid(const QString &name);
// The name with each character that isValid refuses, and a leading dot,
// replaced by "_": a name the program accepts for a file it would now refuse.
QString repaired(const QString &name);

} // namespace CollectionName
