#pragma once

#include "printing/PrintJob.h"

#include <QString>

class PrinterCanvas;
struct PrintSource;

// Job 2: year, catalogue number, both prices right-aligned and the condition of
// every row, then both price columns totalled.
void PrintPriceList(PrinterCanvas &canvas, const PrintSource &source, const QString &copiesText,
                    const PrintJob::Progress &progress = {});
void PrintPriceHeadings(PrinterCanvas &canvas);
