#pragma once

#include <QString>

class PrinterCanvas;

// Job 5: boxed years 1850 to 2019, ten a row, on one page, to cut out as
// headings for stock books.
void PrintYearLabels(PrinterCanvas &canvas, const QString &copiesText);
