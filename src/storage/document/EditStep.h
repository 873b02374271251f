#pragma once

#include <cstddef>
#include <memory>

class ListChange;
class RecordList;

// What one edit did to the records, kept so that it can be taken back and done
// again. It holds only what the edit moved out of the list or into it, never a
// copy of the list.
class EditStep {
public:
    virtual ~EditStep() = default;

    // Does the edit on the list as it stood before it; the first time is the edit itself.
    virtual void apply(RecordList &list) = 0;
    // Takes the edit back from the list as the edit left it.
    virtual void revert(RecordList &list) = 0;
    // The most records the step holds, in either state; a sort's order counts
    // as the records its numbers would fill.
    virtual size_t weight() const = 0;
    // The row of the record the edit touched, after applying or reverting it;
    // -1 when that record is not in the list then, or no single record was touched.
    virtual int rowAfterApply() const { return -1; }
    virtual int rowAfterRevert() const { return -1; }
    // What applying (applied) or reverting the edit did to the list, which
    // stands as it left it.
    virtual ListChange changeMade(const RecordList &list, bool applied) const = 0;
    // What the list's change record learns when the step leaves the history
    // for good; null for most steps.
    virtual std::shared_ptr<const ListChange> changeOnLeaving() const { return nullptr; }
};
