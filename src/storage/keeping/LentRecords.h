#pragma once

#include "storage/StampRecord.h"

#include <mutex>
#include <vector>

// Records handed to another thread without copying them on the lender's: the
// borrower copies them when it first comes to them, and the lender takes them
// back before they change or go, copying them itself only when the borrower
// has not come to them yet. Both sides hold it shared.
class LentRecords {
public:
    // Lends rows, which stay valid and unchanged until takeBack().
    explicit LentRecords(RecordSpan rows);
    // Records of its own, nothing lent.
    explicit LentRecords(std::vector<StampRecord> records);

    LentRecords(const LentRecords &) = delete;
    LentRecords &operator=(const LentRecords &) = delete;

    // The borrower's side: the records, copied (sharing their texts) at the
    // first call if they are still lent; they stay as long as this does.
    RecordSpan rows();
    // The lender's side: after it, the lent rows are no longer read.
    void takeBack();

private:
    // With the lock held: copies what is still lent.
    void ownTheRows();

    std::mutex m_mutex;
    RecordSpan m_lent;
    std::vector<StampRecord> m_own;
};
