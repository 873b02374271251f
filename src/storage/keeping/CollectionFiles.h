#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/CollectionSave.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

class CatalogueEntries;
class FileFingerprint;

// A collection and every file that belongs to it. A collection is its name,
// compared in NFC and without regard to letter case (the collectors' files
// come from a system where "Belgie" and "belgie" are one file): whatever
// spelling it is given, it is the collection whose file exists, under that
// file's spelling. Besides Verzameling/<name>.col it owns
//   its picture folder        Verzameling/<name>/
//   its want list             Verzameling/.mancolijst/<name>.txt
//   its catalogue numbers     Verzameling/.catalogi/<name>.txt (other systems' numbers;
//                             a damaged one is kept aside beside it as
//                             "<name> <moment>.beschadigd")
//   its versions              Verzameling/.versies/<name>/<moment>.col, each with the
//                             want list it had as <moment>.mancolijst and its catalogue
//                             numbers as <moment>.catalogi, and its kept pictures below
//                             afbeeldingen/
//   its recovery file         Verzameling/.herstel/<name>.col (a second program that has
//                             it open: "<name> (programma <pid>).col")
//   its lock                  Verzameling/.<name>.col.lock
// and this class is the only place that names them. What each operation
// does with them:
//   save            the file it replaces becomes a version with the want list
//                   and the catalogue numbers; the picture folder is made when
//                   missing; the catalogue numbers are written when given
//   save under a new name (also over an existing collection)
//                   as save, for the collection written; the want list of the
//                   collection saved goes along and replaces the one there
//   delete          the file becomes a version with the want list and the
//                   catalogue numbers, then all three go;
//                   versions stay (the picture folder is the open dialog's)
//   restore         as save; the version's want list and catalogue numbers,
//                   when it kept them, come back (restore under another name:
//                   else those of the collection restored go along)
//   import over an existing collection
//                   as save: the want list stays, a copy goes with the version;
//                   the catalogue numbers are the import's when it has any
//   versions        of every spelling of the name (earlier versions of the
//                   program kept names differing in case apart)
//   respell         every file takes the new spelling (a save under a name that
//                   differs from the open collection's only in case)
// The recovery file is the window's, removed on a save; the lock is held
// while a file of the collection is written.
class CollectionFiles {
public:
    CollectionFiles(const ProgramFolder &folder, const QString &name);

    const ProgramFolder &programFolder() const { return m_folder; }
    const QString &name() const { return m_name; }
    // The collection file exists.
    bool exists() const;
    // Both spellings name this collection.
    bool isNamed(const QString &spelling) const;

    // A name is given to a new collection only when every file the collection
    // may need fits the disk's file names; a name CollectionName refuses is
    // not looked at here.
    static StorageResult checkLength(const ProgramFolder &folder, const QString &name);
    // Both checks a new name meets, with the windows' message.
    static StorageResult checkNewName(const ProgramFolder &folder, const QString &name);
    // The same against a limit of the disk's file names (most disks' 255 bytes).
    static StorageResult checkLength(const QString &name, qsizetype longestFileName = 255);

    QString file() const;
    QString pictureFolder() const;
    QString lockFile() const;
    // Empty for a name that can have none (from a damaged collection file).
    QString wantList() const;
    // Empty as the want list.
    QString catalogueFile() const;
    // Where a damaged catalogue file is kept aside, named for the moment.
    QString damagedCatalogueCopy(const QDateTime &moment) const;
    // Where new versions go, and every folder that holds versions of the collection.
    QString versionsFolder() const;
    QStringList versionFolders() const;
    QString keptPicturesFolder() const;
    // program: 0 for the first program that has the collection open, else
    // the process id of the program that keeps a recovery file of its own.
    QString recoveryFile(qint64 program = 0) const;

    static QString versionsRoot(const ProgramFolder &folder);
    static QString recoveryFolder(const ProgramFolder &folder);
    // The want list and the catalogue numbers kept with the version at versionFile.
    static QString wantListOfVersion(const QString &versionFile);
    static QString catalogueOfVersion(const QString &versionFile);
    // The files kept beside each version: the collection's now, and where it
    // goes beside the version at versionFile.
    struct KeptBeside {
        QString current;
        QString kept;
    };
    std::vector<KeptBeside> keptBesideVersion(const QString &versionFile) const;

    // Writes the records as this collection (see above), with the catalogue
    // numbers when entries are given (else the file there stays). On failure
    // nothing is written, and a picture folder made for it goes again.
    CollectionSave::Result save(RecordSpan records, const CollectionSave::Conditions &conditions = {},
                                FileFingerprint *written = nullptr,
                                const CatalogueEntries *entries = nullptr) const;
    // The same for the records of source saved under this name; the want list
    // goes along when they are two collections.
    CollectionSave::Result saveFrom(const CollectionFiles &source, RecordSpan records,
                                    const CollectionSave::Conditions &conditions = {},
                                    FileFingerprint *written = nullptr,
                                    const CatalogueEntries *entries = nullptr) const;
    // The catalogue numbers of the collection as its file holds them (none
    // without a file). A damaged file gives what can be read; it is kept aside
    // at keptAside and written again from the lines read, so that the
    // collector is told once.
    struct CatalogueRead {
        StorageResult result;
        qsizetype damagedLines = 0;
        QString keptAside;
    };
    CatalogueRead readCatalogue(CatalogueEntries &entries) const;
    // Writes the catalogue numbers alone, under the collection's lock, once
    // the collection is kept as a version with those written over (no
    // entries: the file goes).
    StorageResult writeCatalogue(const CatalogueEntries &entries) const;
    // The catalogue numbers kept with a version; when it kept none, those of
    // the collection now.
    StorageResult readCatalogueOfVersion(const QString &versionFile, CatalogueEntries &entries) const;
    // The records of a version (of this collection or, restored under this
    // name, of another) written as this collection.
    CollectionSave::Result restore(const QString &versionFile, const QString &versionOf,
                                   RecordSpan records) const;
    // The collection and every file of it (picture folder, want list,
    // versions folder) take another spelling of its name, which differs only
    // in letter case; on failure everything keeps its old spelling. The
    // collection file keeps its contents: a save writes the new name into it.
    StorageResult respell(const QString &spelling);
    // Keeps the file with its want list as a version, then removes both. A
    // file already gone counts as deleted; one whose name the program now
    // refuses is kept under CollectionName::repaired(name).
    StorageResult remove() const;

private:
    // The file in folder named <name><suffix>, found as the collection file is.
    QString companionIn(const QString &folder, const QString &suffix) const;
    // The want list of the collection becomes that in sourceFile (none: removed).
    StorageResult takeWantList(const QString &sourceFile) const;

    ProgramFolder m_folder;
    QString m_name;
    QString m_file;
};
