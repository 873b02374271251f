#pragma once

#include "storage/catalogue/CatalogueEntries.h"

#include <QColor>
#include <QImage>
#include <QLocale>
#include <QSize>
#include <QString>
#include <QStringView>

#include <vector>

// How a stamp's value in one catalogue system went over the editions: a small
// line chart of value over edition year, drawn into an image that the
// catalogue numbers window shows. Values are read as the prices of the
// collection are ("12,50" and "12.50" alike); an entry whose value or
// edition cannot be read is left out.
class CatalogueValueChart {
public:
    struct Point {
        int edition = 0;     // the year the edition's text begins with
        QString editionText; // as typed
        double value = 0.0;
    };

    static constexpr QColor LineColour{60, 110, 150};
    static constexpr QColor PointColour{150, 30, 30};

    // Whether a value text holds a number as a price is read: blanks, then an
    // optional sign, an optional decimal sign (point or comma) and a digit.
    static bool valueReads(QStringView text);
    // The year an edition text begins with ("2019", "2019/2020", "2019 Band 1"),
    // or 0 when it begins with no number.
    static int editionYear(QStringView text);
    // The readable entries of the system (letter case ignored), by edition year,
    // as CatalogueEntries orders them within a year.
    static std::vector<Point> pointsOf(const CatalogueEntries::List &entries, QStringView system);

    // A chart wants two points or more; with fewer the image says so in words.
    static QImage render(const std::vector<Point> &points, QSize size, const QLocale &locale);
};
