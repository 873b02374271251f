#pragma once

#include "catalogue/CatalogueRange.h"
#include "storage/StampRecord.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class CatalogueEntries;

// The want list: for each range, the numbers no record holds. Only records of
// the category, when one is given, count (compared trimmed, without regard to
// letter case). A range whose prefix names a system of the stamps' entries
// ("Mi 570-592") while no record's own Cat.nr. has that prefix is read from
// that system's numbers: a record holds those of its stamp.
class WantList {
public:
    struct Line {
        QString range; // as given, trimmed
        bool readable = false;
        QString runs;      // the missing numbers as runs: "3-5, 9, 12"
        quint64 count = 0; // how many numbers are missing
    };

    // Blank ranges are left out; a range that cannot be read gives a line that says so.
    static WantList of(RecordSpan records, const QStringList &ranges, const QString &category = {},
                       const CatalogueEntries *entries = nullptr);

    const std::vector<Line> &lines() const { return m_lines; }
    // The missing numbers of all readable ranges.
    quint64 total() const;
    // The first range that cannot be read; empty when all can.
    std::optional<QString> unreadable() const;
    // Range, runs and count of each readable line.
    std::vector<QStringList> rows() const;

private:
    std::vector<Line> m_lines;
};
