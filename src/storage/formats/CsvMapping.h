#pragma once

#include "storage/StampRecord.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/formats/CsvFile.h"

#include <QStringList>

#include <array>
#include <vector>

// Which column of a spreadsheet table fills which of the twelve fields, and
// which columns hold the stamps' numbers in other catalogue systems.
class CsvMapping {
public:
    static constexpr int NoColumn = -1;

    struct [[nodiscard]] Result {
        std::vector<StampRecord> records;
        // Their stamps' numbers read from the system columns.
        CatalogueEntries entries;
        // Characters that a collection file cannot hold, each now a '?'.
        int replacedCharacters = 0;
    };

    struct SystemColumn {
        QString system;
        int column = NoColumn;
    };

    // Every field empty.
    CsvMapping();

    // True when the first row names at least one field by the list's column
    // header or the detail panel's label (letter case and outer blanks do not
    // count).
    static bool hasHeader(const CsvFile::Table &table);
    // Each field takes the first column that names it. A column that names
    // no field holds a system's numbers when it names a known system or one
    // of systems, and in a header as this program exports it (the twelve
    // fields in order), every column after the fields does.
    static CsvMapping byName(const QStringList &header, const QStringList &systems = {});
    // Field 1 takes column 1 and so on, as far as there are columns.
    static CsvMapping byPosition(int columnCount);
    // By name when the first row is a header, else by position.
    static CsvMapping preset(const CsvFile::Table &table, const QStringList &systems = {});

    int column(int field) const { return m_columns[static_cast<size_t>(field)]; }
    void setColumn(int field, int column) { m_columns[static_cast<size_t>(field)] = column; }
    // In the order of the header.
    const std::vector<SystemColumn> &systemColumns() const { return m_systems; }
    // NoColumn leaves the system out; a system named again takes the new column.
    void setSystemColumn(const QString &system, int column);

    // The records of the table's rows, the header row left out when there is
    // one. A field is one line: each line break becomes a space. Rows whose
    // fields are all blank give no record. A record's system cells become its
    // stamp's entries (with those of an earlier record of the same stamp).
    Result records(const CsvFile::Table &table, bool skipHeader) const;

private:
    std::array<int, StampRecord::FieldCount> m_columns;
    std::vector<SystemColumn> m_systems;
};
