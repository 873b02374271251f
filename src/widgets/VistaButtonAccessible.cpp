#include "widgets/VistaButtonAccessible.h"

#include "widgets/ButtonState.h"
#include "widgets/VistaButton.h"

#include <QMetaObject>

namespace {

QAccessibleInterface *createFor(const QString &className, QObject *object)
{
    auto *button = qobject_cast<VistaButton *>(object);
    if (!button || className != QLatin1String(VistaButton::staticMetaObject.className()))
        return nullptr;
    return new VistaButtonAccessible(button);
}

} // namespace

VistaButtonAccessible::VistaButtonAccessible(VistaButton *button)
    : QAccessibleWidget(button, QAccessible::PushButton)
{}

void VistaButtonAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(createFor);
        return true;
    }();
    static_cast<void>(installed);
}

VistaButton *VistaButtonAccessible::button() const
{
    return static_cast<VistaButton *>(widget());
}

QString VistaButtonAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? button()->caption() : widget()->accessibleName();
    case QAccessible::Description:
        // The tooltips carry a blank on either side for the look of the tip.
        return widget()->accessibleDescription().isEmpty() ? widget()->toolTip().trimmed()
                                                           : widget()->accessibleDescription();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State VistaButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->state() == ButtonState::Pressed;
    return state;
}

QStringList VistaButtonAccessible::actionNames() const
{
    return {pressAction()};
}

void VistaButtonAccessible::doAction(const QString &actionName)
{
    // Later, from the event loop: a command may open a modal window, and the
    // reader that asked should have its answer first.
    if (actionName == pressAction())
        QMetaObject::invokeMethod(button(), &VistaButton::pressAsSpace, Qt::QueuedConnection);
}

QStringList VistaButtonAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction())
        return {QStringLiteral("Space")};
    return {};
}
