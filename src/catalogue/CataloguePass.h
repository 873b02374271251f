#pragma once

#include "catalogue/RecordCategory.h"
#include "storage/StampRecord.h"
#include "storage/catalogue/CatalogueKey.h"

#include <QString>

#include <functional>
#include <vector>

// One pass over the catalogue numbers of a record list, on all cores: the rows
// are cut into parts of consecutive rows, each read on a thread of its own into
// a result of its own; the caller merges the results in part order, which is
// row order.
class CataloguePass {
public:
    // Only records of the category count (all when it is empty).
    CataloguePass(RecordSpan records, const QString &category);

    size_t partCount() const { return m_parts.size(); }

    // Calls visit(part, row, text, key) for each record of the category, with
    // its catalogue number as written and read, in row order within a part; the
    // parts at once.
    template <class Visit> void run(const Visit &visit) const
    {
        runParts([&](size_t part) {
            RecordCategory category = m_category;
            CatalogueKey key;
            const Rows rows = m_parts[part];
            for (size_t row = rows.begin; row < rows.end; ++row) {
                // The texts lie elsewhere in memory, each apart: ask for one a
                // few rows ahead, so that it is there when its turn comes.
                if (row + PrefetchAhead < rows.end)
                    __builtin_prefetch(
                        m_records[row + PrefetchAhead][StampRecord::CatalogueNumber].constData());
                const StampRecord &record = m_records[row];
                if (category.matches(record)) {
                    const QString &text = record[StampRecord::CatalogueNumber];
                    key.read(text);
                    visit(part, row, text, key);
                }
            }
        });
    }

private:
    static constexpr size_t PrefetchAhead = 8;

    struct Rows {
        size_t begin;
        size_t end;
    };

    void runParts(const std::function<void(size_t part)> &work) const;

    RecordSpan m_records;
    RecordCategory m_category;
    std::vector<Rows> m_parts;
};
