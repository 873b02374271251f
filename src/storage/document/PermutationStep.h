#pragma once

#include "storage/document/EditStep.h"

#include <vector>

// The rows put in another order, kept as that order (the row each new row came
// from), not as a copy of the records.
class PermutationStep : public EditStep {
public:
    explicit PermutationStep(std::vector<int> sortedRows);

    void apply(RecordList &list) override;
    void revert(RecordList &list) override;
    size_t weight() const override;
    ListChange changeMade(const RecordList &list, bool applied) const override;

private:
    // The order that takes each record back to the row it came from.
    std::vector<int> backRows() const;

    std::vector<int> m_sortedRows;
};
