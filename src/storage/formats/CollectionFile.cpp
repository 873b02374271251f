#include "storage/formats/CollectionFile.h"

#include "storage/StorageText.h"
#include "storage/folder/ContentHash.h"
#include "storage/folder/FileFingerprint.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/RecordParts.h"
#include "storage/text/LineReader.h"
#include "storage/text/SharedTexts.h"
#include "storage/text/Trim.h"
#include "storage/text/Windows1252.h"

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

// Reads the three header lines; line 2 goes to name when asked for. False when
// the file ends before the header does.
bool readHeader(LineReader &lines, std::optional<QString> *name)
{
    for (int header = 0; header < HeaderLines; ++header) {
        if (lines.atEnd())
            return false;
        const QByteArrayView line = lines.next();
        if (header == 1 && name)
            *name = Windows1252::decode(line);
    }
    return true;
}

// Hands each field line of each record to field(index, line, blankSoFar),
// which says whether the field is blank, and then ends the record with
// endRecord(allBlank). A file that ends inside a record ends that record.
template <typename Field, typename EndRecord>
void walkRecords(LineReader &lines, Field field, EndRecord endRecord)
{
    while (!lines.atEnd()) {
        bool allBlank = true;
        for (int index = 0; index < StampRecord::FieldCount && !lines.atEnd(); ++index)
            allBlank = field(index, lines.next(), allBlank) && allBlank;
        if (!lines.atEnd())
            lines.next(); // the separator line
        // Only stray blank lines are dropped; a record with a blank year is kept.
        endRecord(allBlank);
    }
}

constexpr int RecordLines = StampRecord::FieldCount + 1;

size_t countInBody(QByteArrayView body)
{
    LineReader lines(body);
    size_t count = 0;
    walkRecords(
        lines,
        [](int, QByteArrayView line, bool blankSoFar) {
            // Once a field holds something, the record counts whatever follows.
            return blankSoFar && isBlankLine(line);
        },
        [&count](bool allBlank) { count += allBlank ? 0 : 1; });
    return count;
}

size_t parseBody(QByteArrayView body, std::span<StampRecord> records)
{
    LineReader lines(body);
    std::array<SharedTexts, StampRecord::FieldCount> fieldTexts;
    // Fields go straight to their place; a record beyond those counted, which
    // never comes, would go to spare instead.
    StampRecord spare;
    size_t filled = 0;
    const auto current = [&]() -> StampRecord & { return filled < records.size() ? records[filled] : spare; };
    walkRecords(
        lines,
        [&](int field, QByteArrayView line, bool) {
            QString &text = current()[field];
            text = fieldTexts[static_cast<size_t>(field)].text(line);
            return isBlank(text);
        },
        [&](bool allBlank) {
            if (allBlank || filled == records.size())
                current() = {};
            else
                ++filled;
        });
    return filled;
}

} // namespace

namespace CollectionFile {

Contents parse(QByteArrayView bytes)
{
    Contents contents;
    LineReader lines(bytes);
    if (!readHeader(lines, &contents.name))
        return contents;
    contents.headerComplete = true;
    const QByteArrayView body(lines.position(), bytes.data() + bytes.size() - lines.position());
    contents.records = RecordParts::parse(
        body, RecordLines, [](QByteArrayView part) { return static_cast<size_t>(countInBody(part)); },
        parseBody);
    return contents;
}

qsizetype countRecords(QByteArrayView bytes)
{
    LineReader lines(bytes);
    if (!readHeader(lines, nullptr))
        return 0;
    return static_cast<qsizetype>(
        countInBody(QByteArrayView(lines.position(), bytes.data() + bytes.size() - lines.position())));
}

QByteArray serialize(const QString &name, RecordSpan records)
{
    QByteArray bytes;
    serializeInPieces(name, records, [&bytes](QByteArrayView piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

std::vector<int> rowsNotKeptExactly(RecordSpan records)
{
    const auto lineSafe = [](const QString &field) {
        return std::all_of(field.begin(), field.end(), [](QChar c) {
            const char16_t u = c.unicode();
            if (u < 0x80)
                return u != u'\r' && u != u'\n';
            return (u >= 0xA0 && u <= 0xFF) || Windows1252::canEncode(c);
        });
    };
    std::vector<int> rows;
    for (size_t row = 0; row < records.size(); ++row) {
        const StampRecord &record = records[row];
        const QString &year = record[StampRecord::Year];
        const bool exact = trimmedSpaces(year).size() == year.size() &&
                           !std::all_of(record.fields.begin(), record.fields.end(),
                                        [](const QString &field) { return isBlank(field); }) &&
                           std::all_of(record.fields.begin(), record.fields.end(), lineSafe);
        if (!exact)
            rows.push_back(static_cast<int>(row));
    }
    return rows;
}

void serializeInPieces(const QString &name, RecordSpan records,
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

StorageResult read(const QString &path, Contents &contents, FileFingerprint *fingerprint)
{
    contents = {};
    QByteArray bytes;
    const StorageResult result = TextFile::readBytes(path, bytes);
    if (!result)
        return result;
    if (fingerprint)
        *fingerprint = FileFingerprint::of(path, bytes);
    contents = parse(bytes);
    if (!contents.headerComplete)
        return StorageResult::failure(StorageText::tr("Het bestand is te kort."));
    return result;
}

StorageResult readRecords(const QString &path, std::vector<StampRecord> &records)
{
    Contents contents;
    const StorageResult result = read(path, contents);
    records = std::move(contents.records);
    return result;
}

StorageResult write(const QString &path, const QString &name, RecordSpan records,
                    FileFingerprint *fingerprint)
{
    ContentHash hash;
    qint64 size = 0;
    const StorageResult result = TextFile::writePieces(path, [&](const TextFile::Sink &sink) {
        serializeInPieces(name, records, [&](QByteArrayView piece) {
            if (fingerprint) {
                hash.add(piece);
                size += piece.size();
            }
            return sink(piece);
        });
    });
    if (result && fingerprint)
        *fingerprint = FileFingerprint::of(path, size, hash.result());
    return result;
}

} // namespace CollectionFile
