#pragma once

#include <QObject>

class OpenCollection;
class RecoveryKeeper;
class QWidget;

// The window's part in keeping unsaved work: the question at start about the
// recovery files a crash left behind, the message when the collection just
// opened is open in another program too, and a write when the focus leaves
// the program. What is kept, and when, is the RecoveryKeeper's.
class RecoveryGuard : public QObject {
    Q_OBJECT

public:
    RecoveryGuard(OpenCollection &collection, QWidget *window);

    // At start: offers the recovery files a crash left behind, newest first,
    // until one is taken; a declined one is kept as a version and removed.
    void offerLeftBehind();
    // The program closes as the user asked.
    void closedCleanly();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tellOpenElsewhere(const QString &collectionName);

    OpenCollection &m_collection;
    RecoveryKeeper *m_keeper;
    QWidget *m_window;
};
