#include "storage/document/PermutationStep.h"

#include "storage/document/RecordList.h"

PermutationStep::PermutationStep(std::vector<int> sortedRows)
    : m_sortedRows(std::move(sortedRows))
{}

void PermutationStep::apply(RecordList &list)
{
    list.permute(m_sortedRows);
}

void PermutationStep::revert(RecordList &list)
{
    // Each record goes back to the row it came from.
    std::vector<int> backRows(m_sortedRows.size());
    for (size_t row = 0; row < m_sortedRows.size(); ++row)
        backRows[static_cast<size_t>(m_sortedRows[row])] = static_cast<int>(row);
    list.permute(backRows);
}

size_t PermutationStep::weight() const
{
    return (m_sortedRows.size() * sizeof(int) + sizeof(StampRecord) - 1) / sizeof(StampRecord);
}
