#pragma once

#include <QString>

class PrinterCanvas;
struct PrintSource;

// Job 2: year, catalogue number, both prices right-aligned and the condition of
// every row, then both price columns totalled.
void PrintPriceList(PrinterCanvas &canvas, const PrintSource &source, const QString &copiesText);
void PrintPriceHeadings(PrinterCanvas &canvas);

namespace PriceColumn {
constexpr double CatalogueEdge = 4800;
constexpr double OwnEdge = 6300;
} // namespace PriceColumn

// Prints a price so that, as measured, its digits end at the edge plus the width
// of "€ ", with "€ " in front; a one-character text is printed alone, ending at the edge.
void PrintPriceAt(PrinterCanvas &canvas, double edge, double y, const QString &price);
