#pragma once

#include "storage/StampRecord.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class RecordList;

// The catalogue and own price totals of a collection. Prices are free text as
// typed; each one counts with the number it starts with, and anything that is
// not a number counts as nothing.
struct PriceTotals {
    double catalogue = 0.0;
    double own = 0.0;

    // Both prices of every row added up in double precision, first row to last.
    // The screen and the printed price list both add with this one rule.
    static PriceTotals of(const RecordList &list);
    static PriceTotals of(RecordSpan records);

    // A price text with its commas read as decimal points.
    static double priceValue(QStringView text);
    // The number a text starts with. Blanks, tabs and line feeds are skipped
    // anywhere; then an optional sign, digits with at most one point, and an
    // optional exponent (E or D in either case, optional sign, digits). Reading
    // stops at the first character that cannot continue the number. No number,
    // or one beyond the range of a double, gives 0.
    static double leadingNumber(QStringView text);
    // "###0.00": two decimals rounded half away from zero, no grouping, a leading
    // minus, and the decimal sign of the locale. Not a number shows as 0, an
    // infinite amount as the largest double.
    static QString formatAmount(double amount, const QLocale &locale);

    // "Cat.Prijs : € " and "Mijn Prijs : € " with their formatted totals.
    QStringList messageLines(const QLocale &locale) const;
};
