#pragma once

#include "reports/StatisticsChart.h"

#include <QLocale>
#include <QString>

class PrinterCanvas;

// The statistics on paper: the table of groups with count and both totals and
// a line for the whole collection, then, from a new page, the bar chart of the
// chosen measure, at most ChartGroupsPerPage groups a page.
namespace PrintStatistics {

constexpr int ChartGroupsPerPage = 45;

// "Statistiek : " + the collection name.
QString title(const QString &collectionName);

void print(PrinterCanvas &canvas, const CollectionStatistics &statistics, StatisticsChart::Measure measure,
           const QString &collectionName, const QLocale &locale);

} // namespace PrintStatistics
