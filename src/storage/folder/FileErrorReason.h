#pragma once

#include <QString>

class QFileDevice;

// The common reasons a file operation fails are given in the program's own,
// translatable words; the system's own text is passed on only for the rare rest.
namespace FileErrorReason {

// The reason of the last failure of file.
QString of(const QFileDevice &file);
// The program's reason for a system error text, or the text itself.
QString fromSystemText(const QString &systemText);

} // namespace FileErrorReason
