#include "printing/PrintCollectionList.h"

#include "printing/PrintJob.h"
#include "printing/PrintSource.h"
#include "printing/PrintText.h"
#include "printing/PrinterCanvas.h"

namespace {

const QColor listColour(90, 90, 90);

struct ListColumn {
    const char *heading;
    double headingX;
    StampRecord::Field field;
    double valueX;
};

// The "Type" values stand 200 twips right of their heading; all others under it.
constexpr ListColumn columns[] = {
    {QT_TRANSLATE_NOOP("PrintText", "Jaar"), 1200, StampRecord::Year, 1200},
    {QT_TRANSLATE_NOOP("PrintText", "Cat.Nummer"), 2100, StampRecord::CatalogueNumber, 2100},
    {QT_TRANSLATE_NOOP("PrintText", "Categorie"), 3750, StampRecord::Category, 3750},
    {QT_TRANSLATE_NOOP("PrintText", "Soort"), 6150, StampRecord::Kind, 6150},
    {QT_TRANSLATE_NOOP("PrintText", "Type"), 7770, StampRecord::Type, 7970},
    {QT_TRANSLATE_NOOP("PrintText", "Conditie"), 9630, StampRecord::Condition, 9630},
};

} // namespace

namespace ListPage {

QString title(const PrintSource &source)
{
    return PrintText::tr("Verzameling : %1").arg(source.collectionName);
}

double nextRow(PrinterCanvas &canvas, double y, void (*headings)(PrinterCanvas &),
               const PrintJob::Progress &progress, int rowsDone, int rowCount)
{
    y += LineStep;
    if (y > LastLineLimit) {
        canvas.newPage();
        headings(canvas);
        canvas.setFontBold(false);
        y = LaterPageFirstLineY;
        if (progress)
            progress(rowsDone, rowCount);
    }
    return y;
}

void startHeadings(PrinterCanvas &canvas)
{
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontBold(true);
    canvas.setFontSize(10);
    canvas.setTextColour(listColour);
}

void printRule(PrinterCanvas &canvas)
{
    PrintTextAt(canvas, 300, 1140, QString(162, u'-'));
}

} // namespace ListPage

void PrintListHeadings(PrinterCanvas &canvas)
{
    ListPage::startHeadings(canvas);
    for (const ListColumn &column : columns)
        PrintTextAt(canvas, column.headingX, 900, PrintText::tr(column.heading));
    ListPage::printRule(canvas);
}

void PrintCollectionList(PrinterCanvas &canvas, const PrintSource &source, const QString &copiesText,
                         const PrintJob::Progress &progress)
{
    PrepareJob(canvas, copiesText);
    PrintPageHeader(canvas, ListPage::title(source));
    PrintListHeadings(canvas);
    canvas.setFontBold(false);
    double y = ListPage::FirstLineY;
    const int rowCount = static_cast<int>(source.records().size());
    for (int done = 0; done < rowCount;) {
        const StampRecord &row = source.records()[static_cast<size_t>(done)];
        for (const ListColumn &column : columns)
            PrintTextAt(canvas, column.valueX, y, row[column.field]);
        y = ListPage::nextRow(canvas, y, PrintListHeadings, progress, ++done, rowCount);
    }
    canvas.endDocument();
}
