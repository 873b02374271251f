#include "storage/formats/CatalogueEntriesFile.h"

#include "storage/StorageText.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/folder/TextFile.h"
#include "storage/text/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

constexpr int FieldCount = 6;

// Control characters other than TAB, and the five bytes the code page leaves
// undefined, are in no text a collector typed: the line is damaged.
bool isForeignByte(unsigned char byte)
{
    return (byte < 0x20 && byte != '\t') || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
           byte == 0x90 || byte == 0x9D;
}

// The line's fields; false when it has not exactly six, or no system or number.
bool splitLine(QByteArrayView line, std::array<QByteArrayView, FieldCount> &fields)
{
    int field = 0;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= line.size(); ++at) {
        if (at < line.size() && line[at] != '\t') {
            if (isForeignByte(static_cast<unsigned char>(line[at])))
                return false;
            continue;
        }
        if (field == FieldCount)
            return false;
        fields[static_cast<size_t>(field++)] = line.sliced(start, at - start);
        start = at + 1;
    }
    return field == FieldCount && !fields[2].trimmed().isEmpty() && !fields[3].trimmed().isEmpty();
}

} // namespace

namespace CatalogueEntriesFile {

ReadResult read(const QString &path, CatalogueEntries &entries)
{
    entries.clear();
    ReadResult read;
    if (!QFileInfo::exists(path))
        return read;
    QByteArray bytes;
    read.result = TextFile::readBytes(path, bytes);
    if (read.result)
        read.damagedLines = parse(bytes, entries);
    return read;
}

qsizetype parse(QByteArrayView all, CatalogueEntries &entries)
{
    entries.clear();
    qsizetype damagedLines = 0;
    // Lines of one stamp usually follow each other (the file is written so):
    // their entries are gathered before the stamp goes in.
    QByteArrayView stampBytes;
    QString key;
    QString packed;
    const auto keep = [&] {
        if (!packed.isEmpty())
            entries.setPacked(key, entries.packedOf(key).isEmpty() ? packed
                                                                   : entries.packedOf(key) + u'\n' + packed);
        packed.clear();
    };
    std::array<QByteArrayView, FieldCount> fields;
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != '\r' && all[end] != '\n')
            ++end;
        const QByteArrayView line = all.sliced(start, end - start);
        start = end + 1;
        if (end < all.size() && all[end] == '\r' && start < all.size() && all[start] == '\n')
            ++start;
        if (line.trimmed().isEmpty())
            continue;
        if (!splitLine(line, fields)) {
            ++damagedLines;
            continue;
        }
        // Year and Cat.nr. as one view: the bytes up to the second TAB.
        const QByteArrayView lineStamp = line.first(fields[0].size() + 1 + fields[1].size());
        if (lineStamp != stampBytes) {
            keep();
            stampBytes = lineStamp;
            key = CatalogueEntries::keyOf(Windows1252::decode(fields[0]), Windows1252::decode(fields[1]));
        }
        if (!packed.isEmpty())
            packed.append(u'\n');
        packed.append(Windows1252::decode(line.sliced(lineStamp.size() + 1)));
    }
    keep();
    return damagedLines;
}

StorageResult write(const QString &path, const CatalogueEntries &entries)
{
    if (entries.isEmpty()) {
        QFile old(path);
        if (old.exists() && !old.remove())
            return StorageResult::failure(FileErrorReason::of(old));
        return StorageResult::success();
    }
    const QString parent = QFileInfo(path).path();
    if (!QDir().mkpath(parent))
        return StorageResult::failure(StorageText::tr("map kon niet worden aangemaakt: %1").arg(parent));
    return TextFile::writePieces(path, [&](const TextFile::Sink &sink) { serializeInPieces(entries, sink); });
}

void serializeInPieces(const CatalogueEntries &entries, const std::function<bool(QByteArrayView)> &sink)
{
    std::vector<std::pair<QString, QString>> stamps;
    stamps.reserve(static_cast<size_t>(entries.stampCount()));
    entries.forEachPacked(
        [&](const QString &key, const QString &packed) { stamps.emplace_back(key, packed); });
    std::sort(stamps.begin(), stamps.end(),
              [](const auto &left, const auto &right) { return left.first < right.first; });
    QString text;
    for (const auto &[key, packed] : stamps) {
        for (const QStringView line : QStringView(packed).tokenize(u'\n'))
            text.append(key).append(u'\t').append(line).append(QStringLiteral("\r\n"));
        if (text.size() >= 1 << 16) {
            if (!sink(Windows1252::encode(text)))
                return;
            text.clear();
        }
    }
    if (!text.isEmpty())
        sink(Windows1252::encode(text));
}

QByteArray serialized(const CatalogueEntries &entries)
{
    QByteArray bytes;
    serializeInPieces(entries, [&bytes](QByteArrayView piece) {
        bytes.append(piece);
        return true;
    });
    return bytes;
}

} // namespace CatalogueEntriesFile
