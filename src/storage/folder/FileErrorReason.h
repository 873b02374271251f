#pragma once

#include <QString>

class QFileDevice;

// The collector reads Dutch: the common reasons a file operation fails are
// given in Dutch; the system's own text is passed on only for the rare rest.
namespace FileErrorReason {

// The reason of the last failure of file.
QString of(const QFileDevice &file);
// The Dutch reason for a system error text, or the text itself.
QString fromSystemText(const QString &systemText);

} // namespace FileErrorReason
