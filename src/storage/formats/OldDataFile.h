#pragma once

#include "storage/StampRecord.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

// The older collection format (.cat): three header lines, then per record
// fourteen lines and a separator. Read only; the program never changes it.
namespace OldDataFile {

std::vector<StampRecord> parse(QByteArrayView bytes);
QString conditionFromFlags(const QString &mint, const QString &cancelled, const QString &firstDay);

} // namespace OldDataFile
