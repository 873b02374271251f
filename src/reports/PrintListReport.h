#pragma once

#include "reports/ListReport.h"

#include <QStringList>

#include <vector>

class PrinterCanvas;

// A list report on paper: the title with the time and date at the top of the
// first page, the column headings on every page, the rows in Arial 10 pt (a
// text wider than its column goes on over more lines), the total in bold, and
// "Pagina n van m" at the foot of every page.
namespace PrintListReport {

struct Column {
    double left = 0;  // twips
    double width = 0; // twips
    bool alignRight = false;
};

// One page's worth of lines at most; a row longer than a page goes on over the next.
constexpr double FirstLineY = 1140;
constexpr double LaterFirstLineY = 840;
constexpr double LineStep = 255;
constexpr double LastLineY = 15000;
constexpr double PageNumberY = 15600;

// The text broken into lines that each fit the width (measured as amounts are,
// in Arial 9.75 pt on the screen): at spaces, and within a word only when the
// word alone is wider.
QStringList wrap(const QString &text, double width);

void print(PrinterCanvas &canvas, const ListReport &report, const std::vector<Column> &columns);

} // namespace PrintListReport
