#pragma once

#include "storage/CollectionSave.h"
#include "storage/CollectionVersions.h"
#include "storage/FileFingerprint.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordList.h"
#include "storage/RecoveryFile.h"
#include "storage/StorageResult.h"

#include <QObject>
#include <QString>

#include <vector>

// The open collection as a document: its records, its name and whether it has
// changes that are not saved yet. Every operation that replaces or writes the
// whole collection goes through here; the windows follow the signals.
class OpenCollection : public QObject {
    Q_OBJECT

public:
    // How the collection that took the place of the previous one came.
    enum class Replacement { New, Opened, Imported, Restored };

    explicit OpenCollection(const ProgramFolder &folder, QObject *parent = nullptr);

    const ProgramFolder &programFolder() const { return m_folder; }
    RecordList &records() { return m_records; }
    const RecordList &records() const { return m_records; }
    // Empty until a collection is started, opened or imported.
    const QString &name() const { return m_name; }
    bool unsavedChanges() const { return m_unsavedChanges; }

    // The records were changed in memory (edited, added, deleted, sorted).
    void markChanged();

    // An empty collection under a new name, with nothing to save yet.
    void startNew(const QString &name);
    // Verzameling/<fileName>.col; the name becomes line 2 of the file when it can
    // be read. A file that cannot be read gives an empty collection under fileName.
    StorageResult open(const QString &fileName);
    // Verzameling/<fileName>.cat, under the name fileName.
    StorageResult importOldData(const QString &fileName);
    // Records read from a spreadsheet, after the present ones or in their place;
    // the collection keeps its name.
    void addImportedRecords(std::vector<StampRecord> records, bool replace);
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

signals:
    void nameChanged(const QString &name);
    void unsavedChangesChanged(bool unsaved);
    // Another collection took the place of the open one (new, opened or
    // imported). Records changed within the collection come through the
    // RecordList's own model signals.
    void contentsReplaced(OpenCollection::Replacement how);

private:
    void setName(const QString &name);
    void setUnsavedChanges(bool unsaved);
    void finishReplacing(const QString &name, Replacement how);
    // basis: what the collection file was when the restored state was made
    // from it, when that is known.
    void takeRestored(const QString &name, std::vector<StampRecord> records,
                      std::optional<FileFingerprint> basis = std::nullopt);
    // Remembers the collection file of name as it is now (after a load or save,
    // the fingerprint the write or read gave).
    void rememberFile(const QString &name, const FileFingerprint &fingerprint);

    ProgramFolder m_folder;
    RecordList m_records;
    QString m_name;
    bool m_unsavedChanges = false;
    // The file last loaded or saved, and what it was then (null: not known).
    QString m_fingerprintFile;
    FileFingerprint m_fingerprint;
};
