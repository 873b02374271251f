#include "storage/keeping/RecoveryWriter.h"

#include "storage/keeping/RecoveryFile.h"

#include <utility>

RecoveryWriter::RecoveryWriter(const ProgramFolder &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.reset();
    }
    waitUntilIdle();
    if (m_worker.joinable())
        m_worker.join();
}

void RecoveryWriter::write(const QString &collectionName, const std::vector<StampRecord> &records,
                           const FileFingerprint &basis)
{
    Snapshot snapshot{collectionName, records, basis};
    std::optional<Snapshot> replaced; // freed outside the lock
    const std::lock_guard lock(m_mutex);
    replaced = std::exchange(m_waiting, std::move(snapshot));
    if (m_running)
        return;
    // A worker that is not running has left its loop; joining it is immediate.
    if (m_worker.joinable())
        m_worker.join();
    m_running = true;
    m_worker = std::thread(&RecoveryWriter::run, this);
}

StorageResult RecoveryWriter::remove(const QString &collectionName)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.reset();
    }
    waitUntilIdle();
    return RecoveryFile(m_folder).remove(collectionName);
}

void RecoveryWriter::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_running; });
}

void RecoveryWriter::run()
{
    for (;;) {
        std::optional<Snapshot> next;
        {
            const std::lock_guard lock(m_mutex);
            if (!m_waiting) {
                m_running = false;
                m_idle.notify_all();
                return;
            }
            next = std::exchange(m_waiting, std::nullopt);
        }
        const StorageResult written =
            RecoveryFile(m_folder).write(next->collectionName, next->records, next->basis);
        if (!written)
            emit writeFailed(written.reason);
    }
}
