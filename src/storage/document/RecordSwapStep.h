#pragma once

#include "storage/StampRecord.h"
#include "storage/document/EditStep.h"

// A record written over another: the one that is not in the list is kept.
class RecordSwapStep : public EditStep {
public:
    RecordSwapStep(int row, const StampRecord &record);

    void apply(RecordList &list) override;
    void revert(RecordList &list) override { apply(list); }
    size_t weight() const override { return 1; }
    int rowAfterApply() const override { return m_row; }
    int rowAfterRevert() const override { return m_row; }

private:
    int m_row;
    StampRecord m_record;
};
