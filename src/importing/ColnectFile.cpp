#include "importing/ColnectFile.h"

#include "importing/ImportText.h"
#include "storage/folder/FileErrorReason.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr QByteArrayView Utf8Mark{"\xef\xbb\xbf"};
constexpr QLatin1String EndLine{"END of Colnect list"};
// The lines about the list before the header; a file whose header is not
// among the first lines is no Colnect list, however long it is.
constexpr int MaxLinesBeforeHeader = 12;

// The file is read in pieces of this size into one buffer that holds the
// record being read and what follows it.
constexpr qint64 ChunkSize = 1 << 20;

// Splits one record (quotes balanced, line end removed) into its fields, which
// view text. A doubled quote inside a quoted field is one quote; unquoting
// never lengthens a field, so it is done in place. The record is decoded
// whole: quotes and commas are the same in UTF-8 and in the text. False when
// the record is not UTF-8.
bool splitRecord(QByteArrayView record, QString &text, std::vector<QStringView> &fields)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    text.resize(utf8.requiredSpace(record.size()));
    QChar *const chars = text.data();
    const qsizetype size = utf8.appendToBuffer(chars, record) - chars;
    if (utf8.hasError())
        return false;
    fields.clear();
    bool quoted = false;
    qsizetype written = 0;
    qsizetype fieldStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = chars[i];
        if (quoted) {
            if (c != u'"') {
                chars[written++] = c;
            } else if (i + 1 < size && chars[i + 1] == u'"') {
                chars[written++] = c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields.emplace_back(chars + fieldStart, written - fieldStart);
            fieldStart = written;
        } else {
            chars[written++] = c;
        }
    }
    fields.emplace_back(chars + fieldStart, written - fieldStart);
    return true;
}

bool isBlank(QByteArrayView record)
{
    return std::all_of(record.begin(), record.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    });
}

// Quotes outside of doubled ones toggle; an odd count leaves a field open.
bool opensField(QByteArrayView line, bool open)
{
    for (const char c : line) {
        if (c == '"')
            open = !open;
    }
    return open;
}

QString noHeader()
{
    return ImportText::tr(
        "geen lijst uit Colnect: de kopregel met Name, Country, Catalog Codes en Link ontbreekt");
}

} // namespace

const QStringList &ColnectFile::requiredColumns()
{
    static const QStringList columns = {QStringLiteral("Name"), QStringLiteral("Country"),
                                        QStringLiteral("Catalog Codes"), QStringLiteral("Link")};
    return columns;
}

StorageResult ColnectFile::read(const QString &path, const Handler &handler)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StorageResult::failure(FileErrorReason::of(file));
    return read(file, handler);
}

StorageResult ColnectFile::readBytes(const QByteArray &bytes, const Handler &handler)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, handler);
}

StorageResult ColnectFile::read(QIODevice &device, const Handler &handler)
{
    const auto refused = [](const QString &reason) { return StorageResult::failure(reason); };
    const qint64 size = std::max<qint64>(device.size(), 1);
    // The part of the file not yet handled: it begins with the record being read.
    QByteArray buffer;
    qsizetype recordAt = 0;
    qsizetype lineAt = 0;  // where the next line begins
    qsizetype scanned = 0; // no line end lies between lineAt and here
    qint64 dropped = 0;    // the bytes of the file before the buffer
    bool allRead = false;
    // The next line with its line end; empty at the end of the file.
    const auto nextLine = [&]() -> QByteArrayView {
        for (;;) {
            const qsizetype end = buffer.indexOf('\n', std::max(lineAt, scanned));
            if (end >= 0 || allRead) {
                const qsizetype from = lineAt;
                lineAt = end >= 0 ? end + 1 : buffer.size();
                scanned = lineAt;
                return QByteArrayView(buffer).sliced(from, lineAt - from);
            }
            scanned = buffer.size();
            buffer.remove(0, recordAt);
            dropped += recordAt;
            lineAt -= recordAt;
            scanned -= recordAt;
            recordAt = 0;
            const qsizetype kept = buffer.size();
            buffer.resize(kept + ChunkSize);
            const qint64 got = device.read(buffer.data() + kept, ChunkSize);
            buffer.resize(kept + std::max<qint64>(got, 0));
            allRead = got <= 0;
        }
    };
    QString text;
    std::vector<QStringView> fields;
    qsizetype columns = 0; // 0: before the header
    qint64 line = 0;
    qint64 recordLine = 0;
    bool open = false;
    bool ended = false;
    int rowsSinceProgress = 0;
    // A binary file says so in its first bytes, before any line of it is read.
    if (device.peek(4096).contains('\0'))
        return refused(ImportText::tr("het bestand is geen tekst"));
    while (!ended) {
        QByteArrayView physical = nextLine();
        if (physical.isEmpty())
            break;
        ++line;
        if (physical.contains('\0'))
            return refused(ImportText::tr("het bestand is geen tekst"));
        if (line == 1 && physical.startsWith(Utf8Mark)) {
            physical = physical.sliced(Utf8Mark.size());
            recordAt += Utf8Mark.size();
        }
        if (!open)
            recordLine = line;
        open = opensField(physical, open);
        if (open)
            continue;
        QByteArrayView record = QByteArrayView(buffer).sliced(recordAt, lineAt - recordAt);
        recordAt = lineAt;
        while (record.endsWith('\n') || record.endsWith('\r'))
            record.chop(1);
        if (isBlank(record))
            continue;
        if (!splitRecord(record, text, fields))
            return refused(ImportText::tr("regel %1 is geen UTF-8-tekst").arg(recordLine));
        if (columns == 0) {
            // The header is the first line that names the column Name.
            if (std::find(fields.begin(), fields.end(), QLatin1String("Name")) == fields.end()) {
                if (recordLine > MaxLinesBeforeHeader)
                    return refused(noHeader());
                continue;
            }
            QStringList header;
            for (const QStringView field : fields)
                header.append(field.toString());
            QStringList missing;
            for (const QString &column : requiredColumns()) {
                if (!header.contains(column))
                    missing.append(column);
            }
            if (!missing.isEmpty())
                return refused(ImportText::tr("geen lijst uit Colnect: de kolommen %1 ontbreken")
                                   .arg(missing.join(QStringLiteral(", "))));
            columns = header.size();
            if (handler.header)
                handler.header(header);
            continue;
        }
        if (fields.front().startsWith(EndLine)) {
            ended = true;
            continue;
        }
        if (static_cast<qsizetype>(fields.size()) != columns)
            return refused(ImportText::tr("regel %1 heeft %2 velden in plaats van %3")
                               .arg(recordLine)
                               .arg(fields.size())
                               .arg(columns));
        if (handler.row && !handler.row(fields))
            return StorageResult::success();
        if (++rowsSinceProgress == 1000) {
            rowsSinceProgress = 0;
            if (handler.progress && !handler.progress(static_cast<double>(dropped + lineAt) / size))
                return StorageResult::success();
        }
    }
    if (open)
        return refused(
            ImportText::tr("het bestand houdt op midden in een veld (vanaf regel %1)").arg(recordLine));
    if (columns == 0)
        return refused(noHeader());
    if (!ended)
        return refused(
            ImportText::tr("het bestand is niet compleet: de regel \"END of Colnect list\" ontbreekt"));
    return StorageResult::success();
}
