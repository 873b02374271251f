#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <vector>

class QIODevice;

// A stamp list exported from Colnect: UTF-8 (with a byte-order mark), comma
// separated, quoted where needed; a few lines about the list, a blank line,
// the header, the rows, then blank lines and a line "END of Colnect list...".
// Read as a stream, row by row, so memory does not grow with the file; a
// row's fields are views into one buffer that the next row reuses.
// Columns are found by their header name: other categories and later exports
// order them differently.
class ColnectFile {
public:
    // Without these a list cannot be imported.
    static const QStringList &requiredColumns();

    struct Handler {
        // Once, before the first row: the header's column names.
        std::function<void(const QStringList &columns)> header;
        // Each row, a text per column of the header, valid during the call;
        // false stops reading.
        std::function<bool(const std::vector<QStringView> &fields)> row;
        // Now and then, the part of the file read (0 to 1); false stops reading.
        std::function<bool(double done)> progress;
    };

    // Refuses what is not such a list: bytes that are not UTF-8 text, a header
    // without the required columns, a row whose fields do not match the
    // header, a file that ends inside a quoted field or without its END line.
    static StorageResult read(const QString &path, const Handler &handler);
    static StorageResult readBytes(const QByteArray &bytes, const Handler &handler);

private:
    static StorageResult read(QIODevice &device, const Handler &handler);
};
