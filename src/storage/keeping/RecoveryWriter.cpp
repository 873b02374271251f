#include "storage/keeping/RecoveryWriter.h"

#include "storage/keeping/LentRecords.h"
#include "storage/keeping/ListChange.h"
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
        m_ending = true;
    }
    m_workAsked.notify_one();
    if (m_worker.joinable())
        m_worker.join();
}

void RecoveryWriter::start(const QString &collectionName, std::shared_ptr<LentRecords> records,
                           const FileFingerprint &basis, qint64 program, const CatalogueEntries &entries)
{
    ask(Start{collectionName, program, basis, {}, {}, std::move(records), entries});
}

void RecoveryWriter::startFromFile(const QString &collectionName, const QString &file,
                                   const FileFingerprint &fingerprint, const FileFingerprint &basis,
                                   qint64 program, const CatalogueEntries &entries)
{
    ask(Start{collectionName, program, basis, file, fingerprint, {}, entries});
}

void RecoveryWriter::append(std::shared_ptr<const ListChange> change)
{
    ask(std::move(change));
}

void RecoveryWriter::ask(Work work)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back(std::move(work));
        if (!m_worker.joinable())
            m_worker = std::thread(&RecoveryWriter::run, this);
    }
    m_workAsked.notify_one();
}

StorageResult RecoveryWriter::remove(const QString &collectionName, qint64 program)
{
    std::deque<Work> dropped; // freed outside the lock
    {
        const std::lock_guard lock(m_mutex);
        dropped.swap(m_waiting);
    }
    waitUntilIdle();
    // Changes asked for later belong to a start yet to come.
    m_started = false;
    return RecoveryFile(m_folder, program).remove(collectionName);
}

void RecoveryWriter::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_waiting.empty() && !m_busy; });
}

void RecoveryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_workAsked.wait(lock, [this] { return !m_waiting.empty() || m_ending; });
        // The work asked for is done before the writer goes.
        if (m_waiting.empty())
            return;
        std::deque<Work> work;
        work.swap(m_waiting);
        m_busy = true;
        lock.unlock();
        doWork(work);
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

void RecoveryWriter::doWork(std::deque<Work> &work)
{
    while (!work.empty()) {
        StorageResult written = StorageResult::success();
        if (auto *start = std::get_if<Start>(&work.front())) {
            m_startedName = start->collectionName;
            m_startedProgram = start->program;
            const RecoveryFile recovery(m_folder, m_startedProgram);
            written = start->file.isEmpty()
                          ? recovery.write(start->collectionName, start->records->rows(), start->basis,
                                           &start->entries)
                          : recovery.writeCopyOf(start->collectionName, start->file, start->fingerprint,
                                                 start->basis, &start->entries);
            m_started = written.ok;
            m_journalStartSize = recovery.journalSize(m_startedName);
            work.pop_front();
        } else {
            std::vector<std::shared_ptr<const ListChange>> changes;
            while (!work.empty() && std::holds_alternative<std::shared_ptr<const ListChange>>(work.front())) {
                changes.push_back(std::get<std::shared_ptr<const ListChange>>(std::move(work.front())));
                work.pop_front();
            }
            // After a failure the journal lacks a change: those after it
            // would be done on the wrong list.
            if (!m_started)
                continue;
            const RecoveryFile recovery(m_folder, m_startedProgram);
            written = recovery.append(m_startedName, changes);
            if (written)
                written = recovery.shortenJournal(m_startedName, m_journalStartSize);
            m_started = written.ok;
        }
        if (!written)
            emit writeFailed(written.reason);
    }
}
