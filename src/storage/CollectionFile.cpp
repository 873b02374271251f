#include "storage/CollectionFile.h"

#include "storage/ProgramFolder.h"
#include "storage/RecordList.h"
#include "storage/TextFile.h"
#include "storage/Trim.h"
#include "storage/Windows1252.h"

#include <algorithm>

namespace {

constexpr int HeaderLines = 3;
constexpr int LinesPerRecord = StampRecord::FieldCount + 1;

// A field always stays on its own line: a line break inside it becomes a space.
QString singleLine(const QString &field)
{
    if (!field.contains(u'\r') && !field.contains(u'\n'))
        return field;
    QString line = field;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

void appendLine(QByteArray &bytes, QStringView line)
{
    bytes += Windows1252::encode(line);
    bytes += "\r\n";
}

// The fixed lines are Latin-1, which is Windows-1252 for every byte they hold.
void appendLine(QByteArray &bytes, QLatin1String line)
{
    bytes.append(line.data(), line.size());
    bytes += "\r\n";
}

} // namespace

namespace CollectionFile {

Contents parse(QByteArrayView bytes)
{
    const QStringList lines = TextFile::splitLines(bytes);
    Contents contents;
    if (lines.size() >= 2)
        contents.name = lines.at(1);
    if (lines.size() < HeaderLines)
        return contents;
    contents.headerComplete = true;

    const qsizetype lineCount = lines.size();
    contents.records.reserve(static_cast<size_t>((lineCount - HeaderLines) / LinesPerRecord + 1));
    for (qsizetype first = HeaderLines; first < lineCount; first += LinesPerRecord) {
        StampRecord record;
        bool allBlank = true;
        const qsizetype available = std::min<qsizetype>(StampRecord::FieldCount, lineCount - first);
        for (qsizetype field = 0; field < available; ++field) {
            record[static_cast<int>(field)] = lines.at(first + field);
            allBlank = allBlank && isBlank(record[static_cast<int>(field)]);
        }
        // Only stray blank lines are dropped; a record with a blank year is kept.
        if (!allBlank)
            contents.records.push_back(std::move(record));
    }
    return contents;
}

QByteArray serialize(const QString &name, const std::vector<StampRecord> &records)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(64 + records.size() * 160));
    appendLine(bytes, MakerLine);
    appendLine(bytes, singleLine(name));
    appendLine(bytes, SeparatorLine);
    for (const StampRecord &record : records) {
        appendLine(bytes, singleLine(trimSpaces(record[StampRecord::Year])));
        for (int field = StampRecord::CatalogueNumber; field < StampRecord::FieldCount; ++field)
            appendLine(bytes, singleLine(record[field]));
        appendLine(bytes, SeparatorLine);
    }
    return bytes;
}

} // namespace CollectionFile

StorageResult LoadCollection(const ProgramFolder &folder, const QString &name, RecordList &list,
                             QString &collectionName)
{
    list.clear();
    QByteArray bytes;
    const StorageResult read = TextFile::readBytes(folder.collectionFile(name), bytes);
    if (!read)
        return read;

    CollectionFile::Contents contents = CollectionFile::parse(bytes);
    if (contents.name)
        collectionName = *contents.name;
    if (!contents.headerComplete)
        return StorageResult::failure(QStringLiteral("Het bestand is te kort."));
    list.assign(std::move(contents.records));
    return StorageResult::success();
}

StorageResult SaveCollection(const ProgramFolder &folder, const QString &name, const RecordList &list)
{
    return TextFile::writeBytes(folder.collectionFile(name), CollectionFile::serialize(name, list.records()));
}
