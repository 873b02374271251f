#pragma once

#include <QAccessibleWidget>

class VistaButton;

// What a screen reader sees of a VistaButton: a push button named by its
// caption, described by its tooltip, with one action, "Press", that does what
// the space key does.
class VistaButtonAccessible : public QAccessibleWidget {
public:
    explicit VistaButtonAccessible(VistaButton *button);

    // Makes every VistaButton answer with this interface; only the first call acts.
    static void installFactory();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    VistaButton *button() const;
};
