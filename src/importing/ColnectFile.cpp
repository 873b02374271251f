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

// Splits one record (quotes balanced, line end removed) into its fields.
// A doubled quote inside a quoted field is one quote. The record is decoded
// whole: quotes and commas are the same in UTF-8 and in the text. False when
// the record is not UTF-8.
bool splitRecord(QByteArrayView record, std::vector<QString> &fields)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(record);
    if (utf8.hasError())
        return false;
    fields.clear();
    QString field;
    bool quoted = false;
    const qsizetype size = text.size();
    qsizetype from = 0; // the unquoted run that begins at from goes in as one piece
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                continue;
            field += QStringView(text).sliced(from, i - from);
            if (i + 1 < size && text[i + 1] == u'"') {
                field += u'"';
                from = ++i + 1;
            } else {
                quoted = false;
                from = i + 1;
            }
        } else if (c == u'"' || c == u',') {
            field += QStringView(text).sliced(from, i - from);
            from = i + 1;
            if (c == u'"') {
                quoted = true;
            } else {
                fields.push_back(std::move(field));
                field = QString();
            }
        }
    }
    field += QStringView(text).sliced(from, size - from);
    fields.push_back(std::move(field));
    return true;
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
    QByteArray record;
    std::vector<QString> fields;
    qsizetype columns = 0; // 0: before the header
    qint64 line = 0;
    qint64 recordLine = 0;
    bool open = false;
    bool ended = false;
    int rowsSinceProgress = 0;
    // A binary file says so in its first bytes, before any line of it is read.
    if (device.peek(4096).contains('\0'))
        return refused(ImportText::tr("het bestand is geen tekst"));
    while (!ended && !device.atEnd()) {
        QByteArray physical = device.readLine();
        ++line;
        if (physical.contains('\0'))
            return refused(ImportText::tr("het bestand is geen tekst"));
        if (line == 1 && physical.startsWith(Utf8Mark))
            physical.remove(0, Utf8Mark.size());
        if (!open)
            recordLine = line;
        open = opensField(physical, open);
        record += physical;
        if (open)
            continue;
        while (record.endsWith('\n') || record.endsWith('\r'))
            record.chop(1);
        const bool blank = record.trimmed().isEmpty();
        if (!blank && !splitRecord(record, fields))
            return refused(ImportText::tr("regel %1 is geen UTF-8-tekst").arg(recordLine));
        record.clear();
        if (blank)
            continue;
        if (columns == 0) {
            // The header is the first line that names the column Name.
            if (std::find(fields.begin(), fields.end(), QLatin1String("Name")) == fields.end()) {
                if (recordLine > MaxLinesBeforeHeader)
                    return refused(noHeader());
                continue;
            }
            const QStringList header(fields.begin(), fields.end());
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
            if (handler.progress && !handler.progress(static_cast<double>(device.pos()) / size))
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
