#pragma once

#include "storage/StorageResult.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/folder/FileFingerprint.h"
#include "storage/folder/ProgramFolder.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>

class LentRecords;
class ListChange;

// Writes the recovery file on a worker thread, so that the window's thread
// only hands over what changed: a base at the start, then each change to the
// list as it is made. The work is done in the order it was asked for; a
// failure drops the changes after it until the next start.
class RecoveryWriter : public QObject {
    Q_OBJECT

public:
    explicit RecoveryWriter(const ProgramFolder &folder, QObject *parent = nullptr);
    // Lets the work asked for finish.
    ~RecoveryWriter() override;

    // Starts the recovery file of collectionName with the records as the
    // state, made from the collection file basis. The worker copies lent
    // records (sharing their texts), so that the window's thread does not.
    // program: whose recovery file it is (see RecoveryFile).
    // The catalogue entries are a copy that shares its texts until the
    // collection's change.
    void start(const QString &collectionName, std::shared_ptr<LentRecords> records,
               const FileFingerprint &basis = {}, qint64 program = 0, const CatalogueEntries &entries = {});
    // The same with the collection file at file as the state, which it holds
    // while it is as fingerprint says.
    void startFromFile(const QString &collectionName, const QString &file, const FileFingerprint &fingerprint,
                       const FileFingerprint &basis, qint64 program = 0,
                       const CatalogueEntries &entries = {});
    // Adds a change made to the list since, to the recovery file started last.
    void append(std::shared_ptr<const ListChange> change);
    // Drops the work not yet begun, waits for a running one, then removes the
    // recovery file of collectionName, so that no write can bring it back.
    StorageResult remove(const QString &collectionName, qint64 program = 0);
    // Returns when no work runs or waits.
    void waitUntilIdle();

signals:
    // From the worker thread; a receiver on the window's thread gets it queued.
    void writeFailed(const QString &reason);

private:
    struct Start {
        QString collectionName;
        qint64 program = 0;
        FileFingerprint basis;
        // The file to copy when it is set, else the records.
        QString file;
        FileFingerprint fingerprint;
        std::shared_ptr<LentRecords> records;
        CatalogueEntries entries;
    };
    using Work = std::variant<Start, std::shared_ptr<const ListChange>>;

    void ask(Work work);
    // Waits for work until the writer goes. One thread for the writer's
    // life: a thread that ends after large work can take long to free its
    // memory, and the window's thread would wait for it.
    void run();
    // Does the work in order; changes that follow each other go in one append.
    void doWork(std::deque<Work> &work);

    const ProgramFolder m_folder;
    std::mutex m_mutex;
    std::condition_variable m_workAsked;
    std::condition_variable m_idle;
    std::deque<Work> m_waiting;
    // The worker has taken work and not finished it yet.
    bool m_busy = false;
    bool m_ending = false;
    std::thread m_worker;
    // Worker thread only: where changes go, and whether they can.
    QString m_startedName;
    qint64 m_startedProgram = 0;
    bool m_started = false;
    qint64 m_journalStartSize = 0;
};
