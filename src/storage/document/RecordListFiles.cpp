#include "storage/document/RecordListFiles.h"

#include "storage/document/RecordList.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/OldDataFile.h"
#include "storage/keeping/CollectionFiles.h"

StorageResult LoadCollection(const ProgramFolder &folder, const QString &name, RecordList &list,
                             QString &collectionName, FileFingerprint *fingerprint)
{
    list.clear();
    CollectionFile::Contents contents;
    const StorageResult read =
        CollectionFile::read(CollectionFiles(folder, name).file(), contents, fingerprint);
    if (contents.name)
        collectionName = *contents.name;
    if (read)
        list.assign(std::move(contents.records));
    return read;
}

StorageResult ImportOldData(const ProgramFolder &folder, const QString &name, RecordList &list)
{
    list.clear();
    QByteArray bytes;
    const StorageResult read = TextFile::readBytes(folder.oldDataFile(name), bytes);
    if (read)
        list.assign(OldDataFile::parse(bytes));
    return read;
}

StorageResult SaveCollection(const ProgramFolder &folder, const QString &name, const RecordList &list,
                             FileFingerprint *fingerprint)
{
    return CollectionSave(CollectionFiles(folder, name)).write(list.records(), {}, fingerprint);
}
