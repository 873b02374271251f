#include "storage/keeping/CollectionSave.h"

#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
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
{}

CollectionSave::Result CollectionSave::write(RecordSpan records, const Conditions &conditions,
                                             FileFingerprint *written) const
{
    if (!CollectionName::isValid(m_name))
        return stopped(Stop::Failed, QStringLiteral("Ongeldige naam voor een verzameling!"));
    CollectionLock lock(m_lockFile);
    if (const StorageResult locked = lock.acquire(); !locked)
        return stopped(Stop::Failed,
                       QStringLiteral("Verzameling kon niet worden vergrendeld: ") + locked.reason);

    const QString &file = m_file;
    if (conditions.fileAsBefore) {
        const FileFingerprint &before = *conditions.fileAsBefore;
        if (before.isNull() ? FileExists(file) : before.changedOnDisk(file))
            return stopped(Stop::ChangedElsewhere,
                           QStringLiteral("Verzameling '") + m_name +
                               QStringLiteral("' is intussen door een ander programma gewijzigd."));
    }
    if (conditions.keepVersion) {
        if (const StorageResult kept = CollectionVersions(m_folder).keep(m_name); !kept)
            return stopped(Stop::VersionNotKept, kept.reason);
    }
    if (const StorageResult saved = CollectionFile::write(file, m_name, records, written); !saved)
        return stopped(Stop::Failed, saved.reason);
    return {};
}

FileFingerprint CollectionSave::fileNow() const
{
    return FileFingerprint::ofFile(m_file);
}
