#include "storage/document/ListSwapStep.h"

#include "storage/document/RecordList.h"
#include "storage/keeping/ListChange.h"

#include <algorithm>

ListSwapStep::ListSwapStep(std::vector<StampRecord> records, size_t replacedCount)
    : m_storage{std::move(records)}
    , m_weight(std::max(m_storage.records.size(), replacedCount))
{}

void ListSwapStep::apply(RecordList &list)
{
    list.swapAll(m_storage);
}

ListChange ListSwapStep::changeMade(const RecordList &list, bool) const
{
    const RecordSpan records = list.records();
    return ListChange::replacementOfAll({records.begin(), records.end()});
}
