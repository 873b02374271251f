#pragma once

#include "storage/StampRecord.h"
#include "storage/document/EditStep.h"
#include "storage/document/RecordList.h"

#include <vector>

// Every record replaced at once: the list that is not shown is kept.
class ListSwapStep : public EditStep {
public:
    ListSwapStep(std::vector<StampRecord> records, size_t replacedCount);

    void apply(RecordList &list) override;
    void revert(RecordList &list) override { apply(list); }
    size_t weight() const override { return m_weight; }
    // A copy of every record (their texts shared): once for a step that took
    // far longer to make.
    ListChange changeMade(const RecordList &list, bool applied) const override;

private:
    RecordList::Storage m_storage;
    size_t m_weight;
};
