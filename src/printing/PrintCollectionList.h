#pragma once

#include <QString>

class PrinterCanvas;
struct PrintSource;

// Job 1: every row as one line of six columns, 54 lines a page. The price list
// shares its page structure.
void PrintCollectionList(PrinterCanvas &canvas, const PrintSource &source, const QString &copiesText);
void PrintListHeadings(PrinterCanvas &canvas);

namespace ListPage {
constexpr double FirstLineY = 1380;
constexpr double LaterPageFirstLineY = 1320;
constexpr double LineStep = 255;
constexpr double LastLineLimit = 15000;

// "Verzameling : " + the collection name.
QString title(const PrintSource &source);
// The y of the line after the one at y; starts a new page with its headings
// (and the pen back at regular weight) when the page is full.
double nextLine(PrinterCanvas &canvas, double y, void (*headings)(PrinterCanvas &));
// The headings' font and the rule of 162 hyphens under the headings.
void startHeadings(PrinterCanvas &canvas);
void printRule(PrinterCanvas &canvas);
} // namespace ListPage
