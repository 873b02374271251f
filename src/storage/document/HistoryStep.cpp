#include "storage/document/HistoryStep.h"

#include "storage/document/EntrySwaps.h"

HistoryStep::HistoryStep(RecordList &records, CatalogueEntries &entries, Stepped stepped, const QString &text,
                         std::shared_ptr<EditStep> edit, std::shared_ptr<EntrySwaps> entrySwaps,
                         const SortState &before, const SortState &after)
    : QUndoCommand(text)
    , m_records(records)
    , m_entries(entries)
    , m_stepped(std::move(stepped))
    , m_edit(std::move(edit))
    , m_entrySwaps(std::move(entrySwaps))
    , m_before(before)
    , m_after(after)
{}

void HistoryStep::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    m_edit->apply(m_records);
    if (m_entrySwaps)
        m_entrySwaps->swapWith(m_entries);
    const bool first = m_first;
    m_first = false;
    m_stepped(*m_edit, m_entrySwaps.get(), true, m_after, first);
}

void HistoryStep::undo()
{
    m_edit->revert(m_records);
    if (m_entrySwaps)
        m_entrySwaps->swapWith(m_entries);
    m_stepped(*m_edit, m_entrySwaps.get(), false, m_before, false);
}

HistoryStep *HistoryStep::laidAgain() const
{
    auto *step =
        new HistoryStep(m_records, m_entries, m_stepped, text(), m_edit, m_entrySwaps, m_before, m_after);
    step->m_first = false;
    step->m_done = true;
    return step;
}
