#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/FileFingerprint.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/ListChange.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CatalogueEntries;
class QLockFile;

// The open collection's unsaved state, kept in Verzameling/.herstel so that a
// crash or a power cut loses little. <name>.col ("(naamloos).col" for a
// collection without a name) is the base: the state the changes started from,
// in the form of a collection file, line 2 holding the collection's name
// (empty for none). Usually it is a copy of the collection file as opened or
// last saved. <name>.stappen is the journal of the changes made since, so that
// keeping the state up to date never copies the whole list. A base without a
// journal (as earlier versions of the program wrote) is the state itself.
// Beside them, <name>.basis keeps the size and time of the collection file the
// state was made from, so that a restore still notices a later save elsewhere.
// A program that opens a collection another running program has open keeps a
// recovery file of its own, named for it, so that the work of both survives.
class RecoveryFile {
public:
    struct LeftBehind {
        QString collectionName; // empty: the collection had no name yet
        QDateTime writtenAt;
        QString path;
        // The collection file when the state was written; null: there was none,
        // or it is not known.
        FileFingerprint basis;
    };

    // program: 0 for the recovery file of the first program that has the
    // collection open, else the process id of a later one.
    explicit RecoveryFile(const ProgramFolder &folder, qint64 program = 0);

    // Where the recovery file of a collection of this name goes. A name that
    // cannot be a file name (from a damaged collection file) counts as none.
    QString pathFor(const QString &collectionName) const;
    // The name as the collector is told it: "(naamloos)" for a collection without one.
    static QString shownName(const QString &collectionName);

    // Held by the running program that writes the recovery file of this name,
    // so that no other program offers or removes it as left behind. Null when
    // another running program holds it.
    std::unique_ptr<QLockFile> lock(const QString &collectionName) const;

    // Starts the recovery file anew with the records as the base: what was
    // there before counts until the new base is complete. basis: the
    // collection file the state was made from.
    // The catalogue entries of the state, when it has any, go first into the journal.
    StorageResult write(const QString &collectionName, RecordSpan records, const FileFingerprint &basis = {},
                        const CatalogueEntries *entries = nullptr) const;
    // The same with a copy of the collection file at file as the base; it must
    // still be as fingerprint says (it holds the state), or nothing is written.
    StorageResult writeCopyOf(const QString &collectionName, const QString &file,
                              const FileFingerprint &fingerprint, const FileFingerprint &basis,
                              const CatalogueEntries *entries = nullptr) const;
    // Adds changes made to the list since to the journal of the base written last.
    StorageResult append(const QString &collectionName,
                         const std::vector<std::shared_ptr<const ListChange>> &changes) const;
    // The size of the journal, to be given to shortenJournal right after a start.
    qint64 journalSize(const QString &collectionName) const;
    // Once the journal has grown past its size at the start (startSize) by
    // more than the base (and a few megabytes), writes the state it gives as
    // a new start, whose size goes to startSize: reading it back stays quick
    // however long the work goes on without a save. The lists set aside then
    // are set aside again at the new start.
    StorageResult shortenJournal(const QString &collectionName, qint64 &startSize) const;
    // Removes the collection's recovery file; none there is no failure.
    StorageResult remove(const QString &collectionName) const;

    // The recovery files a crash left behind, newest first; those a running
    // program holds are not.
    std::vector<LeftBehind> leftBehind() const;
    // The base with the changes of its journal done again on it: the list as
    // it was at the last change written (a change cut short by the crash is left out).
    static StorageResult read(const LeftBehind &file, std::vector<StampRecord> &records);
    static StorageResult read(const LeftBehind &file, std::vector<StampRecord> &records,
                              CatalogueEntries &entries);
    // Keeps a declined recovery file's state as a version of its collection (of
    // "(naamloos)" without a name), then removes it.
    StorageResult discard(const LeftBehind &file) const;
    // Removes a file left behind whose state lives on elsewhere.
    static StorageResult forget(const LeftBehind &file);

private:
    // read, also giving the lists set aside at the end of the journal.
    static StorageResult replay(const LeftBehind &file, std::vector<StampRecord> &records,
                                ListChange::AsideLists &asides, CatalogueEntries &entries);
    // write, with the entries after the base's own.
    StorageResult write(const QString &collectionName, RecordSpan records, const FileFingerprint &basis,
                        const CatalogueEntries *entries, std::vector<QByteArray> laterEntries) const;
    QString folder() const;
    // The folder when it is a real one (or none yet); never one reached through a link.
    StorageResult checkFolder() const;
    // Writes the base that writeBase hands to its sink (asked twice: first for
    // the base's mark), then a journal for it holding firstEntries.
    using BaseWriter = std::function<void(const std::function<bool(QByteArrayView piece)> &sink)>;
    StorageResult start(const QString &collectionName, const FileFingerprint &basis,
                        const BaseWriter &writeBase, const std::vector<QByteArray> &firstEntries) const;

    ProgramFolder m_folder;
    qint64 m_program;
};
