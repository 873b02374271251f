#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/FileFingerprint.h"
#include "storage/folder/ProgramFolder.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Writes recovery files on a worker thread, so that the window's thread only
// takes a snapshot of the records (shared texts, no file work). One write runs
// at a time; a request made while one runs replaces any request still waiting,
// so the newest state is always the next written.
class RecoveryWriter : public QObject {
    Q_OBJECT

public:
    explicit RecoveryWriter(const ProgramFolder &folder, QObject *parent = nullptr);
    // Lets a running write finish; a waiting one is dropped.
    ~RecoveryWriter() override;

    // Snapshots the records and writes them as the recovery file of
    // collectionName on the worker thread, with the collection file they were
    // made from.
    void write(const QString &collectionName, const std::vector<StampRecord> &records,
               const FileFingerprint &basis = {});
    // Drops a waiting write, waits for a running one, then removes the
    // recovery file of collectionName, so that no write can bring it back.
    StorageResult remove(const QString &collectionName);
    // Returns when no write runs or waits.
    void waitUntilIdle();

signals:
    // From the worker thread; a receiver on the window's thread gets it queued.
    void writeFailed(const QString &reason);

private:
    struct Snapshot {
        QString collectionName;
        std::vector<StampRecord> records;
        FileFingerprint basis;
    };

    void run();

    const ProgramFolder m_folder;
    std::mutex m_mutex;
    std::condition_variable m_idle;
    std::optional<Snapshot> m_waiting;
    bool m_running = false;
    std::thread m_worker;
};
