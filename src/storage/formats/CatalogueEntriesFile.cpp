#include "storage/formats/CatalogueEntriesFile.h"

#include "storage/StorageText.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/folder/TextFile.h"
#include "storage/text/ParallelParts.h"
#include "storage/text/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace {

constexpr int FieldCount = 6;
// Written in pieces of about this size.
constexpr qsizetype PieceBytes = 1 << 16;

// What each byte means to a line: most are text. Control characters other
// than TAB, and the five bytes the code page leaves undefined, are in no text
// a collector typed: their line is damaged.
enum ByteKind : quint8 { Text, Space, Tab, LineEnd, Foreign };

constexpr std::array<ByteKind, 256> byteKinds()
{
    std::array<ByteKind, 256> kinds{};
    for (int byte = 0; byte < 0x20; ++byte)
        kinds[byte] = Foreign;
    for (const int byte : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D})
        kinds[byte] = Foreign;
    kinds['\t'] = Tab;
    kinds['\r'] = LineEnd;
    kinds['\n'] = LineEnd;
    kinds[' '] = Space;
    return kinds;
}

constexpr std::array<ByteKind, 256> ByteKinds = byteKinds();

QByteArrayView trimmedSpaces(QByteArrayView text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

// A file this large is read in parts at once.
constexpr qsizetype PartBytes = 1 << 20;

struct PartRead {
    std::vector<CatalogueEntries::ReadStamp> stamps;
    // Lines whose year has spaces around it: their key is not their bytes.
    std::vector<CatalogueEntries::Stamp> others;
    qsizetype damagedLines = 0;
};

// The stamps of the whole lines of bytes from..to: the lines of one stamp that
// follow each other are one.
PartRead readPart(QByteArrayView bytes, qsizetype from, qsizetype to)
{
    PartRead read;
    read.stamps.reserve(static_cast<size_t>((to - from) / 100));
    CatalogueEntries::ReadStamp *current = nullptr;
    // One pass over each line finds its end, its TABs and any byte no text holds.
    const char *const begin = bytes.data();
    const char *at = begin + from;
    const char *const end = begin + to;
    while (at < end) {
        const char *const lineStart = at;
        std::array<const char *, FieldCount> tabs{};
        int tabCount = 0;
        bool foreign = false;
        bool blank = true;
        for (; at < end; ++at) {
            const ByteKind kind = ByteKinds[static_cast<unsigned char>(*at)];
            if (kind == Text) {
                blank = false;
            } else if (kind == Tab) {
                if (tabCount < FieldCount)
                    tabs[static_cast<size_t>(tabCount)] = at;
                ++tabCount;
            } else if (kind == LineEnd) {
                break;
            } else if (kind == Foreign) {
                foreign = true;
                blank = false;
            }
        }
        const char *const lineEnd = at;
        if (at < end)
            at += (*at == '\r' && at + 1 < end && at[1] == '\n') ? 2 : 1;
        const auto field = [&](int index) {
            const char *start = index == 0 ? lineStart : tabs[static_cast<size_t>(index - 1)] + 1;
            const char *stop = index == FieldCount - 1 ? lineEnd : tabs[static_cast<size_t>(index)];
            return QByteArrayView(start, stop - start);
        };
        const bool damaged =
            !blank && (foreign || tabCount != FieldCount - 1 || trimmedSpaces(field(2)).isEmpty() ||
                       trimmedSpaces(field(3)).isEmpty());
        if (blank || damaged) {
            read.damagedLines += damaged ? 1 : 0;
            // A stamp's lines lie together, with nothing between them.
            current = nullptr;
            continue;
        }
        const QByteArrayView year = field(0);
        if (trimmedSpaces(year).size() != year.size()) {
            read.others.push_back(
                {CatalogueEntries::keyOf(Windows1252::decode(year), Windows1252::decode(field(1))),
                 Windows1252::decode(QByteArrayView(tabs[1] + 1, lineEnd - tabs[1] - 1))});
            current = nullptr;
            continue;
        }
        const qsizetype keyLength = tabs[1] - lineStart;
        if (current && current->keyLength == keyLength &&
            std::equal(lineStart, tabs[1], begin + current->at)) {
            current->length = at - (begin + current->at);
        } else {
            read.stamps.push_back({lineStart - begin, keyLength, at - lineStart});
            current = &read.stamps.back();
        }
    }
    return read;
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
        read.damagedLines = parse(std::move(bytes), entries);
    return read;
}

qsizetype parse(QByteArray bytes, CatalogueEntries &entries)
{
    // A large file is read in parts at once, cut at line ends; a stamp whose
    // lines fall in two parts is joined again by fromFile.
    const qsizetype size = bytes.size();
    const size_t parts = size < PartBytes ? 1 : static_cast<size_t>(ParallelParts::cores());
    std::vector<qsizetype> cuts{0};
    for (size_t part = 1; part < parts; ++part) {
        qsizetype cut =
            std::max(cuts.back(), size * static_cast<qsizetype>(part) / static_cast<qsizetype>(parts));
        while (cut < size && bytes[cut - 1] != '\n')
            ++cut;
        cuts.push_back(cut);
    }
    cuts.push_back(size);
    std::vector<PartRead> read(parts);
    ParallelParts::run(parts, [&](size_t part) { read[part] = readPart(bytes, cuts[part], cuts[part + 1]); });
    std::vector<CatalogueEntries::ReadStamp> stamps = std::move(read.front().stamps);
    std::vector<CatalogueEntries::Stamp> others = std::move(read.front().others);
    qsizetype damagedLines = read.front().damagedLines;
    for (size_t part = 1; part < parts; ++part) {
        stamps.insert(stamps.end(), read[part].stamps.begin(), read[part].stamps.end());
        others.insert(others.end(), std::make_move_iterator(read[part].others.begin()),
                      std::make_move_iterator(read[part].others.end()));
        damagedLines += read[part].damagedLines;
    }
    entries = CatalogueEntries::fromFile(std::move(bytes), std::move(stamps), std::move(others));
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
    // The lines as the entries hold them, every line end made CR LF.
    QByteArray piece;
    entries.forEachAsLines([&](QByteArrayView lines) {
        qsizetype start = 0;
        while (start < lines.size()) {
            qsizetype end = start;
            while (end < lines.size() && lines[end] != '\r' && lines[end] != '\n')
                ++end;
            if (end > start)
                piece.append(lines.sliced(start, end - start)).append("\r\n", 2);
            start = end + 1;
        }
        if (piece.size() < PieceBytes)
            return true;
        const bool going = sink(piece);
        piece.resize(0);
        return going;
    });
    if (!piece.isEmpty())
        sink(piece);
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
