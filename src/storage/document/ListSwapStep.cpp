#include "storage/document/ListSwapStep.h"

#include "storage/document/RecordList.h"
#include "storage/keeping/ListChange.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace {

// Never 0, which names no list.
quint64 nextAside()
{
    static std::atomic<quint64> last = 0;
    return ++last;
}

} // namespace

ListSwapStep::ListSwapStep(std::vector<StampRecord> records, size_t replacedCount)
    : m_weight(std::max(records.size(), replacedCount))
    , m_storage(RecordList::withRoomBeforeFirst(std::move(records)))
    , m_aside(nextAside())
{}

void ListSwapStep::apply(RecordList &list)
{
    list.swapAll(m_storage);
}

ListChange ListSwapStep::changeMade(const RecordList &list, bool) const
{
    if (std::exchange(m_reported, true))
        return ListChange::swapWithAside(m_aside);
    return ListChange::replacementSettingAside(m_aside, list.lend());
}

std::shared_ptr<const ListChange> ListSwapStep::changeOnLeaving() const
{
    return std::make_shared<const ListChange>(ListChange::forgettingAside(m_aside));
}
