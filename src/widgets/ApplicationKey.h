#pragma once

#include <QObject>
#include <QPointer>

class QAction;

// A key that runs an action from every window of the program, the dialogs
// included: they are modal, so a shortcut of the main window would not reach
// them. The key counts only without modifiers, and only while the action is
// enabled.
class ApplicationKey : public QObject {
    Q_OBJECT

public:
    ApplicationKey(int key, QAction *action, QObject *parent);
    ~ApplicationKey() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_key;
    QPointer<QAction> m_action;
};
