#include "storage/document/OpenCollection.h"

#include "storage/StorageText.h"
#include "storage/document/EntrySwaps.h"
#include "storage/document/HistoryStep.h"
#include "storage/document/ListSwapStep.h"
#include "storage/document/PermutationStep.h"
#include "storage/document/RecordListFiles.h"
#include "storage/document/RecordOrder.h"
#include "storage/document/RecordSwapStep.h"
#include "storage/document/RowsStep.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/ListChange.h"

#include <QAction>
#include <QMetaMethod>

#include <algorithm>
#include <future>

namespace {

// Below this many records the history keeps its steps even when they hold more
// than the list: a small collection still has a long history.
constexpr size_t HistoryFloor = 100000;

// How a step names its record: "1952 MBund 152".
QString recordName(const StampRecord &record)
{
    return record[StampRecord::Year] + QLatin1Char(' ') + record[StampRecord::CatalogueNumber];
}

} // namespace

OpenCollection::OpenCollection(const ProgramFolder &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{
    m_records.showSortMark(m_sortState.markedColumn, m_sortState.direction);
    connect(&m_history, &QUndoStack::cleanChanged, this, [this] {
        if (!m_layingHistory)
            updateUnsavedChanges();
    });
    connect(&m_history, &QUndoStack::undoTextChanged, this, &OpenCollection::undoTextChanged);
    connect(&m_history, &QUndoStack::redoTextChanged, this, &OpenCollection::redoTextChanged);
}

void OpenCollection::addRecord(const StampRecord &record)
{
    const int row = m_records.count();
    auto edit = RowsStep::insertion(row, {record});
    keepStep(StorageText::tr("Add %1").arg(recordName(record)), std::move(edit), m_sortState);
}

void OpenCollection::replaceRecord(int row, const StampRecord &record)
{
    std::shared_ptr<EntrySwaps> swaps = entriesFollowing(row, m_records.record(row), record);
    auto edit = std::make_unique<RecordSwapStep>(row, record);
    keepStep(StorageText::tr("Wijzig %1").arg(recordName(record)), std::move(edit), m_sortState,
             std::move(swaps));
}

std::shared_ptr<EntrySwaps> OpenCollection::entriesFollowing(int row, const StampRecord &from,
                                                             const StampRecord &to) const
{
    const QString oldKey = CatalogueEntries::keyOf(from);
    const QString newKey = CatalogueEntries::keyOf(to);
    if (oldKey == newKey || !m_entries.has(oldKey))
        return nullptr;
    // The new stamp keeps what it has; of a system and edition it has, the old
    // stamp's entry does not come along.
    CatalogueEntries::List moved = m_entries.of(newKey);
    for (const CatalogueEntry &entry : m_entries.of(oldKey)) {
        const bool held = std::any_of(moved.cbegin(), moved.cend(), [&](const CatalogueEntry &kept) {
            return CatalogueEntries::sameSystem(kept.system, entry.system) && kept.edition == entry.edition;
        });
        if (!held)
            moved.append(entry);
    }
    auto swaps = std::make_shared<EntrySwaps>();
    swaps->add(newKey, CatalogueEntries::pack(moved));
    // Another record of the old stamp keeps its entries.
    const RecordSpan all = m_records.records();
    const bool oldStampStays = std::any_of(all.begin(), all.end(), [&](const StampRecord &other) {
        return &other != &all[static_cast<size_t>(row)] &&
               other[StampRecord::CatalogueNumber] == from[StampRecord::CatalogueNumber] &&
               CatalogueEntries::keyOf(other) == oldKey;
    });
    if (!oldStampStays)
        swaps->add(oldKey, QString());
    return swaps;
}

void OpenCollection::setCatalogueEntries(int row, const CatalogueEntries::List &entries)
{
    const StampRecord &record = m_records.record(row);
    auto swaps = std::make_shared<EntrySwaps>();
    swaps->add(CatalogueEntries::keyOf(record), CatalogueEntries::pack(entries));
    // The record stays as it is; the step names it and selects it when undone.
    auto edit = std::make_unique<RecordSwapStep>(row, record);
    keepStep(StorageText::tr("Catalogusnummers %1").arg(recordName(record)), std::move(edit), m_sortState,
             std::move(swaps));
}

void OpenCollection::removeRecord(int row)
{
    const QString text = StorageText::tr("Delete %1").arg(recordName(m_records.record(row)));
    auto edit = RowsStep::removal(row, 1);
    keepStep(text, std::move(edit), m_sortState);
}

void OpenCollection::sortByColumn(int column)
{
    const SortState before = m_sortState;
    // The header picture and "Gesorteerd op" change before the sort is tried.
    setSortState(before.sortedOn(column));
    std::vector<int> sortedRows;
    try {
        sortedRows = RecordOrder::sorted(m_records.records(), column, m_sortState.direction);
    } catch (...) {
        markChangedWithoutEdit();
        throw;
    }
    auto edit = std::make_unique<PermutationStep>(std::move(sortedRows));
    keepStep(StorageText::tr("sorteren op %1").arg(StampRecord::columnTitle(column)), std::move(edit),
             before);
}

void OpenCollection::clearSortMark()
{
    setSortState(m_sortState.unmarked());
}

void OpenCollection::addImportedRecords(std::vector<StampRecord> records, bool replace,
                                        const CatalogueEntries &entries)
{
    if (replace) {
        replaceContents(std::move(records), entries, StorageText::tr("vervangen door CSV"));
        return;
    }
    keepStep(StorageText::tr("importeren uit CSV"),
             RowsStep::insertion(m_records.count(), std::move(records)), m_sortState,
             entriesBecoming(entries, false));
}

void OpenCollection::replaceContents(std::vector<StampRecord> records, const CatalogueEntries &entries,
                                     const QString &text)
{
    std::shared_ptr<EntrySwaps> swaps = entriesBecoming(entries, true);
    const RecordSpan now = m_records.records();
    if (!swaps && std::equal(records.begin(), records.end(), now.begin(), now.end()))
        return;
    auto edit = std::make_unique<ListSwapStep>(std::move(records), now.size());
    keepStep(text, std::move(edit), m_sortState, std::move(swaps));
}

std::shared_ptr<EntrySwaps> OpenCollection::entriesBecoming(const CatalogueEntries &entries, bool all) const
{
    auto swaps = std::make_shared<EntrySwaps>();
    if (all) {
        m_entries.forEachPacked([&](const QString &key, const QString &) {
            if (!entries.has(key))
                swaps->add(key, QString());
        });
    }
    entries.forEachPacked([&](const QString &key, const QString &packed) {
        if (m_entries.packedOf(key) != packed)
            swaps->add(key, packed);
    });
    return swaps->isEmpty() ? nullptr : swaps;
}

void OpenCollection::markChangedWithoutEdit()
{
    m_markedWithoutEdit = true;
    updateUnsavedChanges();
}

void OpenCollection::setSortPictures(const QImage &ascending, const QImage &descending)
{
    m_records.setSortPictures(ascending, descending);
}

void OpenCollection::keepStep(const QString &text, std::unique_ptr<EditStep> edit, const SortState &before,
                              std::shared_ptr<EntrySwaps> entrySwaps)
{
    const std::shared_ptr<EditStep> kept(std::move(edit));
    // Steps undone before this one go from the history as it takes the step.
    const std::vector<std::shared_ptr<const ListChange>> leaving =
        changesOnLeaving(m_history.index(), m_history.count());
    for (int index = m_history.index(); index < m_history.count(); ++index)
        m_historyWeight -= static_cast<const HistoryStep *>(m_history.command(index))->weight();
    // The history does the step it is given.
    m_history.push(new HistoryStep(
        m_records, m_entries,
        [this](const EditStep &step, const EntrySwaps *swaps, bool applied, const SortState &state,
               bool first) { stepped(step, swaps, applied, state, first); },
        text, kept, std::move(entrySwaps), before, m_sortState));
    for (const auto &change : leaving)
        emit listChanged(change);
    m_historyWeight += kept->weight();
    trimHistory();
    updateUnsavedChanges();
}

void OpenCollection::trimHistory()
{
    const size_t most = std::max(static_cast<size_t>(m_records.count()), HistoryFloor);
    if (m_historyWeight <= most)
        return;
    // A quarter more than needed goes, so that the history is not laid anew at
    // every step. The newest step always stays: it can be undone at once.
    const int count = m_history.count();
    int first = 0;
    size_t weight = m_historyWeight;
    while (first < count - 1 && weight > most - most / 4) {
        weight -= static_cast<const HistoryStep *>(m_history.command(first))->weight();
        ++first;
    }
    for (const auto &change : changesOnLeaving(0, first))
        emit listChanged(change);
    std::vector<HistoryStep *> kept;
    kept.reserve(static_cast<size_t>(count - first));
    for (int index = first; index < count; ++index)
        kept.push_back(static_cast<const HistoryStep *>(m_history.command(index))->laidAgain());

    // All steps are done (a step was just taken); the saved state moves with them.
    const int clean = m_history.cleanIndex();
    m_layingHistory = true;
    m_history.clear();
    if (clean < first)
        m_history.resetClean();
    for (size_t index = 0; index < kept.size(); ++index) {
        if (clean == first + static_cast<int>(index))
            m_history.setClean();
        m_history.push(kept[index]);
    }
    if (clean == count)
        m_history.setClean();
    m_layingHistory = false;
    m_historyWeight = weight;
}

void OpenCollection::stepped(const EditStep &edit, const EntrySwaps *entrySwaps, bool applied,
                             const SortState &state, bool first)
{
    reportChange(edit, entrySwaps, applied);
    if (entrySwaps)
        emit catalogueEntriesChanged();
    // An edit just made leaves the sort state and the selection as they are.
    if (first)
        return;
    setSortState(state);
    emit historyStepped(applied ? edit.rowAfterApply() : edit.rowAfterRevert());
}

void OpenCollection::undo()
{
    m_history.undo();
}

void OpenCollection::redo()
{
    m_history.redo();
}

QAction *OpenCollection::createUndoAction(QObject *parent)
{
    return newHistoryAction(parent, &QUndoStack::canUndoChanged, m_history.canUndo(), &OpenCollection::undo);
}

QAction *OpenCollection::createRedoAction(QObject *parent)
{
    return newHistoryAction(parent, &QUndoStack::canRedoChanged, m_history.canRedo(), &OpenCollection::redo);
}

QAction *OpenCollection::newHistoryAction(QObject *parent, void (QUndoStack::*canStepChanged)(bool),
                                          bool canStep, void (OpenCollection::*step)())
{
    // Its caption is the window's: the history's own actions would write theirs over it.
    auto *action = new QAction(parent);
    action->setEnabled(canStep);
    connect(&m_history, canStepChanged, action, &QAction::setEnabled);
    connect(action, &QAction::triggered, this, step);
    return action;
}

bool OpenCollection::listWatched() const
{
    // A change copies what the step touched: only for someone who keeps it.
    static const QMetaMethod signal = QMetaMethod::fromSignal(&OpenCollection::listChanged);
    return isSignalConnected(signal);
}

void OpenCollection::reportChange(const EditStep &edit, const EntrySwaps *entrySwaps, bool applied)
{
    if (!listWatched())
        return;
    emit listChanged(std::make_shared<const ListChange>(edit.changeMade(m_records, applied)));
    if (entrySwaps)
        emit listChanged(std::make_shared<const ListChange>(entrySwaps->changeMade(m_entries)));
}

std::vector<std::shared_ptr<const ListChange>> OpenCollection::changesOnLeaving(int first, int end) const
{
    std::vector<std::shared_ptr<const ListChange>> changes;
    if (!listWatched())
        return changes;
    for (int index = first; index < end; ++index) {
        if (auto change =
                static_cast<const HistoryStep *>(m_history.command(index))->edit().changeOnLeaving())
            changes.push_back(std::move(change));
    }
    return changes;
}

void OpenCollection::setSortState(const SortState &state)
{
    if (state == m_sortState)
        return;
    m_sortState = state;
    m_records.showSortMark(state.markedColumn, state.direction);
    emit sortStateChanged(m_sortState);
}

void OpenCollection::startNew(const QString &name, std::vector<StampRecord> records)
{
    m_records.assign(std::move(records));
    m_entries.clear();
    rememberFile(QString(), FileFingerprint());
    finishReplacing(name, Replacement::New);
}

StorageResult OpenCollection::open(const QString &fileName)
{
    QString name = fileName;
    FileFingerprint fingerprint;
    // The catalogue numbers are read while the records are: a large
    // collection opens in the time of the larger of the two.
    const CollectionFiles byFileName(m_folder, fileName);
    auto catalogueRead = std::async(std::launch::async, [&byFileName] {
        std::pair<CollectionFiles::CatalogueRead, CatalogueEntries> read;
        read.first = byFileName.readCatalogue(read.second);
        return read;
    });
    const StorageResult loaded = LoadCollection(m_folder, fileName, m_records, name, &fingerprint);
    auto [catalogue, entries] = catalogueRead.get();
    // Line 2 in another spelling of an existing collection's name is that collection.
    const CollectionFiles byName(m_folder, name);
    name = byName.name();
    m_entries = std::move(entries);
    if (!loaded)
        m_entries.clear();
    else if (byName.catalogueFile() != byFileName.catalogueFile())
        catalogue = byName.readCatalogue(m_entries);
    if (loaded && catalogue.damagedLines > 0)
        emit catalogueDamaged(name, catalogue.damagedLines, catalogue.keptAside);
    // What failed to load is not known as it was: saving over it asks first.
    rememberFile(fileName, loaded ? fingerprint : FileFingerprint());
    if (loaded)
        m_savedStateFile = m_fingerprintFile;
    finishReplacing(name, Replacement::Opened);
    return loaded;
}

StorageResult OpenCollection::importOldData(const QString &fileName)
{
    const StorageResult imported = ImportOldData(m_folder, fileName, m_records);
    m_entries.clear();
    rememberFile(QString(), FileFingerprint());
    finishReplacing(fileName, Replacement::Imported);
    return imported;
}

CollectionSave::Result OpenCollection::saveAs(const QString &name,
                                              const CollectionSave::Conditions &conditions)
{
    FileFingerprint fingerprint;
    CollectionFiles target(m_folder, name);
    // The file this collection came from, saved under another spelling of
    // its name: the collection and its files take that spelling.
    if (target.exists() && target.file() == m_fingerprintFile &&
        target.name() != CollectionName::normalized(name) && CollectionName::sameCollection(name, m_name)) {
        if (const StorageResult respelled = target.respell(name); !respelled)
            return {respelled, CollectionSave::Stop::Failed};
    }
    const CollectionSave::Result saved = target.saveFrom(
        CollectionFiles(m_folder, m_name), m_records.records(), conditions, &fingerprint, &m_entries);
    if (saved) {
        rememberFile(target.name(), fingerprint);
        m_savedStateFile = m_fingerprintFile;
        for (ListChange &correction : ListChange::fileFormCorrections(m_records.records()))
            m_savedStateCorrections.push_back(std::make_shared<const ListChange>(std::move(correction)));
        setName(target.name());
        m_history.setClean();
        m_markedWithoutEdit = false;
        updateUnsavedChanges();
    }
    return saved;
}

StorageResult OpenCollection::restoreVersion(const CollectionVersions::Version &version)
{
    std::vector<StampRecord> records;
    StorageResult read = CollectionVersions::read(version, records);
    CatalogueEntries entries;
    if (read)
        read = CollectionFiles(m_folder, version.collection).readCatalogueOfVersion(version.path, entries);
    if (read) {
        m_entries = std::move(entries);
        takeRestored(version.collection, std::move(records));
    }
    return read;
}

StorageResult OpenCollection::restoreRecovery(const RecoveryFile::LeftBehind &file)
{
    std::vector<StampRecord> records;
    CatalogueEntries entries;
    const StorageResult read = RecoveryFile::read(file, records, entries);
    if (read) {
        m_entries = std::move(entries);
        // The collection file is taken as the state was made from it only when
        // it is still that file; if it was saved since, saving over it asks.
        const FileFingerprint now =
            FileFingerprint::ofFile(CollectionFiles(m_folder, file.collectionName).file());
        takeRestored(file.collectionName, std::move(records),
                     file.basis.sameSizeAndTime(now) ? now : FileFingerprint());
    }
    return read;
}

void OpenCollection::takeRestored(const QString &name, std::vector<StampRecord> records,
                                  std::optional<FileFingerprint> basis)
{
    // Saving over the collection file of that name is what the user asks for by
    // restoring; a change made elsewhere from now on is still noticed.
    const QString file = CollectionFiles(m_folder, name).file();
    if (name.isEmpty())
        rememberFile(QString(), FileFingerprint());
    else if (basis)
        rememberFile(name, *basis);
    else if (file != m_fingerprintFile)
        rememberFile(name, FileFingerprint::ofFile(file));
    // The restored state is no file's, whichever is remembered.
    m_savedStateFile.clear();
    m_savedStateCorrections.clear();
    m_records.assign(std::move(records));
    finishReplacing(name, Replacement::Restored);
    // Not the file's contents: unsaved until saved, whatever is undone.
    markChangedWithoutEdit();
}

bool OpenCollection::changedElsewhere(const QString &name) const
{
    const QString file = CollectionFiles(m_folder, name).file();
    if (name.isEmpty() || file != m_fingerprintFile)
        return false;
    return m_fingerprint.isNull() ? FileExists(file) : m_fingerprint.changedOnDisk(file);
}

bool OpenCollection::overwritesAnother(const QString &name) const
{
    const QString file = CollectionFiles(m_folder, name).file();
    return !name.isEmpty() && file != m_fingerprintFile && FileExists(file);
}

FileFingerprint OpenCollection::fileNow(const QString &name) const
{
    return CollectionSave(CollectionFiles(m_folder, name)).fileNow();
}

void OpenCollection::rememberFile(const QString &name, const FileFingerprint &fingerprint)
{
    m_fingerprintFile = name.isEmpty() ? QString() : CollectionFiles(m_folder, name).file();
    m_fingerprint = fingerprint;
    m_savedStateFile.clear();
    m_savedStateCorrections.clear();
}

void OpenCollection::finishReplacing(const QString &name, Replacement how)
{
    setName(name);
    // Changes of the collection that was open were given up by the caller, and
    // its steps with them.
    m_layingHistory = true;
    m_history.clear();
    m_layingHistory = false;
    m_historyWeight = 0;
    m_markedWithoutEdit = false;
    updateUnsavedChanges();
    emit catalogueEntriesChanged();
    emit contentsReplaced(how);
}

void OpenCollection::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged(m_name);
}

void OpenCollection::updateUnsavedChanges()
{
    setUnsavedChanges(m_markedWithoutEdit || !m_history.isClean());
}

void OpenCollection::setUnsavedChanges(bool unsaved)
{
    if (unsaved == m_unsavedChanges)
        return;
    m_unsavedChanges = unsaved;
    emit unsavedChangesChanged(m_unsavedChanges);
}
