#include "storage/OpenCollection.h"

#include "storage/CollectionFile.h"
#include "storage/OldDataFile.h"
#include "storage/SaveWithPictureFolder.h"
#include "storage/WantListFile.h"

OpenCollection::OpenCollection(const ProgramFolder &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{}

void OpenCollection::markChanged()
{
    setUnsavedChanges(true);
}

void OpenCollection::startNew(const QString &name)
{
    m_records.clear();
    rememberFile(QString(), FileFingerprint());
    finishReplacing(name, Replacement::New);
}

StorageResult OpenCollection::open(const QString &fileName)
{
    QString name = fileName;
    FileFingerprint fingerprint;
    const StorageResult loaded = LoadCollection(m_folder, fileName, m_records, name, &fingerprint);
    rememberFile(fileName, fingerprint);
    finishReplacing(name, Replacement::Opened);
    return loaded;
}

StorageResult OpenCollection::importOldData(const QString &fileName)
{
    const StorageResult imported = ImportOldData(m_folder, fileName, m_records);
    rememberFile(QString(), FileFingerprint());
    finishReplacing(fileName, Replacement::Imported);
    return imported;
}

void OpenCollection::addImportedRecords(std::vector<StampRecord> records, bool replace)
{
    std::vector<StampRecord> all;
    if (!replace)
        all = m_records.records();
    all.reserve(all.size() + records.size());
    all.insert(all.end(), std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()));
    m_records.assign(std::move(all));
    setUnsavedChanges(true);
}

StorageResult OpenCollection::saveAs(const QString &name)
{
    FileFingerprint fingerprint;
    const StorageResult saved = SaveWithPictureFolder(m_folder, name, m_records, &fingerprint);
    if (saved) {
        // The want list's ranges go along; the collection is saved whether or not they can.
        if (!m_name.isEmpty() && m_name != name)
            (void)WantListFile::carryOver(m_folder, m_name, name);
        rememberFile(name, fingerprint);
        setName(name);
        setUnsavedChanges(false);
    }
    return saved;
}

StorageResult OpenCollection::restoreVersion(const CollectionVersions::Version &version)
{
    std::vector<StampRecord> records;
    const StorageResult read = CollectionVersions::read(version, records);
    if (read)
        takeRestored(version.collection, std::move(records));
    return read;
}

StorageResult OpenCollection::restoreRecovery(const RecoveryFile::LeftBehind &file)
{
    std::vector<StampRecord> records;
    const StorageResult read = RecoveryFile::read(file, records);
    if (read)
        takeRestored(file.collectionName, std::move(records));
    return read;
}

void OpenCollection::takeRestored(const QString &name, std::vector<StampRecord> records)
{
    // Saving over the collection file of that name is what the user asks for by
    // restoring; a change made elsewhere from now on is still noticed.
    const QString file = m_folder.collectionFile(name);
    if (name.isEmpty())
        rememberFile(QString(), FileFingerprint());
    else if (file != m_fingerprintFile)
        rememberFile(name, FileFingerprint::ofFile(file));
    m_records.assign(std::move(records));
    finishReplacing(name, Replacement::Restored);
    setUnsavedChanges(true);
}

bool OpenCollection::changedElsewhere(const QString &name) const
{
    const QString file = m_folder.collectionFile(name);
    return !name.isEmpty() && file == m_fingerprintFile && m_fingerprint.changedOnDisk(file);
}

void OpenCollection::rememberFile(const QString &name, const FileFingerprint &fingerprint)
{
    m_fingerprintFile = name.isEmpty() ? QString() : m_folder.collectionFile(name);
    m_fingerprint = fingerprint;
}

void OpenCollection::finishReplacing(const QString &name, Replacement how)
{
    setName(name);
    // Changes of the collection that was open were given up by the caller.
    setUnsavedChanges(false);
    emit contentsReplaced(how);
}

void OpenCollection::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged(m_name);
}

void OpenCollection::setUnsavedChanges(bool unsaved)
{
    if (unsaved == m_unsavedChanges)
        return;
    m_unsavedChanges = unsaved;
    emit unsavedChangesChanged(m_unsavedChanges);
}
