#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/CollectionSave.h"

#include <QString>
#include <QStringList>

#include <vector>

class CatalogueEntries;

// The collections an import writes, all or none: each is checked before the
// first is written, and a failure part-way takes back what was written. A
// collection that was new goes again with the picture folder made for it,
// one that was replaced gets its file back from the version kept of it, and
// every picture filed goes; the versions kept stay.
class ImportedCollections {
public:
    explicit ImportedCollections(const ProgramFolder &folder);
    // Takes everything back unless the import was finished.
    ~ImportedCollections();
    ImportedCollections(const ImportedCollections &) = delete;
    ImportedCollections &operator=(const ImportedCollections &) = delete;

    // Whether the collection could be written: a name it may have, a file
    // and a picture folder that can be made. The reason names the collection.
    static StorageResult check(const ProgramFolder &folder, const QString &name);

    // The catalogue numbers are written too when entries are given.
    CollectionSave::Result save(const QString &name, RecordSpan records,
                                const CatalogueEntries *entries = nullptr);
    // Called before a picture is filed at path: one that is new there goes when taken back.
    void filing(const QString &path);
    // Everything written stays.
    void finish() { m_finished = true; }

private:
    void takeBack();

    struct Written {
        QString file;
        QString pictureFolder;
        bool replaced = false;   // the file was there before: it comes back from its version
        bool madeFolder = false; // the picture folder was made for it
        QString keptVersion;
        // With catalogue numbers written: their file, and whether it was new.
        QString catalogueFile;
        bool newCatalogue = false;
    };

    ProgramFolder m_folder;
    std::vector<Written> m_written;
    QStringList m_pictures;
    bool m_finished = false;
};
