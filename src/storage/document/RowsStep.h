#pragma once

#include "storage/StampRecord.h"
#include "storage/document/EditStep.h"

#include <memory>
#include <vector>

// Records put in at a row (an added record, imported records after the others)
// or taken out there (a deleted record).
class RowsStep : public EditStep {
public:
    // The records go in at row.
    static std::unique_ptr<RowsStep> insertion(int row, std::vector<StampRecord> records);
    // count records come out from row on.
    static std::unique_ptr<RowsStep> removal(int row, int count);

    void apply(RecordList &list) override;
    void revert(RecordList &list) override;
    size_t weight() const override { return static_cast<size_t>(m_count); }
    int rowAfterApply() const override { return m_inserts ? m_row : -1; }
    int rowAfterRevert() const override { return m_inserts ? -1 : m_row; }

private:
    RowsStep(bool inserts, int row, int count, std::vector<StampRecord> records);
    void putIn(RecordList &list);
    void takeOut(RecordList &list);

    bool m_inserts;
    int m_row;
    int m_count;
    // The records while they are out of the list.
    std::vector<StampRecord> m_records;
};
