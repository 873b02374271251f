#include "storage/document/HistoryStep.h"

HistoryStep::HistoryStep(RecordList &records, Stepped stepped, const QString &text,
                         std::shared_ptr<EditStep> edit, const SortState &before, const SortState &after)
    : QUndoCommand(text)
    , m_records(records)
    , m_stepped(std::move(stepped))
    , m_edit(std::move(edit))
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
    const bool first = m_first;
    m_first = false;
    m_stepped(*m_edit, true, m_after, first);
}

void HistoryStep::undo()
{
    m_edit->revert(m_records);
    m_stepped(*m_edit, false, m_before, false);
}

HistoryStep *HistoryStep::laidAgain() const
{
    auto *step = new HistoryStep(m_records, m_stepped, text(), m_edit, m_before, m_after);
    step->m_first = false;
    step->m_done = true;
    return step;
}
