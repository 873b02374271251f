#pragma once

#include "storage/StampRecord.h"
#include "storage/document/EditStep.h"
#include "storage/document/RecordList.h"

#include <QtGlobal>

#include <vector>

// Every record replaced at once: the list that is not shown is kept. Its
// changes name that list by a number of its own within the program's run.
class ListSwapStep : public EditStep {
public:
    ListSwapStep(std::vector<StampRecord> records, size_t replacedCount);

    void apply(RecordList &list) override;
    void revert(RecordList &list) override { apply(list); }
    size_t weight() const override { return m_weight; }
    // The first time, every record, lent to the recovery writer, which copies
    // them (their texts shared). After that only the number.
    ListChange changeMade(const RecordList &list, bool applied) const override;
    std::shared_ptr<const ListChange> changeOnLeaving() const override;

private:
    size_t m_weight;
    RecordList::Storage m_storage;
    quint64 m_aside;
    // A change has carried the records already.
    mutable bool m_reported = false;
};
