#pragma once

#include <QString>

class QObject;

// Opens a document or a web address with the desktop's default program.
// False only when no opener could be started; what the program then does is
// not examined.
bool ShellOpen(QObject *owner, const QString &target);

// Whether the desktop names a program that opens files of the type (a MIME
// type such as "application/pdf"), asked as the desktop's opener asks it.
// When the question cannot be asked, the desktop is left to answer: true.
bool DesktopOpensType(const QString &mimeType);
