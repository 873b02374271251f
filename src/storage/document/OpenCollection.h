#pragma once

#include "storage/StorageResult.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"
#include "storage/document/SortState.h"
#include "storage/folder/FileFingerprint.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/CollectionSave.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/keeping/RecoveryFile.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <memory>
#include <vector>

class EditStep;
class EntrySwaps;
class ListChange;
class QAbstractItemModel;
class QAction;

// The open collection as a document: its records, its name, how its list was
// last sorted and whether it has changes that are not saved yet. Every edit and
// every operation that replaces or writes the whole collection goes through
// here; each edit marks the collection changed and is one step of its history,
// which can be undone and redone. The windows follow the signals.
class OpenCollection : public QObject {
    Q_OBJECT

public:
    // How the collection that took the place of the previous one came.
    enum class Replacement { New, Opened, Imported, Restored };

    explicit OpenCollection(const ProgramFolder &folder, QObject *parent = nullptr);

    const ProgramFolder &programFolder() const { return m_folder; }
    const RecordList &records() const { return m_records; }
    // The stamps' numbers in other catalogue systems.
    const CatalogueEntries &catalogueEntries() const { return m_entries; }
    CatalogueEntries::List catalogueEntriesOf(int row) const { return m_entries.of(m_records.record(row)); }
    // The list for a view to show. It only reads it: the model neither sorts
    // nor takes edits; the verbs below change the records.
    QAbstractItemModel *listModel() { return &m_records; }
    // Empty until a collection is started, opened or imported.
    const QString &name() const { return m_name; }
    // Not at the saved state of the history, or marked without an edit since the last save.
    bool unsavedChanges() const { return m_unsavedChanges; }
    const SortState &sortState() const { return m_sortState; }
    // The steps taken since the collection was started, opened, imported or
    // restored: taken back and done again one at a time, each named by its
    // text ("Delete 1952 MBund 152").
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    QString undoText() const { return m_history.undoText(); }
    QString redoText() const { return m_history.redoText(); }
    int stepsInHistory() const { return m_history.count(); }
    void undo();
    void redo();
    // The window's commands for them, enabled while there is a step to take.
    QAction *createUndoAction(QObject *parent);
    QAction *createRedoAction(QObject *parent);

    // The edits. Each marks the collection changed and is one step of the history.
    // At the end of the list, also in a sorted list: the row keeps its place until the next sort.
    void addRecord(const StampRecord &record);
    // A record whose year or Cat.nr. changes takes its stamp's catalogue
    // entries along (copied when another record still has the old stamp).
    void replaceRecord(int row, const StampRecord &record);
    // The stamp's catalogue entries stay for a record added again, as its picture does.
    void removeRecord(int row);
    // The catalogue entries of the record's stamp become entries (none: removed).
    void setCatalogueEntries(int row, const CatalogueEntries::List &entries);
    // Sorts by a sortable column, ascending, or descending when that column's
    // header shows the picture of an ascending sort. The new sort state holds
    // before the rows are sorted; should sorting fail (memory), the error is
    // passed on, the state stays and the collection is marked changed.
    void sortByColumn(int column);
    // No header shows a direction picture any more; the rows keep their order.
    void clearSortMark();
    // Records read from a spreadsheet, after the present ones or in their place;
    // the collection keeps its name. The stamps of entries get those entries;
    // replacing the records replaces every entry.
    void addImportedRecords(std::vector<StampRecord> records, bool replace,
                            const CatalogueEntries &entries = {});
    // The whole list and every catalogue entry become those given, as one
    // step named text (a collection brought up to date by an import); the
    // collection keeps its name. Nothing changed is no step.
    void replaceContents(std::vector<StampRecord> records, const CatalogueEntries &entries,
                         const QString &text);
    // Marks a change without an edit: it stays marked until the next save,
    // whatever is undone.
    void markChangedWithoutEdit();

    // The pictures the list's headers show for the sort state, drawn by the window.
    void setSortPictures(const QImage &ascending, const QImage &descending);

    // A new collection under name, holding records, with nothing to save yet.
    void startNew(const QString &name, std::vector<StampRecord> records = {});
    // Verzameling/<fileName>.col; the name becomes line 2 of the file when it can
    // be read. A file that cannot be read gives an empty collection under fileName.
    StorageResult open(const QString &fileName);
    // Verzameling/<fileName>.cat, under the name fileName.
    StorageResult importOldData(const QString &fileName);
    // Writes the collection with its picture folder under the name, as one
    // exclusive step under the conditions; on success the collection carries
    // that name and has no unsaved changes. On failure nothing changes.
    CollectionSave::Result saveAs(const QString &name, const CollectionSave::Conditions &conditions = {});
    // A kept version, or the recovery file a crash left behind, becomes the
    // open collection under its collection's name, with unsaved changes: the
    // collection file itself is not touched until the user saves. On failure
    // nothing changes.
    StorageResult restoreVersion(const CollectionVersions::Version &version);
    StorageResult restoreRecovery(const RecoveryFile::LeftBehind &file);

