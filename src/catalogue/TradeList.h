#pragma once

#include "storage/StampRecord.h"

#include <QString>
#include <QStringList>

#include <vector>

class CatalogueEntries;

// The trade list: catalogue numbers held more than once. Two records hold the
// same number when prefix, number and suffix agree (letter case and the spaces
// between prefix and number aside); numbers without a digit agree when their
// whole texts do. Blank catalogue numbers are no numbers. Only records of the
// category, when one is given, count. Counted by a system of the stamps'
// entries, a record holds its stamp's number in that system (of the latest
// edition), shown as "Mi 535"; records without one are left out.
class TradeList {
public:
    struct Entry {
        QString catalogueNumber; // as written in its first record
        int count = 0;
        int firstRow = 0; // that first record's row
    };

    static TradeList of(RecordSpan records, const QString &category = {},
                        const CatalogueEntries *entries = nullptr, const QString &system = {});

    // In catalogue order: prefix, number, suffix; numbers without a digit last.
    const std::vector<Entry> &entries() const { return m_entries; }
    // Catalogue number and count of each entry.
    std::vector<QStringList> rows() const;

private:
    std::vector<Entry> m_entries;
};
