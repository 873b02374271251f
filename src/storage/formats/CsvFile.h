#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class CatalogueEntries;

// Spreadsheet exchange. Writing gives what a spreadsheet with Dutch settings
// opens as it stands: UTF-8 with a byte-order mark, ";" between fields, every
// field quoted, CR LF after every row, and a header row with the list's column
// headers. Reading takes what spreadsheets write back: with or without the
// mark, ";", "," or TAB between fields, quoted or not, any line end, and
// Windows-1252 when the bytes are not UTF-8. With the stamps' numbers in other
// catalogue systems, a column follows per system in use, named after it, its
// cells in CatalogueCell's form.
namespace CsvFile {

QByteArray serialize(RecordSpan records, const CatalogueEntries *entries = nullptr);
// Any table the same way, its first row as the header.
QByteArray serializeRows(const std::vector<QStringList> &rows);
StorageResult write(const QString &path, RecordSpan records, const CatalogueEntries *entries = nullptr);

struct [[nodiscard]] Table {
    QChar separator = u';';
    // Rows as read, fields unchanged (line breaks inside quoted fields kept);
    // empty lines give no row.
    std::vector<QStringList> rows;

    int columnCount() const;
};

Table parse(QByteArrayView bytes);
StorageResult read(const QString &path, Table &table);

} // namespace CsvFile
