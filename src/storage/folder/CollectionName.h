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
// Names are taken in Unicode NFC: a file name written decomposed ("e" and a
// combining accent, as some systems store them) is the same name as the
// composed one.
QString normalized(const QString &name);
// Whether two spellings name one collection: compared in NFC, without regard
// to letter case, as the collector's files were made on a system where
// "Belgie" and "belgie" are one file.
bool sameCollection(const QString &left, const QString &right);

} // namespace CollectionName
