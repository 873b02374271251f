#pragma once

#include <QObject>
#include <QString>

// A control of a window, found by its objectName and type.
template <class T> T *control(const QObject &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}
