#include "storage/keeping/LentRecords.h"

#include <utility>

LentRecords::LentRecords(RecordSpan rows)
    : m_lent(rows)
{}

LentRecords::LentRecords(std::vector<StampRecord> records)
    : m_own(std::move(records))
{}

std::vector<StampRecord> LentRecords::take()
{
    // The lender waits in takeBack() while the rows are copied here.
    const std::lock_guard lock(m_mutex);
    ownTheRows();
    return std::move(m_own);
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
