#include "storage/CsvFile.h"

#include "storage/RecordList.h"
#include "storage/TextFile.h"
#include "storage/Windows1252.h"

#include <QFile>
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

QByteArray serialize(const std::vector<StampRecord> &records)
{
    QString text;
    text.reserve(static_cast<qsizetype>(256 + records.size() * 200));
    for (int column = 0; column < StampRecord::FieldCount; ++column) {
        if (column > 0)
            text += u';';
        appendQuoted(text, RecordList::headerText(column));
    }
    text += RowEnd;
    for (const StampRecord &record : records) {
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            if (field > 0)
                text += u';';
            appendQuoted(text, record[field]);
        }
        text += RowEnd;
    }
    return QByteArray(Utf8Mark.data(), Utf8Mark.size()) + text.toUtf8();
}

StorageResult write(const QString &path, const std::vector<StampRecord> &records)
{
    return TextFile::writeBytes(path, serialize(records));
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
    const QString text = decodeText(bytes);
    Table table;
    table.separator = detectSeparator(text);

    // A field is quoted only when its first character is a quote; text after
    // its closing quote is kept, and a quote inside an unquoted field is text.
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };
    State state = State::FieldStart;
    QStringList row;
    QString field;
    const auto endRow = [&] {
        // An empty line is no row.
        if (state != State::FieldStart || !row.isEmpty()) {
            row.append(field);
            table.rows.push_back(row);
        }
        row.clear();
        field.clear();
        state = State::FieldStart;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (state == State::Quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < size && text[i + 1] == u'"')
                field += text[++i];
            else
                state = State::AfterQuote;
        } else if (c == table.separator) {
            row.append(field);
            field.clear();
            state = State::FieldStart;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else if (c == u'"' && state == State::FieldStart) {
            state = State::Quoted;
        } else {
            field += c;
            if (state == State::FieldStart)
                state = State::Unquoted;
        }
    }
    endRow();
    return table;
}

StorageResult read(const QString &path, Table &table)
{
    table = {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StorageResult::failure(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return StorageResult::failure(file.errorString());
    table = parse(bytes);
    return StorageResult::success();
}

} // namespace CsvFile
