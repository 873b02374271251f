#pragma once

#include "storage/document/EditStep.h"
#include "storage/document/SortState.h"

#include <QUndoCommand>

#include <memory>

class OpenCollection;

// One step of the open collection's history: an edit with the sort state before
// and after it. The edit is shared, so that the history can be laid anew
// without its oldest steps while the others keep what they hold.
class HistoryStep : public QUndoCommand {
public:
    // done: the edit has already been applied, and the step only goes on the history.
    HistoryStep(OpenCollection &collection, const QString &text, std::shared_ptr<EditStep> edit,
                const SortState &before, const SortState &after, bool done);

    void redo() override;
    void undo() override;

    size_t weight() const { return m_edit->weight(); }
    const EditStep &edit() const { return *m_edit; }
    // The same step, done, for a history laid anew.
    HistoryStep *copy() const;

private:
    OpenCollection &m_collection;
    std::shared_ptr<EditStep> m_edit;
    SortState m_before;
    SortState m_after;
    bool m_done;
};
