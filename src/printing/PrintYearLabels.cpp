#include "printing/PrintYearLabels.h"

#include "printing/PrintJob.h"
#include "printing/PrinterCanvas.h"

void PrintYearLabels(PrinterCanvas &canvas, const QString &copiesText)
{
    PrepareJob(canvas, copiesText);
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontBold(true);
    canvas.setFontSize(16);
    canvas.setTextColour(QColor(0, 0, 0));
    constexpr double boxWidth = 1050;
    constexpr double boxHeight = 900;
    double x = 300;
    double y = 300;
    for (int year = 1850; year <= 2019; ++year) {
        canvas.drawBox(x, y, x + boxWidth, y + boxHeight, QColor(60, 60, 60));
        PrintTextAt(canvas, x + 75, y + 75, QString::number(year));
        x += boxWidth;
        if (x > 10050) {
            x = 300;
            y += boxHeight;
        }
    }
    canvas.endDocument();
}
