#pragma once

#include "storage/catalogue/CatalogueEntries.h"

#include <QString>
#include <QStringView>

// A stamp's entries of one system as one spreadsheet cell: a line per entry
// (no entry holds a line break, so several editions stay apart), "535" for a
// bare number, "535 | 1,50 | 2023" for one with a value or an edition
// (number | value | edition, a part left empty when it has none). A line is cut
// at its last two "|", so a number may hold one itself; spaces around a part
// do not count.
namespace CatalogueCell {

// The entries in the order of CatalogueEntries::ordered.
QString write(const CatalogueEntries::List &entries);
// The entries of the cell, of that system; blank lines give none.
CatalogueEntries::List read(const QString &system, QStringView cell);

} // namespace CatalogueCell
