#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class ProgramFolder;
class RecordList;

// The collection file: the maker line, the collection's name, the separator
// line, then per record its twelve fields and a separator line.
namespace CollectionFile {

// 28 bytes in Windows-1252; the registered sign is byte 0xAE.
inline constexpr QLatin1String MakerLine{"Tessaron2 Zegelarchief\xae 2.00"};
inline constexpr QLatin1String SeparatorLine{"----------------------------"};

struct Contents {
    bool headerComplete = false; // false: fewer than three lines could be read
    std::optional<QString> name; // line 2, when it could be read
    std::vector<StampRecord> records;
};

Contents parse(QByteArrayView bytes);
QByteArray serialize(const QString &name, const std::vector<StampRecord> &records);
// The same bytes in consecutive pieces of a few thousand records, handed to
// sink; stops as soon as sink returns false.
void serializeInPieces(const QString &name, const std::vector<StampRecord> &records,
                       const std::function<bool(QByteArrayView piece)> &sink);

} // namespace CollectionFile

// Empties the list, then fills it from Verzameling/<name>.col. When the header
// can be read, collectionName becomes line 2 of the file.
StorageResult LoadCollection(const ProgramFolder &folder, const QString &name, RecordList &list,
                             QString &collectionName);
// Writes all rows of the list to Verzameling/<name>.col, replacing it atomically.
StorageResult SaveCollection(const ProgramFolder &folder, const QString &name, const RecordList &list);
