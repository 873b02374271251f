#include "storage/document/RowsStep.h"

#include "storage/document/RecordList.h"
#include "storage/keeping/ListChange.h"

RowsStep::RowsStep(bool inserts, int row, int count, std::vector<StampRecord> records)
    : m_inserts(inserts)
    , m_row(row)
    , m_count(count)
    , m_records(std::move(records))
{}

std::unique_ptr<RowsStep> RowsStep::insertion(int row, std::vector<StampRecord> records)
{
    const auto count = static_cast<int>(records.size());
    return std::unique_ptr<RowsStep>(new RowsStep(true, row, count, std::move(records)));
}

std::unique_ptr<RowsStep> RowsStep::removal(int row, int count)
{
    return std::unique_ptr<RowsStep>(new RowsStep(false, row, count, {}));
}

void RowsStep::apply(RecordList &list)
{
    if (m_inserts)
        putIn(list);
    else
        takeOut(list);
}

void RowsStep::revert(RecordList &list)
{
    if (m_inserts)
        takeOut(list);
    else
        putIn(list);
}

void RowsStep::putIn(RecordList &list)
{
    list.insertRecords(m_row, std::move(m_records));
    m_records = {};
}

void RowsStep::takeOut(RecordList &list)
{
    m_records = list.takeRecords(m_row, m_count);
}

ListChange RowsStep::changeMade(const RecordList &list, bool applied) const
{
    if (applied != m_inserts)
        return ListChange::removal(m_row, m_count);
    // Row by row: the list stays as the edit left it (see RecordList::records).
    std::vector<StampRecord> inserted;
    inserted.reserve(static_cast<size_t>(m_count));
    for (int row = m_row; row < m_row + m_count; ++row)
        inserted.push_back(list.record(row));
    return ListChange::insertion(m_row, std::move(inserted));
}
