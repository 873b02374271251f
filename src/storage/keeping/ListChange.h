#pragma once

#include "storage/StampRecord.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

// What one edit, undo or redo did to the list, in the direction it went: the
// records it put in, the rows it took out, the new order. Written to the
// recovery journal as it happens, and done again on the saved state to bring
// back the list after a crash. It holds only what the step touched, except
// for a replacement of every record.
class ListChange {
public:
    static ListChange insertion(int row, std::vector<StampRecord> records);
    static ListChange removal(int row, int count);
    static ListChange replacement(int row, const StampRecord &record);
    // Row i took the record of row sortedRows[i].
    static ListChange reordering(std::vector<int> sortedRows);
    static ListChange replacementOfAll(std::vector<StampRecord> records);
    // The changes that turn what the collection file form gives back of the
    // records (written, then read) into the records themselves; none for most.
    static std::vector<ListChange> fileFormCorrections(RecordSpan records);

    QByteArray serialized() const;
    // Nothing when the bytes are not a change serialized gave.
    static std::optional<ListChange> parse(QByteArrayView bytes);

    // Does the change again on the records as they stood before it; false,
    // leaving them as they were, when the change does not fit them (rows
    // outside the list, an order of another length). Its records go into the list.
    bool applyTo(std::vector<StampRecord> &records);

private:
    enum class Kind { Insert, Remove, Replace, Reorder, ReplaceAll };

    explicit ListChange(Kind kind, int row = 0, int count = 0);
    bool fits(RecordSpan records) const;

    Kind m_kind;
    int m_row;
    int m_count;
    std::vector<StampRecord> m_records;
    std::vector<int> m_order;
};
