#include "storage/document/RowsStep.h"

#include "storage/document/RecordList.h"

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
