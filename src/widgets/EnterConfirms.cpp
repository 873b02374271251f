#include "widgets/EnterConfirms.h"

#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>

EnterConfirms::EnterConfirms(QDialog *dialog, VistaButton *confirm)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_confirm(confirm)
{
    dialog->installEventFilter(this);
    // An editable combo box keeps Enter for itself; its typed text is all the dialog needs.
    for (QComboBox *combo : dialog->findChildren<QComboBox *>()) {
        if (combo->isEditable())
            combo->installEventFilter(this);
    }
}

void EnterConfirms::pressFrom(QWidget *field, VistaButton *button)
{
    m_fieldButtons.insert(field, button);
}

bool EnterConfirms::eventFilter(QObject *watched, QEvent *event)
{
    // Only a key the focused control passed on reaches the dialog.
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier))
        return QObject::eventFilter(watched, event);

    QWidget *focus = m_dialog->focusWidget();
    VistaButton *button = m_fieldButtons.value(focus, m_confirm);
    auto *focusedButton = qobject_cast<VistaButton *>(focus);
    if (button && (!focusedButton || focusedButton == button) && !key->isAutoRepeat())
        button->pressAsSpace();
    return true;
}
