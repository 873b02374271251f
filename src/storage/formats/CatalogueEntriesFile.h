#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

class CatalogueEntries;

// The catalogue numbers of a collection's stamps in other systems: one entry
// a line, year TAB Cat.nr. TAB system TAB number TAB value TAB edition, in
// Windows-1252 with CR LF. Where the file lies is the collection's business.
namespace CatalogueEntriesFile {

struct ReadResult {
    StorageResult result;
    // Lines that could not be read (too few or too many fields, no system or
    // number, bytes no text holds); the others were read.
    qsizetype damagedLines = 0;
};

// No file gives no entries.
ReadResult read(const QString &path, CatalogueEntries &entries);
// The file's bytes read into entries (replacing them); returns the lines
// that could not be read.
qsizetype parse(QByteArray bytes, CatalogueEntries &entries);
// The bytes of the file, handed to sink a piece at a time while it returns true.
void serializeInPieces(const CatalogueEntries &entries, const std::function<bool(QByteArrayView)> &sink);
QByteArray serialized(const CatalogueEntries &entries);
// Writes the entries ordered by year and Cat.nr.; no entries removes the file.
StorageResult write(const QString &path, const CatalogueEntries &entries);

} // namespace CatalogueEntriesFile
