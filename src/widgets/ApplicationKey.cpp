#include "widgets/ApplicationKey.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>

ApplicationKey::ApplicationKey(int key, QAction *action, QObject *parent)
    : QObject(parent)
    , m_key(key)
    , m_action(action)
{
    QCoreApplication::instance()->installEventFilter(this);
}

ApplicationKey::~ApplicationKey()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ApplicationKey::eventFilter(QObject *watched, QEvent *event)
{
    // Seen once the key reaches a widget (after the window it came through);
    // taken there, so that no parent sees it again.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == m_key && key->modifiers() == Qt::NoModifier && !key->isAutoRepeat() && m_action &&
            m_action->isEnabled()) {
            m_action->trigger();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
