#include "storage/OpenCollection.h"

#include "storage/CollectionFile.h"
#include "storage/OldDataFile.h"
#include "storage/SaveWithPictureFolder.h"

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
    finishReplacing(name, Replacement::New);
}

StorageResult OpenCollection::open(const QString &fileName)
{
    QString name = fileName;
    const StorageResult loaded = LoadCollection(m_folder, fileName, m_records, name);
    finishReplacing(name, Replacement::Opened);
    return loaded;
}

StorageResult OpenCollection::importOldData(const QString &fileName)
{
    const StorageResult imported = ImportOldData(m_folder, fileName, m_records);
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
    const StorageResult saved = SaveWithPictureFolder(m_folder, name, m_records);
    if (saved) {
        setName(name);
        setUnsavedChanges(false);
    }
    return saved;
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
