#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The saved settings of a button: named values in the order they were written.
// Names are matched without regard to case.
class ButtonPropertyStore {
public:
    // Replaces the value of an existing name in place; a new name goes at the end.
    void write(const QString &name, const QVariant &value);
    // The stored value, or the fallback when the name was never written.
    QVariant read(const QString &name, const QVariant &fallback = QVariant()) const;
    void remove(const QString &name);
    QStringList names() const;

private:
    qsizetype indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> m_entries;
};
