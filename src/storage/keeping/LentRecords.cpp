#include "storage/keeping/LentRecords.h"

#include <utility>

LentRecords::LentRecords(RecordSpan rows)
    : m_lent(rows)
{}

LentRecords::LentRecords(std::vector<StampRecord> records)
    : m_own(std::move(records))
{}

RecordSpan LentRecords::rows()
{
    // The lender waits in takeBack() while the rows are copied here. Once
    // copied, the records of its own never change again.
    const std::lock_guard lock(m_mutex);
    ownTheRows();
    return m_own;
}

void LentRecords::takeBack()
{
    const std::lock_guard lock(m_mutex);
    ownTheRows();
}

void LentRecords::ownTheRows()
{
    if (m_lent.empty())
        return;
    m_own.assign(m_lent.begin(), m_lent.end());
    m_lent = {};
}
