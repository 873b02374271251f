#include "mainwindow/RecoveryGuard.h"

#include "storage/document/OpenCollection.h"
#include "storage/folder/FileHelpers.h"
#include "storage/keeping/RecoveryFile.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QLockFile>
#include <QTimer>
#include <QWidget>
#include <QtDebug>

RecoveryGuard::RecoveryGuard(OpenCollection &collection, QWidget *window)
    : QObject(&collection)
    , m_collection(collection)
    , m_window(window)
    , m_writer(collection.programFolder())
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("RecoveryGuard"));
    m_timer->setObjectName(QStringLiteral("RecoveryTimer"));
    m_timer->setInterval(IntervalMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &RecoveryGuard::writeNow);
    connect(&collection, &OpenCollection::unsavedChangesChanged, this, &RecoveryGuard::unsavedChangesChanged);
    connect(&m_writer, &RecoveryWriter::writeFailed, this, [](const QString &reason) {
        // The collection itself is not at stake, and a box every minute would
        // stand in the user's way; the next write tries again.
        qWarning("Herstelbestand kon niet worden geschreven: %s", qUtf8Printable(reason));
    });
    window->installEventFilter(this);
}

RecoveryGuard::~RecoveryGuard() = default;

void RecoveryGuard::offerLeftBehind()
{
    const RecoveryFile recovery(m_collection.programFolder());
    const QLocale locale;
    for (const RecoveryFile::LeftBehind &file : recovery.leftBehind()) {
        const QString moment = locale.toString(file.writtenAt.date(), QLocale::ShortFormat) +
                               QLatin1Char(' ') + file.writtenAt.time().toString(QStringLiteral("h:mm:ss"));
        const QString question = QStringLiteral("Er zijn niet-opgeslagen wijzigingen van ") + moment +
                                 QStringLiteral(" gevonden (verzameling '") +
                                 RecoveryFile::shownName(file.collectionName) +
                                 QStringLiteral("').\r\nWilt u deze herstellen?");
        if (MessageBox::show(m_window, question, MessageBox::programTitle(), MessageBox::Buttons::YesNo) ==
            MessageBox::Answer::Yes) {
            // An unreadable file stays where it is, to be offered again.
            if (m_collection.restoreRecovery(file))
                return;
            continue;
        }
        static_cast<void>(recovery.discard(file));
    }
}

void RecoveryGuard::closedCleanly()
{
    // The focus-loss filter can still fire while the window goes.
    m_closed = true;
    m_timer->stop();
    removeWritten();
}

bool RecoveryGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Only when the focus leaves the program, not for one of its own dialogs.
    if (watched == m_window && event->type() == QEvent::WindowDeactivate && !QApplication::activeWindow() &&
        m_collection.unsavedChanges())
        writeNow();
    return QObject::eventFilter(watched, event);
}

void RecoveryGuard::unsavedChangesChanged(bool unsaved)
{
    if (unsaved) {
        m_writtenName = m_collection.name();
        m_mayHaveWritten = true;
        m_timer->start();
        return;
    }
    // Saved, or given up after the unsaved-changes question.
    m_timer->stop();
    removeWritten();
}

void RecoveryGuard::writeNow()
{
    if (m_closed)
        return;
    if (!m_lock) {
        m_lock = RecoveryFile(m_collection.programFolder()).lock(m_writtenName);
        if (!m_lock) {
            // Another running program keeps the recovery file of this name;
            // writing it would spoil that program's.
            qWarning("Herstelbestand van '%s' is in gebruik door een ander programma",
                     qUtf8Printable(RecoveryFile::shownName(m_writtenName)));
            return;
        }
    }
    m_writer.write(m_writtenName, m_collection.records().records(), m_collection.fileAsLoaded());
}

void RecoveryGuard::removeWritten()
{
    if (!m_mayHaveWritten)
        return;
    m_mayHaveWritten = false;
    // A file there that this program did not write (a crash's, taken over) is
    // removed too, unless another running program holds it.
    const RecoveryFile recovery(m_collection.programFolder());
    if (!m_lock && FileExists(recovery.pathFor(m_writtenName)))
        m_lock = recovery.lock(m_writtenName);
    if (m_lock)
        static_cast<void>(m_writer.remove(m_writtenName));
    m_lock.reset();
}
