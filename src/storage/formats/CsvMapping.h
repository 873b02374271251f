#pragma once

#include "storage/StampRecord.h"
#include "storage/formats/CsvFile.h"

#include <QStringList>

#include <array>
#include <vector>

// Which column of a spreadsheet table fills which of the twelve fields.
class CsvMapping {
public:
    static constexpr int NoColumn = -1;

    struct [[nodiscard]] Result {
        std::vector<StampRecord> records;
        // Characters that a collection file cannot hold, each now a '?'.
        int replacedCharacters = 0;
    };

    // Every field empty.
    CsvMapping();

    // True when the first row names at least one field by the list's column
    // header or the detail panel's label (letter case and outer blanks do not
    // count).
    static bool hasHeader(const CsvFile::Table &table);
    // Each field takes the first column that names it.
    static CsvMapping byName(const QStringList &header);
    // Field 1 takes column 1 and so on, as far as there are columns.
    static CsvMapping byPosition(int columnCount);
    // By name when the first row is a header, else by position.
    static CsvMapping preset(const CsvFile::Table &table);

    int column(int field) const { return m_columns[static_cast<size_t>(field)]; }
    void setColumn(int field, int column) { m_columns[static_cast<size_t>(field)] = column; }

    // The records of the table's rows, the header row left out when there is
    // one. A field is one line: each line break becomes a space. Rows whose
    // fields are all blank give no record.
    Result records(const CsvFile::Table &table, bool skipHeader) const;

private:
    std::array<int, StampRecord::FieldCount> m_columns;
};
