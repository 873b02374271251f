#include "mainwindow/RecoveryGuard.h"

#include "storage/document/OpenCollection.h"
#include "storage/document/RecoveryKeeper.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QWidget>

RecoveryGuard::RecoveryGuard(OpenCollection &collection, QWidget *window)
    // Goes with the collection, before the window it watches.
    : QObject(&collection)
    , m_collection(collection)
    , m_keeper(new RecoveryKeeper(collection))
    , m_window(window)
{
    setObjectName(QStringLiteral("RecoveryGuard"));
    connect(m_keeper, &RecoveryKeeper::openElsewhere, this, &RecoveryGuard::tellOpenElsewhere);
    window->installEventFilter(this);
}

void RecoveryGuard::offerLeftBehind()
{
    const QLocale locale;
    for (const RecoveryFile::LeftBehind &file : m_keeper->leftBehind()) {
        const QString moment = locale.toString(file.writtenAt.date(), QLocale::ShortFormat) +
                               QLatin1Char(' ') + file.writtenAt.time().toString(QStringLiteral("h:mm:ss"));
        const QString question = tr("Er zijn niet-opgeslagen wijzigingen van %1 gevonden (verzameling "
                                    "'%2').\r\nWilt u deze herstellen?")
                                     .arg(moment, RecoveryFile::shownName(file.collectionName));
        if (MessageBox::show(m_window, question, MessageBox::programTitle(), MessageBox::Buttons::YesNo) !=
            MessageBox::Answer::Yes) {
            m_keeper->discard(file);
            continue;
        }
        if (m_keeper->restore(file))
            return;
    }
}

void RecoveryGuard::closedCleanly()
{
    m_keeper->closedCleanly();
}

bool RecoveryGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Only when the focus leaves the program, not for one of its own dialogs.
    if (watched == m_window && event->type() == QEvent::WindowDeactivate && !QApplication::activeWindow() &&
        m_collection.unsavedChanges())
        m_keeper->writeNow();
    return QObject::eventFilter(watched, event);
}

void RecoveryGuard::tellOpenElsewhere(const QString &collectionName)
{
    MessageBox::show(m_window,
                     tr("Verzameling '%1' is ook geopend in een ander programma.\r\n"
                        "Wat u hier wijzigt, wordt apart bewaard tot u het opslaat; "
                        "sla op onder een andere naam om beide te houden.")
                         .arg(collectionName),
                     MessageBox::programTitle(), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}
