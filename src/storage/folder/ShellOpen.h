#pragma once

#include <QString>

class QObject;

// Opens a document or a web address with the desktop's default program.
// The outcome is not examined.
void ShellOpen(QObject *owner, const QString &target);
