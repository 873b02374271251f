#include "storage/document/SaveWithPictureFolder.h"

#include "storage/document/RecordList.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/ProgramFolder.h"

#include <QDir>

CollectionSave::Result SaveWithPictureFolder(const ProgramFolder &folder, const QString &name,
                                             const RecordList &list, FileFingerprint *fingerprint,
                                             const CollectionSave::Conditions &conditions)
{
    using Stop = CollectionSave::Stop;
    if (!CollectionName::isValid(name))
        return {StorageResult::failure(QStringLiteral("Ongeldige naam voor een verzameling!")), Stop::Failed};
    // One level only: the collection folder itself comes with the installation.
    const QString pictureFolder = folder.pictureFolder(name);
    // Another program saving the same new name may make the folder first.
    const bool created = !FolderExists(pictureFolder) && QDir().mkdir(pictureFolder);
    if (!created && !FolderExists(pictureFolder))
        return {StorageResult::failure(QStringLiteral("Map voor afbeeldingen kon niet worden aangemaakt: ") +
                                       pictureFolder),
                Stop::Failed};
    const CollectionSave::Result saved =
        CollectionSave(folder, name).write(list.records(), conditions, fingerprint);
    // A collection that was not saved leaves no empty folder of its own behind.
    if (!saved && created)
        QDir().rmdir(pictureFolder);
    return saved;
}
