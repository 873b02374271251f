#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class ImportedCollections;

// Files the pictures of an import by the rules of pictures added from the
// program, a picture a record already has never replaced. Writing, each
// picture is noted with the collections written, so that a failure takes it
// back; in a dry run the pictures go to a scratch folder, so that it refuses
// exactly what writing would refuse.
class ImportPictureFiler {
public:
    // written: null for a dry run.
    ImportPictureFiler(const ProgramFolder &folder, ImportedCollections *written);
    ~ImportPictureFiler();

    StorageResult file(const QString &collection, const StampRecord &record, const QByteArray &data);

private:
    ProgramFolder m_folder;
    ImportedCollections *m_written;
    std::unique_ptr<QTemporaryDir> m_scratch;
};
