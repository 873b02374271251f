#include "storage/keeping/CollectionSave.h"

#include "storage/StorageText.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/formats/CatalogueEntriesFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionLock.h"
#include "storage/keeping/CollectionVersions.h"

namespace {

CollectionSave::Result stopped(CollectionSave::Stop stop, const QString &reason)
{
    return {StorageResult::failure(reason), stop};
}

} // namespace

CollectionSave::CollectionSave(const CollectionFiles &collection)
    : m_folder(collection.programFolder())
    , m_name(collection.name())
    , m_file(collection.file())
    , m_lockFile(collection.lockFile())
    , m_catalogueFile(collection.catalogueFile())
{}

CollectionSave::Result CollectionSave::write(RecordSpan records, const Conditions &conditions,
                                             FileFingerprint *written, const CatalogueEntries *entries) const
{
    if (!CollectionName::isValid(m_name))
        return stopped(Stop::Failed, StorageText::tr("Ongeldige naam voor een verzameling!"));
    CollectionLock lock(m_lockFile);
    if (const StorageResult locked = lock.acquire(); !locked)
        return stopped(Stop::Failed,
                       StorageText::tr("Verzameling kon niet worden vergrendeld: %1").arg(locked.reason));

    const QString &file = m_file;
    if (conditions.fileAsBefore) {
        const FileFingerprint &before = *conditions.fileAsBefore;
        if (before.isNull() ? FileExists(file) : before.changedOnDisk(file))
            return stopped(Stop::ChangedElsewhere,
                           StorageText::tr("Verzameling '%1' is intussen door een ander programma gewijzigd.")
                               .arg(m_name));
    }
    if (conditions.keepVersion) {
        if (const StorageResult kept = CollectionVersions(m_folder).keep(m_name); !kept)
            return stopped(Stop::VersionNotKept, kept.reason);
    }
    if (const StorageResult saved = CollectionFile::write(file, m_name, records, written); !saved)
        return stopped(Stop::Failed, saved.reason);
    // The records are saved; numbers that could not follow are said, and the
    // next save writes them again.
    if (entries) {
        if (const StorageResult saved = CatalogueEntriesFile::write(m_catalogueFile, *entries); !saved)
            return stopped(
                Stop::Failed,
                StorageText::tr("Catalogusnummers konden niet worden opgeslagen: %1").arg(saved.reason));
    }
    return {};
}

FileFingerprint CollectionSave::fileNow() const
{
    return FileFingerprint::ofFile(m_file);
}
