#include "storage/document/PermutationStep.h"

#include "storage/document/RecordList.h"
#include "storage/keeping/ListChange.h"

PermutationStep::PermutationStep(std::vector<int> sortedRows)
    : m_sortedRows(std::move(sortedRows))
{}

void PermutationStep::apply(RecordList &list)
{
    list.permute(m_sortedRows);
}

void PermutationStep::revert(RecordList &list)
{
    list.permute(backRows());
}

std::vector<int> PermutationStep::backRows() const
{
    std::vector<int> rows(m_sortedRows.size());
    for (size_t row = 0; row < m_sortedRows.size(); ++row)
        rows[static_cast<size_t>(m_sortedRows[row])] = static_cast<int>(row);
    return rows;
}

size_t PermutationStep::weight() const
{
    return (m_sortedRows.size() * sizeof(int) + sizeof(StampRecord) - 1) / sizeof(StampRecord);
}

ListChange PermutationStep::changeMade(const RecordList &, bool applied) const
{
    return ListChange::reordering(applied ? m_sortedRows : backRows());
}
