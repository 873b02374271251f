#include "storage/formats/CsvMapping.h"

#include "storage/text/Trim.h"
#include "storage/text/Windows1252.h"

#include <algorithm>

namespace {

// The detail panel's captions, which a collector may well use as column names.
const char *const PanelLabels[StampRecord::FieldCount] = {
    "Jaar van uitgifte", "Cat.nummer", "Categorie",  "Onderwerp", "Soort zegel", "Type zegel",
    "Waarde opdruk",     "Afbeelding", "Informatie", "Conditie",  "Cat.prijs",   "Mijn Prijs",
};

bool namesField(const QString &name, int field)
{
    const QString trimmed = name.trimmed();
    return trimmed.compare(StampRecord::headerText(field), Qt::CaseInsensitive) == 0 ||
           trimmed.compare(QLatin1String(PanelLabels[field]), Qt::CaseInsensitive) == 0;
}

// One line the collection file can hold: line breaks become one space each
// (CR LF counting as one), characters outside its code page a '?'.
QString storableField(const QString &text, int &replaced)
{
    const bool storable = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c != u'\r' && c != u'\n' && Windows1252::canEncode(c);
    });
    if (storable)
        return text;
    QString field;
    field.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            field += u' ';
        } else if (!Windows1252::canEncode(c)) {
            // A character outside the basic plane is two code units but one '?'.
            if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate())
                ++i;
            field += u'?';
            ++replaced;
        } else {
            field += c;
        }
    }
    return field;
}

} // namespace

CsvMapping::CsvMapping()
{
    m_columns.fill(NoColumn);
}

bool CsvMapping::hasHeader(const CsvFile::Table &table)
{
    if (table.rows.empty())
        return false;
    for (const QString &name : table.rows.front()) {
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            if (namesField(name, field))
                return true;
        }
    }
    return false;
}

CsvMapping CsvMapping::byName(const QStringList &header)
{
    CsvMapping mapping;
    for (int field = 0; field < StampRecord::FieldCount; ++field) {
        for (qsizetype column = 0; column < header.size(); ++column) {
            if (namesField(header.at(column), field)) {
                mapping.setColumn(field, static_cast<int>(column));
                break;
            }
        }
    }
    return mapping;
}

CsvMapping CsvMapping::byPosition(int columnCount)
{
    CsvMapping mapping;
    for (int field = 0; field < std::min(columnCount, StampRecord::FieldCount); ++field)
        mapping.setColumn(field, field);
    return mapping;
}

CsvMapping CsvMapping::preset(const CsvFile::Table &table)
{
    if (hasHeader(table))
        return byName(table.rows.front());
    return byPosition(table.columnCount());
}

CsvMapping::Result CsvMapping::records(const CsvFile::Table &table, bool skipHeader) const
{
    Result result;
    const size_t first = skipHeader ? 1 : 0;
    // With one record in 256 to spare: a list that replaces the open one
    // keeps it as room before its first row.
    if (table.rows.size() > first) {
        const size_t count = table.rows.size() - first;
        result.records.reserve(count + count / 256);
    }
    for (size_t row = first; row < table.rows.size(); ++row) {
        const QStringList &cells = table.rows[row];
        StampRecord record;
        int replaced = 0;
        bool allBlank = true;
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            const int column = m_columns[static_cast<size_t>(field)];
            if (column == NoColumn || column >= cells.size())
                continue;
            record[field] = storableField(cells.at(column), replaced);
            allBlank = allBlank && isBlank(record[field]);
        }
        if (allBlank)
            continue;
        result.records.push_back(std::move(record));
        result.replacedCharacters += replaced;
    }
    return result;
}