    // True when saving under name would write over the file this collection
    // was loaded from or last saved to, and another program has changed that
    // file since. A file deleted meanwhile has not changed: it is written again.
    // Where that file was not known as it was (it failed to load, or did not
    // exist), any file there now counts as changed.
    bool changedElsewhere(const QString &name) const;
    // True when saving under name would write over an existing file other than
    // the one this collection was loaded from or last saved to (a copy whose
    // line 2 names another collection, an imported collection, a new one).
    bool overwritesAnother(const QString &name) const;
    // The file this collection was loaded from or last saved to, as it was
    // then; null when there is none or it is not known.
    const FileFingerprint &fileAsLoaded() const { return m_fingerprint; }
    // The file saving under name would write, as it is now (null: there is none).
    FileFingerprint fileNow(const QString &name) const;
    // The file of fileAsLoaded when it holds the history's saved state (it was
    // read from it or saved to it); empty when no file does. With
    // savedStateCorrections done on what the file gives, the records are exactly
    // those of the saved state.
    const QString &fileOfSavedState() const { return m_savedStateFile; }
    // What the file form changed of the records saved (a year with spaces
    // around it, a line break in a field, a blank record); none for most.
    const std::vector<std::shared_ptr<const ListChange>> &savedStateCorrections() const
    {
        return m_savedStateCorrections;
    }

signals:
    void nameChanged(const QString &name);
    void unsavedChangesChanged(bool unsaved);
    // Another collection took the place of the open one (new, opened or
    // imported). Records changed within the collection come through the
    // RecordList's own model signals.
    void contentsReplaced(OpenCollection::Replacement how);
    void sortStateChanged(const SortState &state);
    // A step was undone or redone; row is the record it touched, -1 for none.
    void historyStepped(int row);
    // What an edit, undo or redo did to the list, right after it and before
    // the unsaved state follows; also that a step which set a list aside has
    // left the history for good (not when another collection takes the open
    // one's place). Only made while something is connected.
    void listChanged(const std::shared_ptr<const ListChange> &change);
    // The catalogue entries of a stamp changed (an edit, undo or redo), or all
    // of them with the collection.
    void catalogueEntriesChanged();
    // The catalogue file of the collection just opened was damaged: the lines
    // read are used, the file is kept aside at keptAside.
    void catalogueDamaged(const QString &collectionName, qsizetype damagedLines, const QString &keptAside);
    void undoTextChanged(const QString &text);
    void redoTextChanged(const QString &text);

private:
    void setName(const QString &name);
    void setUnsavedChanges(bool unsaved);
    void updateUnsavedChanges();
    void setSortState(const SortState &state);
    // The edit has been applied to the list; it goes on the history.
    void keepStep(const QString &text, std::unique_ptr<EditStep> edit, const SortState &before,
                  std::shared_ptr<EntrySwaps> entrySwaps = nullptr);
    // The swaps that take the stamp of from's entries to the stamp of to, or
    // null when the stamp stays or has none.
    std::shared_ptr<EntrySwaps> entriesFollowing(int row, const StampRecord &from,
                                                 const StampRecord &to) const;
    // The swaps that give the stamps of entries those entries; with all, the
    // other stamps lose theirs. Null when nothing changes.
    std::shared_ptr<EntrySwaps> entriesBecoming(const CatalogueEntries &entries, bool all) const;
    // Drops the oldest steps while the history holds more than the list again.
    void trimHistory();
    // Called by a step done (applied; first: the edit was just made) or undone.
    void stepped(const EditStep &edit, const EntrySwaps *entrySwaps, bool applied, const SortState &state,
                 bool first);
    void reportChange(const EditStep &edit, const EntrySwaps *entrySwaps, bool applied);
    // What the list's watchers learn when the steps of the history from first
    // to before end leave it for good.
    std::vector<std::shared_ptr<const ListChange>> changesOnLeaving(int first, int end) const;
    bool listWatched() const;
    void finishReplacing(const QString &name, Replacement how);
    QAction *newHistoryAction(QObject *parent, void (QUndoStack::*canStepChanged)(bool), bool canStep,
                              void (OpenCollection::*step)());
    // basis: what the collection file was when the restored state was made
    // from it, when that is known.
    void takeRestored(const QString &name, std::vector<StampRecord> records,
                      std::optional<FileFingerprint> basis = std::nullopt);
    // Remembers the collection file of name as it is now (after a load or save,
    // the fingerprint the write or read gave).
    void rememberFile(const QString &name, const FileFingerprint &fingerprint);

    ProgramFolder m_folder;
    RecordList m_records;
    CatalogueEntries m_entries;
    QString m_name;
    bool m_unsavedChanges = false;
    bool m_markedWithoutEdit = false;
    SortState m_sortState;
    QUndoStack m_history;
    // The records the history's steps hold, as their weights add up.
    size_t m_historyWeight = 0;
    bool m_layingHistory = false;
    // The file last loaded or saved, and what it was then (null: not known).
    QString m_fingerprintFile;
    FileFingerprint m_fingerprint;
    QString m_savedStateFile;
    std::vector<std::shared_ptr<const ListChange>> m_savedStateCorrections;
};
