#include "storage/document/ListSwapStep.h"

#include "storage/document/RecordList.h"
#include "storage/keeping/ListChange.h"

#include <algorithm>

ListSwapStep::ListSwapStep(std::vector<StampRecord> records, size_t replacedCount)
    : m_records(std::move(records))
    , m_weight(std::max(m_records.size(), replacedCount))
{}

void ListSwapStep::apply(RecordList &list)
{
    list.swapAll(m_records);
}

ListChange ListSwapStep::changeMade(const RecordList &list, bool) const
{
    const RecordSpan records = list.records();
    return ListChange::replacementOfAll({records.begin(), records.end()});
}
