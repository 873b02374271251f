#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QDialog;
class QWidget;
class VistaButton;

// The Enter key of a dialog: it presses the button that confirms the dialog,
// as the space key would, when the focused control has no use for Enter itself
// (a text box of several lines keeps it). Built once the dialog's controls exist. On another button Enter
// does nothing, so it never presses a button other than the one the user is on. Escape is QDialog's own: it
// rejects the dialog, as every Cancel button does.
class EnterConfirms : public QObject {
    Q_OBJECT

public:
    EnterConfirms(QDialog *dialog, VistaButton *confirm);

    // Enter in this field presses that button instead (a word typed in is added).
    void pressFrom(QWidget *field, VistaButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QDialog *m_dialog;
    QPointer<VistaButton> m_confirm;
    QHash<QWidget *, QPointer<VistaButton>> m_fieldButtons;
};
