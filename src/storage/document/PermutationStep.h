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

private:
    std::vector<int> m_sortedRows;
};
