#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Marks a window busy for as long as the guard lives. A handler that keeps
// events flowing while it waits (WaitSeconds) holds one, so that its window
// neither runs a second command nor closes under it:
// - VistaButton raises no Click while its window is busy;
// - the window's close box (any close request) is ignored;
// - dialogs check isBusy() in reject(), and menus in their commands.
// Guards may nest; the window is free again when the last one ends.
class BusyGuard : public QObject {
    Q_OBJECT

public:
    explicit BusyGuard(QWidget *widget);
    ~BusyGuard() override;
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

    // True while a guard holds the window that the widget belongs to.
    static bool isBusy(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};
