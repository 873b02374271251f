#include "storage/formats/CsvFile.h"

#include "storage/catalogue/CatalogueEntries.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/CatalogueCell.h"
#include "storage/text/Windows1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr QLatin1String RowEnd{"\r\n"};
constexpr QLatin1String Utf8Mark{"\xef\xbb\xbf"};
// In order of preference when the header line holds as many of one as of another.
constexpr std::array<char16_t, 3> Separators = {u';', u'\t', u','};

void appendQuoted(QString &text, const QString &field)
{
    text += u'"';
    for (const QChar c : field) {
        if (c == u'"')
            text += u'"';
        text += c;
    }
    text += u'"';
}

// Every field quoted, ";" between them, CR LF after the row.
template <class Field> void appendRow(QString &text, int count, const Field &field)
{
    for (int column = 0; column < count; ++column) {
        if (column > 0)
            text += u';';
        appendQuoted(text, field(column));
    }
    text += RowEnd;
}

// A byte-order mark decides; without one, UTF-8 when the bytes are valid UTF-8,
// else the code page of the collection files (what a spreadsheet saves as
// "CSV" on a Windows machine with Dutch settings).
QString decodeText(QByteArrayView bytes)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        return decoder(bytes);
    }
    // Stateless: a sequence cut off at the end counts as invalid, not as pending.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? Windows1252::decode(bytes) : text;
}

// The separator that occurs most often outside quotes in the first line.
QChar detectSeparator(QStringView text)
{
    std::array<int, Separators.size()> counts{};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\r' || c == u'\n'))
            break;
        else if (!quoted) {
            const auto *found = std::find(Separators.begin(), Separators.end(), c.unicode());
            if (found != Separators.end())
                ++counts[static_cast<size_t>(found - Separators.begin())];
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most > 0 ? QChar(Separators[static_cast<size_t>(most - counts.begin())]) : QChar(u';');
}

} // namespace

namespace CsvFile {

QByteArray serialize(RecordSpan records, const CatalogueEntries *entries)
{
    const QStringList systems = entries ? entries->systemsInUse() : QStringList();
    const int columns = StampRecord::FieldCount + static_cast<int>(systems.size());
    QString text;
    text.reserve(static_cast<qsizetype>(256 + records.size() * 200));
    appendRow(text, columns, [&systems](int column) {
        return column < StampRecord::FieldCount ? StampRecord::headerText(column)
                                                : systems.at(column - StampRecord::FieldCount);
    });
    CatalogueEntries::List stamp;
    for (const StampRecord &record : records) {
        if (!systems.isEmpty())
            stamp = entries->of(record);
        appendRow(text, columns, [&](int column) {
            if (column < StampRecord::FieldCount)
                return record[column];
            const QString &system = systems.at(column - StampRecord::FieldCount);
            CatalogueEntries::List ofSystem;
            for (const CatalogueEntry &entry : stamp) {
                if (CatalogueEntries::sameSystem(entry.system, system))
                    ofSystem.append(entry);
            }
            return CatalogueCell::write(ofSystem);
        });
    }
    return QByteArray(Utf8Mark.data(), Utf8Mark.size()) + text.toUtf8();
}

QByteArray serializeRows(const std::vector<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows)
        appendRow(text, static_cast<int>(row.size()),
                  [&row](int field) -> const QString & { return row.at(field); });
    return QByteArray(Utf8Mark.data(), Utf8Mark.size()) + text.toUtf8();
}

StorageResult write(const QString &path, RecordSpan records, const CatalogueEntries *entries)
{
    return TextFile::writeBytes(path, serialize(records, entries));
}

int Table::columnCount() const
{
    qsizetype columns = 0;
    for (const QStringList &row : rows)
        columns = std::max(columns, row.size());
    return static_cast<int>(columns);
}

Table parse(QByteArrayView bytes)
{
    const QString decoded = decodeText(bytes);
    const QStringView text(decoded);
    Table table;
    table.separator = detectSeparator(text);
    const QChar separator = table.separator;

    // A field is quoted only when its first character is a quote; text after
    // its closing quote is kept, and a quote inside an unquoted field is text.
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };
    State state = State::FieldStart;
    QStringList row;
    QString field;
    const auto endField = [&] {
        row.append(std::move(field));
        field = QString();
    };
    const auto endRow = [&] {
        // An empty line is no row.
        if (state != State::FieldStart || !row.isEmpty()) {
            endField();
            table.rows.push_back(std::move(row));
        }
        row = QStringList();
        state = State::FieldStart;
    };
    const auto isSpecial = [separator](QChar c) {
        return c == separator || c == u'\r' || c == u'\n' || c == u'"';
    };

    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text[i];
        if (state == State::Quoted) {
            // Up to the next quote in one piece; a doubled quote is one quote.
            qsizetype quote = text.indexOf(u'"', i);
            if (quote < 0)
                quote = size;
            field += text.sliced(i, quote - i);
            if (quote + 1 < size && text[quote + 1] == u'"') {
                field += u'"';
                i = quote + 2;
            } else {
                state = State::AfterQuote;
                i = quote + 1;
            }
        } else if (c == separator) {
            endField();
            state = State::FieldStart;
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            i += c == u'\r' && i + 1 < size && text[i + 1] == u'\n' ? 2 : 1;
            endRow();
        } else if (c == u'"' && state == State::FieldStart) {
            state = State::Quoted;
            ++i;
        } else {
            // Plain text up to the next character that means something.
            qsizetype end = i + 1;
            while (end < size && !isSpecial(text[end]))
                ++end;
            field += text.sliced(i, end - i);
            if (state == State::FieldStart)
                state = State::Unquoted;
            i = end;
        }
    }
    endRow();
    return table;
}

StorageResult read(const QString &path, Table &table)
{
    table = {};
    QByteArray bytes;
    const StorageResult read = TextFile::readBytes(path, bytes);
    if (read)
        table = parse(bytes);
    return read;
}

} // namespace CsvFile
