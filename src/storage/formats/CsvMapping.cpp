#include "storage/formats/CsvMapping.h"

#include "storage/formats/CatalogueCell.h"
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

bool namesAnyField(const QString &name)
{
    for (int field = 0; field < StampRecord::FieldCount; ++field) {
        if (namesField(name, field))
            return true;
    }
    return false;
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
    const QStringList &header = table.rows.front();
    return std::any_of(header.cbegin(), header.cend(), namesAnyField);
}

CsvMapping CsvMapping::byName(const QStringList &header, const QStringList &systems)
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
    bool exported = header.size() >= StampRecord::FieldCount;
    for (int field = 0; exported && field < StampRecord::FieldCount; ++field)
        exported = header.at(field) == StampRecord::headerText(field);
    const QStringList named = CatalogueEntries::knownSystems() + systems;
    for (qsizetype column = 0; column < header.size(); ++column) {
        const QString name = header.at(column).trimmed();
        const bool namesASystem =
            exported ? column >= StampRecord::FieldCount
                     : std::any_of(named.cbegin(), named.cend(), [&name](const QString &system) {
                           return CatalogueEntries::sameSystem(system, name);
                       });
        if (namesASystem && !namesAnyField(name) && !name.isEmpty() && CatalogueEntries::isStorable(name))
            mapping.setSystemColumn(name, static_cast<int>(column));
    }
    return mapping;
}

void CsvMapping::setSystemColumn(const QString &system, int column)
{
    const auto same = std::find_if(m_systems.begin(), m_systems.end(), [&system](const SystemColumn &known) {
        return CatalogueEntries::sameSystem(known.system, system);
    });
    if (same == m_systems.end())
        m_systems.push_back({system, column});
    else
        same->column = column;
}

CsvMapping CsvMapping::byPosition(int columnCount)
{
    CsvMapping mapping;
    for (int field = 0; field < std::min(columnCount, StampRecord::FieldCount); ++field)
        mapping.setColumn(field, field);
    return mapping;
}

CsvMapping CsvMapping::preset(const CsvFile::Table &table, const QStringList &systems)
{
    if (hasHeader(table))
        return byName(table.rows.front(), systems);
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
        CatalogueEntries::List stamp;
        for (const SystemColumn &system : m_systems) {
            if (system.column == NoColumn || system.column >= cells.size())
                continue;
            // A cell's lines stay apart: each is an entry.
            for (const QStringView line : QStringView(cells.at(system.column)).tokenize(u'\n'))
                stamp += CatalogueCell::read(system.system,
                                             storableField(line.toString().replace(u'\t', u' '), replaced));
        }
        if (!stamp.isEmpty()) {
            const QString key = CatalogueEntries::keyOf(record);
            CatalogueEntries::List entries = result.entries.of(key);
            for (const CatalogueEntry &entry : stamp) {
                if (!entries.contains(entry))
                    entries.append(entry);
            }
            result.entries.set(key, entries);
        }
        result.records.push_back(std::move(record));
        result.replacedCharacters += replaced;
    }
    return result;
}
