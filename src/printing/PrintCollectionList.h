#pragma once

#include "printing/PrintJob.h"

#include <QString>

class PrinterCanvas;
struct PrintSource;

// Job 1: every row as one line of six columns, 54 lines a page. The price list
// shares its page structure.
void PrintCollectionList(PrinterCanvas &canvas, const PrintSource &source, const QString &copiesText,
                         const PrintJob::Progress &progress = {});
void PrintListHeadings(PrinterCanvas &canvas);

namespace ListPage {
constexpr double FirstLineY = 1380;
constexpr double LaterPageFirstLineY = 1320;
constexpr double LineStep = 255;
constexpr double LastLineLimit = 15000;

// "Verzameling : " + the collection name.
QString title(const PrintSource &source);
// The y of the line after row rowsDone (of rowCount), printed at y. When the
// page is full, starts a new page with its headings (and the pen back at
// regular weight) and tells progress.
double nextRow(PrinterCanvas &canvas, double y, void (*headings)(PrinterCanvas &),
               const PrintJob::Progress &progress, int rowsDone, int rowCount);
// The headings' font and the rule of 162 hyphens under the headings.
void startHeadings(PrinterCanvas &canvas);
void printRule(PrinterCanvas &canvas);
} // namespace ListPage
