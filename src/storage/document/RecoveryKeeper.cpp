#include "storage/document/RecoveryKeeper.h"

#include "storage/document/OpenCollection.h"
#include "storage/folder/FileHelpers.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QTimer>
#include <QtDebug>

RecoveryKeeper::RecoveryKeeper(OpenCollection &collection)
    : QObject(&collection)
    , m_collection(collection)
    , m_writer(collection.programFolder())
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("RecoveryKeeper"));
    m_timer->setObjectName(QStringLiteral("RecoveryTimer"));
    m_timer->setInterval(IntervalMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    connect(&collection, &OpenCollection::unsavedChangesChanged, this,
            &RecoveryKeeper::unsavedChangesChanged);
    connect(&collection, &OpenCollection::listChanged, this, &RecoveryKeeper::listChanged);
    connect(&collection, &OpenCollection::contentsReplaced, this, &RecoveryKeeper::claim);
    connect(&m_writer, &RecoveryWriter::writeFailed, this, [this](const QString &reason) {
        // The collection itself is not at stake, and a box every minute would
        // stand in the user's way; the next write starts again.
        qWarning("Herstelbestand kon niet worden geschreven: %s", qUtf8Printable(reason));
        m_started = false;
    });
}

RecoveryKeeper::~RecoveryKeeper() = default;

std::vector<RecoveryFile::LeftBehind> RecoveryKeeper::leftBehind() const
{
    return RecoveryFile(m_collection.programFolder()).leftBehind();
}

bool RecoveryKeeper::restore(const RecoveryFile::LeftBehind &file)
{
    if (!m_collection.restoreRecovery(file))
        return false;
    // The state goes on in this program's own recovery file; another
    // program's left behind goes once that is written.
    const RecoveryFile own(m_collection.programFolder(), m_program);
    if (file.path != own.pathFor(file.collectionName)) {
        m_writer.waitUntilIdle();
        if (FileExists(own.pathFor(file.collectionName)))
            static_cast<void>(RecoveryFile::forget(file));
    }
    return true;
}

void RecoveryKeeper::discard(const RecoveryFile::LeftBehind &file)
{
    static_cast<void>(RecoveryFile(m_collection.programFolder()).discard(file));
}

void RecoveryKeeper::closedCleanly()
{
    // The focus-loss filter can still fire while the window goes.
    m_closed = true;
    m_started = false;
    m_timer->stop();
    removeWritten();
}

void RecoveryKeeper::unsavedChangesChanged(bool unsaved)
{
    if (unsaved) {
        m_writtenName = m_collection.name();
        m_mayHaveWritten = true;
        m_timer->start();
        start(true);
        return;
    }
    // Saved, or given up after the unsaved-changes question.
    m_timer->stop();
    m_started = false;
    m_sinceSaved.clear();
    m_journalAsides.clear();
    removeWritten();
    // Saved under another name: that one is claimed now.
    claim();
}

void RecoveryKeeper::claim()
{
    const QString &name = m_collection.name();
    // Without a name there is nothing another program could have open; a
    // recovery file of the previous name is removed first.
    if (m_closed || name.isEmpty() || m_mayHaveWritten || (m_lock && m_lockedName == name))
        return;
    m_lock.reset();
    m_lockedName = name;
    m_program = 0;
    m_lock = RecoveryFile(m_collection.programFolder()).lock(name);
    if (m_lock)
        return;
    m_program = QCoreApplication::applicationPid();
    m_lock = RecoveryFile(m_collection.programFolder(), m_program).lock(name);
    emit openElsewhere(name);
}

void RecoveryKeeper::listChanged(const std::shared_ptr<const ListChange> &change)
{
    // Unsaved and not started: the next write starts from the whole list,
    // this change included.
    if (!m_started && m_collection.unsavedChanges())
        return;
    // Made whole now: the list a swap brought is the list as it is now.
    std::shared_ptr<const ListChange> journaled =
        m_journalAsides.journaled(change, [this] { return m_collection.records().lend(); });
    if (!journaled)
        return;
    if (m_started)
        m_writer.append(std::move(journaled));
    else
        m_sinceSaved.push_back(std::move(journaled));
}

void RecoveryKeeper::start(bool fromSavedState)
{
    if (m_closed)
        return;
    if (m_lockedName != m_writtenName)
        m_lock.reset();
    if (!m_lock) {
        // A collection without a name, or one claimed too late: this program
        // takes the first recovery file free.
        m_lockedName = m_writtenName;
        m_program = 0;
        m_lock = RecoveryFile(m_collection.programFolder()).lock(m_writtenName);
        if (!m_lock) {
            m_program = QCoreApplication::applicationPid();
            m_lock = RecoveryFile(m_collection.programFolder(), m_program).lock(m_writtenName);
        }
        if (!m_lock) {
            qWarning("Herstelbestand van '%s' kon niet worden vergrendeld",
                     qUtf8Printable(RecoveryFile::shownName(m_writtenName)));
            m_sinceSaved.clear();
            return;
        }
    }
    const QString &file = m_collection.fileOfSavedState();
    const FileFingerprint &basis = m_collection.fileAsLoaded();
    const QFileInfo now(file);
    // The worker compares the contents too; a file changed in size or time is
    // known here already, and the list taken now instead.
    if (fromSavedState && !file.isEmpty() &&
        basis.sameSizeAndTime(
            FileFingerprint::withoutHash(now.size(), now.fileTime(QFileDevice::FileModificationTime)))) {
        // The entries as they are now: the changes since the saved state set
        // each stamp's entries whole, so doing them again on these changes nothing.
        m_writer.startFromFile(m_writtenName, file, basis, basis, m_program, m_collection.catalogueEntries());
        for (const std::shared_ptr<const ListChange> &correction : m_collection.savedStateCorrections())
            m_writer.append(correction);
        for (const std::shared_ptr<const ListChange> &change : m_sinceSaved)
            m_writer.append(change);
    } else {
        // Once for a state that no file holds (new, imported, restored), or
        // after a failure: the list, lent to the writer, which copies it.
        m_writer.start(m_writtenName, m_collection.records().lend(), basis, m_program,
                       m_collection.catalogueEntries());
        m_journalAsides.clear();
    }
    m_sinceSaved.clear();
    m_started = true;
}

void RecoveryKeeper::writeNow()
{
    if (!m_started)
        start(false);
}

void RecoveryKeeper::removeWritten()
{
    if (!m_mayHaveWritten)
        return;
    m_mayHaveWritten = false;
    // A file there that this program did not write (a crash's, taken over) is
    // removed too, unless another running program holds it.
    const RecoveryFile recovery(m_collection.programFolder(), m_program);
    if (m_lockedName != m_writtenName)
        m_lock.reset();
    if (!m_lock && FileExists(recovery.pathFor(m_writtenName))) {
        m_lock = recovery.lock(m_writtenName);
        m_lockedName = m_writtenName;
    }
    if (m_lock)
        static_cast<void>(m_writer.remove(m_writtenName, m_program));
    // The open collection stays claimed while it is open.
    if (m_lockedName != m_collection.name() || m_closed) {
        m_lock.reset();
        m_lockedName.clear();
    }
}
