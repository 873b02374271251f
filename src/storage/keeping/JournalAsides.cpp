#include "storage/keeping/JournalAsides.h"

#include "storage/keeping/ListChange.h"

std::shared_ptr<const ListChange>
JournalAsides::journaled(const std::shared_ptr<const ListChange> &change,
                         const std::function<std::shared_ptr<LentRecords>()> &lendListNow)
{
    const quint64 aside = change->aside();
    switch (change->asideUse()) {
    case ListChange::AsideUse::None:
        return change;
    case ListChange::AsideUse::SetsAside:
        m_held.insert(aside);
        return change;
    case ListChange::AsideUse::Forgets:
        return m_held.erase(aside) != 0 ? change : nullptr;
    case ListChange::AsideUse::Swaps:
        if (m_held.insert(aside).second)
            return std::make_shared<const ListChange>(
                ListChange::replacementSettingAside(aside, lendListNow()));
        return change;
    }
    return change;
}
