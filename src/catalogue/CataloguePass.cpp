#include "catalogue/CataloguePass.h"

#include "storage/text/ParallelParts.h"

#include <algorithm>

namespace {

// Below this many rows a part costs more to hand to a thread than to read.
constexpr size_t SmallestPart = 20000;

} // namespace

CataloguePass::CataloguePass(RecordSpan records, const QString &category)
    : m_records(records)
    , m_category(category)
{
    const size_t count =
        std::clamp<size_t>(records.size() / SmallestPart, 1, static_cast<size_t>(ParallelParts::cores()));
    for (size_t part = 0; part < count; ++part)
        m_parts.push_back({records.size() * part / count, records.size() * (part + 1) / count});
}

void CataloguePass::runParts(const std::function<void(size_t part)> &work) const
{
    ParallelParts::run(m_parts.size(), work);
}
