#pragma once

#include "reports/CollectionStatistics.h"

#include <QImage>
#include <QLocale>
#include <QString>

#include <vector>

// The bar chart of the statistics: one horizontal bar per group, its name on
// the left and its value at the end of the bar. Drawn into an image, which the
// dialog shows and the print job puts on paper.
class StatisticsChart {
public:
    enum class Measure { Count, CatalogueTotal, OwnTotal };

    static constexpr QColor BarColour{60, 110, 150};
    static constexpr int RowHeight = 20; // pixels at scale 1

    // "Aantal", "Cat.Prijs", "Mijn Prijs": the names of the table's columns.
    static QString measureName(Measure measure);
    static double value(const CollectionStatistics::Group &group, Measure measure);
    // The value as shown: a count as a whole number, a total as "###0.00".
    static QString valueText(const CollectionStatistics::Group &group, Measure measure,
                             const QLocale &locale);
    // The largest value among the groups, at least 0.
    static double largestValue(const std::vector<CollectionStatistics::Group> &groups, Measure measure);

    // width pixels wide, RowHeight * scale pixels per group plus a margin above
    // and below. A bar as long as the whole bar area stands for maxValue; a
    // value of 0 or less draws no bar.
    static QImage render(const std::vector<CollectionStatistics::Group> &groups, Measure measure, int width,
                         double scale, double maxValue, const QLocale &locale);
};
