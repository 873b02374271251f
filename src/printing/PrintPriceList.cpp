#include "printing/PrintPriceList.h"

#include "printing/PrintCollectionList.h"
#include "printing/PrintJob.h"
#include "printing/PrintSource.h"
#include "printing/PrintText.h"
#include "printing/PrinterCanvas.h"
#include "storage/document/PriceTotals.h"

#include <QLocale>

namespace {

const QString euro = QStringLiteral("\u20AC ");
constexpr double catalogueEdge = 4800;
constexpr double ownEdge = 6300;

// Prints a price so that, as measured, its digits end at the edge plus the width
// of "€ ", with "€ " in front; a one-character text is printed alone, ending at the edge.
void printPriceAt(PrinterCanvas &canvas, double edge, double y, const QString &price)
{
    const double x = edge - MeasureTextWidth(price);
    PrintTextAt(canvas, x, y, price.size() == 1 ? price : euro + price);
}

} // namespace

void PrintPriceHeadings(PrinterCanvas &canvas)
{
    ListPage::startHeadings(canvas);
    PrintTextAt(canvas, 1200, 900, PrintText::tr("Jaar"));
    PrintTextAt(canvas, 2100, 900, PrintText::tr("Cat.nummer"));
    PrintTextAt(canvas, 3900, 900, PrintText::tr("Catalogusprijs"));
    PrintTextAt(canvas, 5700, 900, PrintText::tr("Mijn prijs"));
    PrintTextAt(canvas, 7500, 900, PrintText::tr("Conditie"));
    ListPage::printRule(canvas);
}

void PrintPriceList(PrinterCanvas &canvas, const PrintSource &source, const QString &copiesText,
                    const PrintJob::Progress &progress)
{
    PrepareJob(canvas, copiesText);
    PrintPageHeader(canvas, ListPage::title(source));
    PrintPriceHeadings(canvas);
    canvas.setFontBold(false);
    double y = ListPage::FirstLineY;
    const int rowCount = static_cast<int>(source.records().size());
    for (int done = 0; done < rowCount;) {
        const StampRecord &row = source.records()[static_cast<size_t>(done)];
        PrintTextAt(canvas, 1200, y, row[StampRecord::Year]);
        PrintTextAt(canvas, 2100, y, row[StampRecord::CatalogueNumber]);
        printPriceAt(canvas, catalogueEdge, y, row[StampRecord::CataloguePrice]);
        printPriceAt(canvas, ownEdge, y, row[StampRecord::OwnPrice]);
        PrintTextAt(canvas, 7500, y, row[StampRecord::Condition]);
        y = ListPage::nextRow(canvas, y, PrintPriceHeadings, progress, ++done, rowCount);
    }
    if (!source.records().empty()) {
        PrintTextAt(canvas, 3990, y, QString(16, u'-') + QString(8, u' ') + QString(16, u'-'));
        // Added up as the totals button does, so the paper and the screen agree.
        const PriceTotals totals = PriceTotals::of(source.records());
        const QLocale locale;
        const QString catalogue = PriceTotals::formatAmount(totals.catalogue, locale);
        const QString own = PriceTotals::formatAmount(totals.own, locale);
        PrintTextAt(canvas, catalogueEdge - MeasureTextWidth(catalogue), y + 300, euro + catalogue);
        PrintTextAt(canvas, ownEdge - MeasureTextWidth(own), y + 300, euro + own);
    }
    canvas.endDocument();
}
