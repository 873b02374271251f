#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>
#include <set>

class LentRecords;
class ListChange;

// Which lists set aside the recovery journal holds, followed on the window's
// thread as the changes go to it. A journal started after a list was set
// aside (from a saved file, or anew after a failure) lacks that list.
class JournalAsides {
public:
    // The journal starts anew, holding none.
    void clear() { m_held.clear(); }
    // The change as the journal can take it, or null when it has nothing to
    // do there: a swap with a list the journal lacks carries the list the
    // swap brought instead, lent by lendListNow; forgetting such a list is
    // left out.
    std::shared_ptr<const ListChange>
    journaled(const std::shared_ptr<const ListChange> &change,
              const std::function<std::shared_ptr<LentRecords>()> &lendListNow);

private:
    std::set<quint64> m_held;
};
