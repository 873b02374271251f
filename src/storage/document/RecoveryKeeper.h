#pragma once

#include "storage/keeping/JournalAsides.h"
#include "storage/keeping/RecoveryFile.h"
#include "storage/keeping/RecoveryWriter.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class ListChange;
class OpenCollection;
class QLockFile;
class QTimer;

// Keeps the unsaved state of the open collection in its recovery file, so that
// a crash or a power cut loses as little as possible: started when the
// collection gets unsaved changes, from the collection file it was opened from
// or saved to (or, where no file holds that state, from the list as it is),
// then each change is added as it is made. A start that failed is made again
// from the whole list every minute and whenever the focus leaves the program.
// Removed when the changes are saved or given up, or the program closes.
// A named collection is claimed as soon as it is open: a program that opens
// one another running program has open is told so, and keeps its recovery
// file under a name of its own.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int IntervalMilliseconds = 60 * 1000;

    // Lives as long as the collection.
    explicit RecoveryKeeper(OpenCollection &collection);
    ~RecoveryKeeper() override;

    // Writes the recovery file now where it could not be started before (the
    // focus left the program, and a write may succeed where the last failed).
    void writeNow();
    // The program closes as the user asked: no recovery file stays, and none
    // is written any more.
    void closedCleanly();

    // The recovery files a crash left behind, newest first.
    std::vector<RecoveryFile::LeftBehind> leftBehind() const;
    // A file left behind becomes the open collection's state, kept on in this
    // program's own recovery file; false when it cannot be read (it stays,
    // to be offered again).
    bool restore(const RecoveryFile::LeftBehind &file);
    // A file left behind that the collector declined is kept as a version and removed.
    void discard(const RecoveryFile::LeftBehind &file);

signals:
    // The collection just opened is open in another running program too; this
    // program keeps its recovery file apart.
    void openElsewhere(const QString &collectionName);

private:
    void unsavedChangesChanged(bool unsaved);
    // Takes the recovery file of the open collection for this program, once
    // nothing is kept under the previous name.
    void claim();
    void listChanged(const std::shared_ptr<const ListChange> &change);
    // fromSavedState: the changes since the saved state are all in m_sinceSaved.
    void start(bool fromSavedState);
    void removeWritten();

    OpenCollection &m_collection;
    // Taken at the first write and held while this program may have a
    // recovery file; released only after the writer has finished (members go
    // in reverse order).
    std::unique_ptr<QLockFile> m_lock;
    // The name and program the lock is for (see RecoveryFile).
    QString m_lockedName;
    qint64 m_program = 0;
    RecoveryWriter m_writer;
    QTimer *m_timer;
    // The name the recovery file was written under while changes were unsaved.
    QString m_writtenName;
    // Changes made at the saved state, until the collection counts as unsaved.
    std::vector<std::shared_ptr<const ListChange>> m_sinceSaved;
    // Of the journal the changes go to, or will go to with m_sinceSaved.
    JournalAsides m_journalAsides;
    // The recovery file was started and takes each change.
    bool m_started = false;
    bool m_mayHaveWritten = false;
    bool m_closed = false;
};
