#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Colnect stamp lists written here, in the shape of the site's export: a
// byte-order mark, five lines about the list and a blank line, the header,
// the rows (quoted where needed), blank lines and the END line.
namespace ColnectSample {

using Row = QList<QPair<QString, QString>>;

// The 39 columns of a stamp list, in the export's order.
QStringList allColumns();
// A field quoted when it holds a comma, a quote or a line break.
QByteArray csvLine(const QStringList &fields);
// The whole file; each row names the columns it fills (those not in columns are left out).
QByteArray list(const QList<Row> &rows, const QStringList &columns = allColumns());

} // namespace ColnectSample
