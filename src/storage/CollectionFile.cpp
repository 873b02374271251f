#include "storage/CollectionFile.h"

#include "storage/LineReader.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordList.h"
#include "storage/SharedTexts.h"
#include "storage/TextFile.h"
#include "storage/Trim.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <array>

namespace {

constexpr int HeaderLines = 3;
// About half a megabyte of file a piece: large enough for few writes, small
// enough that saving needs no copy of the whole file in memory.
constexpr std::ptrdiff_t RecordsPerPiece = 4096;

// Writes the field and CR LF at out, which has room for field.size() + 2 bytes.
// A field always stays on its own line: a line break inside it becomes a space.
char *putLine(char *out, QStringView field)
{
    out = Windows1252::encodeInto(out, field, Windows1252::LineBreaks::AsSpaces);
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

// The fixed lines are Latin-1, which is Windows-1252 for every byte they hold.
char *putLine(char *out, QLatin1String line)
{
    out = std::copy(line.begin(), line.end(), out);
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

} // namespace

namespace CollectionFile {

Contents parse(QByteArrayView bytes)
{
    Contents contents;
    LineReader lines(bytes);
    for (int header = 0; header < HeaderLines; ++header) {
        if (lines.atEnd())
            return contents;
        const QByteArrayView line = lines.next();
        if (header == 1)
            contents.name = Windows1252::decode(line);
    }
    contents.headerComplete = true;

    // The list grows with the records read, never with a count of line ends:
    // a file of nothing but line ends must not reserve room for millions.
    std::array<SharedTexts, StampRecord::FieldCount> fieldTexts;
    while (!lines.atEnd()) {
        StampRecord &record = contents.records.emplace_back();
        bool allBlank = true;
        // A file that ends inside a record leaves its last fields empty.
        for (int field = 0; field < StampRecord::FieldCount && !lines.atEnd(); ++field) {
            record[field] = fieldTexts[static_cast<size_t>(field)].text(lines.next());
            allBlank = allBlank && isBlank(record[field]);
        }
        if (!lines.atEnd())
            lines.next(); // the separator line
        // Only stray blank lines are dropped; a record with a blank year is kept.
        if (allBlank)
            contents.records.pop_back();
    }
    return contents;
}

QByteArray serialize(const QString &name, const std::vector<StampRecord> &records)
{
    QByteArray bytes;
    serializeInPieces(name, records, [&bytes](QByteArrayView piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

void serializeInPieces(const QString &name, const std::vector<StampRecord> &records,
                       const std::function<bool(QByteArrayView piece)> &sink)
{
    // Every character becomes one byte; a CR LF inside a field only shrinks it.
    const qsizetype fixedLine = SeparatorLine.size() + 2;
    QByteArray piece;
    auto next = records.begin();
    do {
        const auto end = next + std::min<std::ptrdiff_t>(RecordsPerPiece, records.end() - next);
        const bool first = next == records.begin();
        qsizetype size = first ? MakerLine.size() + 2 + name.size() + 2 + fixedLine : 0;
        for (auto record = next; record != end; ++record) {
            for (const QString &field : record->fields)
                size += field.size() + 2;
            size += fixedLine;
        }
        piece.resize(size);
        char *out = piece.data();
        if (first) {
            out = putLine(out, MakerLine);
            out = putLine(out, name);
            out = putLine(out, SeparatorLine);
        }
        for (; next != end; ++next) {
            out = putLine(out, trimmedSpaces((*next)[StampRecord::Year]));
            for (int field = StampRecord::CatalogueNumber; field < StampRecord::FieldCount; ++field)
                out = putLine(out, (*next)[field]);
            out = putLine(out, SeparatorLine);
        }
        if (!sink(QByteArrayView(piece.constData(), out - piece.constData())))
            return;
    } while (next != records.end());
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
    return TextFile::writePieces(folder.collectionFile(name), [&](const TextFile::Sink &sink) {
        CollectionFile::serializeInPieces(name, list.records(), sink);
    });
}
