#include "storage/document/HistoryStep.h"

#include "storage/document/OpenCollection.h"

HistoryStep::HistoryStep(OpenCollection &collection, const QString &text, std::shared_ptr<EditStep> edit,
                         const SortState &before, const SortState &after, bool done)
    : QUndoCommand(text)
    , m_collection(collection)
    , m_edit(std::move(edit))
    , m_before(before)
    , m_after(after)
    , m_done(done)
{}

void HistoryStep::redo()
{
    // The history does each step it is given; this one is done already.
    if (m_done) {
        m_done = false;
        return;
    }
    m_edit->apply(m_collection.m_records);
    m_collection.stepped(m_after, m_edit->rowAfterApply());
}

void HistoryStep::undo()
{
    m_edit->revert(m_collection.m_records);
    m_collection.stepped(m_before, m_edit->rowAfterRevert());
}

HistoryStep *HistoryStep::copy() const
{
    return new HistoryStep(m_collection, text(), m_edit, m_before, m_after, true);
}
