#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/FileFingerprint.h"
#include "storage/folder/ProgramFolder.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class QLockFile;

// The open collection's unsaved state, written now and then to
// Verzameling/.herstel/<name>.col ("(naamloos).col" for a collection without a
// name) so that a crash or a power cut loses little. The file has the form of
// a collection file; line 2 holds the collection's name, empty for none.
// Beside it, <name>.basis keeps the size and time of the collection file the
// state was made from, so that a restore still notices a later save elsewhere.
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

    explicit RecoveryFile(const ProgramFolder &folder);

    // Where the recovery file of a collection of this name goes. A name that
    // cannot be a file name (from a damaged collection file) counts as none.
    QString pathFor(const QString &collectionName) const;
    // The name as the collector is told it: "(naamloos)" for a collection without one.
    static QString shownName(const QString &collectionName);

    // Held by the running program that writes the recovery file of this name,
    // so that no other program offers or removes it as left behind. Null when
    // another running program holds it.
    std::unique_ptr<QLockFile> lock(const QString &collectionName) const;

    // Writes the records atomically: an interrupted write leaves the previous
    // recovery file as it was. basis: the collection file the state was made from.
    StorageResult write(const QString &collectionName, const std::vector<StampRecord> &records,
                        const FileFingerprint &basis = {}) const;
    // Removes the collection's recovery file; none there is no failure.
    StorageResult remove(const QString &collectionName) const;

    // The recovery files a crash left behind, newest first; those a running
    // program holds are not.
    std::vector<LeftBehind> leftBehind() const;
    static StorageResult read(const LeftBehind &file, std::vector<StampRecord> &records);
    // Keeps a declined recovery file as a version of its collection (of
    // "(naamloos)" without a name), then removes it.
    StorageResult discard(const LeftBehind &file) const;

private:
    QString folder() const;
    // The folder when it is a real one (or none yet); never one reached through a link.
    StorageResult checkFolder() const;

    ProgramFolder m_folder;
};
