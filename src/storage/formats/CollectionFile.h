#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class FileFingerprint;

// The collection file: the maker line, the collection's name, the separator
// line, then per record its twelve fields and a separator line.
namespace CollectionFile {

// 28 bytes in Windows-1252; the registered sign is byte 0xAE.
inline constexpr QLatin1String MakerLine{"Tessaron2 Zegelarchief\xae 2.00"};
inline constexpr QLatin1String SeparatorLine{"----------------------------"};

struct [[nodiscard]] Contents {
    bool headerComplete = false; // false: fewer than three lines could be read
    std::optional<QString> name; // line 2, when it could be read
    std::vector<StampRecord> records;
};

Contents parse(QByteArrayView bytes);
// The records parse would give, counted without keeping them.
qsizetype countRecords(QByteArrayView bytes);
QByteArray serialize(const QString &name, RecordSpan records);
// The rows whose records parsing what serialize writes would not give back
// exactly: with a line break inside a field, a character the code page cannot
// hold, a year with spaces around it, or every field blank (left out).
std::vector<int> rowsNotKeptExactly(RecordSpan records);
// The same bytes in consecutive pieces of a few thousand records, handed to
// sink; stops as soon as sink returns false.
void serializeInPieces(const QString &name, RecordSpan records,
                       const std::function<bool(QByteArrayView piece)> &sink);

// Reads and parses the file at path; its fingerprint goes to fingerprint when
// asked for. A file that ends within the header is a failure, with line 2 in
// contents when it could be read.
StorageResult read(const QString &path, Contents &contents, FileFingerprint *fingerprint = nullptr);
// Only the records of the file at path, as read gives them.
StorageResult readRecords(const QString &path, std::vector<StampRecord> &records);
// Writes the records as the collection called name to path, replacing it
// atomically; the fingerprint of what was written goes to fingerprint when asked for.
StorageResult write(const QString &path, const QString &name, RecordSpan records,
                    FileFingerprint *fingerprint = nullptr);

} // namespace CollectionFile
