#pragma once

#include "storage/ProgramFolder.h"
#include "storage/StampRecord.h"
#include "storage/StorageResult.h"

#include <QDateTime>
#include <QString>

#include <vector>

// The open collection's unsaved state, written now and then to
// Verzameling/.herstel/<name>.col ("(naamloos).col" for a collection without a
// name) so that a crash or a power cut loses little. The file has the form of
// a collection file; line 2 holds the collection's name, empty for none.
class RecoveryFile {
public:
    struct LeftBehind {
        QString collectionName; // empty: the collection had no name yet
        QDateTime writtenAt;
        QString path;
    };

    explicit RecoveryFile(const ProgramFolder &folder);

    // Where the recovery file of a collection of this name goes. A name that
    // cannot be a file name (from a damaged collection file) counts as none.
    QString pathFor(const QString &collectionName) const;
    // The name as the collector is told it: "(naamloos)" for a collection without one.
    static QString shownName(const QString &collectionName);

    // Writes the records atomically: an interrupted write leaves the previous
    // recovery file as it was.
    StorageResult write(const QString &collectionName, const std::vector<StampRecord> &records) const;
    // Removes the collection's recovery file; none there is no failure.
    StorageResult remove(const QString &collectionName) const;

    // The recovery files a crash left behind, newest first.
    std::vector<LeftBehind> leftBehind() const;
    static StorageResult read(const LeftBehind &file, std::vector<StampRecord> &records);
    // Keeps a declined recovery file as a version of its collection (of
    // "(naamloos)" without a name), then removes it.
    StorageResult discard(const LeftBehind &file) const;

private:
    ProgramFolder m_folder;
};
