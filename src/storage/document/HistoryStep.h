#pragma once

#include "storage/document/EditStep.h"
#include "storage/document/SortState.h"

#include <QUndoCommand>

#include <functional>
#include <memory>

class CatalogueEntries;
class EntrySwaps;
class RecordList;

// One step of the open collection's history: an edit with the sort state before
// and after it, and the catalogue entries it changes. Doing the step applies the edit, the first time as
// every time after an undo; undoing it takes the edit back. The edit is shared, so that the history can be
// laid anew without its oldest steps while the others keep what they hold.
class HistoryStep : public QUndoCommand {
public:
    // Told after the step was done (applied) or undone, with the sort state it
    // leaves; first: the edit was just made.
    using Stepped = std::function<void(const EditStep &edit, const EntrySwaps *entrySwaps, bool applied,
                                       const SortState &state, bool first)>;

    // entrySwaps may be null: the edit changes no entries.
    HistoryStep(RecordList &records, CatalogueEntries &entries, Stepped stepped, const QString &text,
                std::shared_ptr<EditStep> edit, std::shared_ptr<EntrySwaps> entrySwaps,
                const SortState &before, const SortState &after);

    void redo() override;
    void undo() override;

    size_t weight() const { return m_edit->weight(); }
    const EditStep &edit() const { return *m_edit; }
    // The same step, done, for a history laid anew: going on the history does
    // not do it again.
    HistoryStep *laidAgain() const;

private:
    RecordList &m_records;
    CatalogueEntries &m_entries;
    Stepped m_stepped;
    std::shared_ptr<EditStep> m_edit;
    std::shared_ptr<EntrySwaps> m_entrySwaps;
    SortState m_before;
    SortState m_after;
    bool m_first = true;
    bool m_done = false;
};
