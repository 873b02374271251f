#include "printing/PrintRecordSheet.h"

#include "printing/PrintJob.h"
#include "printing/PrintSource.h"
#include "printing/PrintText.h"
#include "printing/PrinterCanvas.h"

namespace {

const QColor fieldColour(0, 90, 0);
const QColor remarkColour(60, 60, 60);
constexpr double labelX = 1200;
constexpr double twipsPerPixel = 15;

void printRow(PrinterCanvas &canvas, double y, const QString &label, const QString &value)
{
    PrintTextAt(canvas, labelX, y, label);
    PrintTextAt(canvas, 3900, y, QStringLiteral(":"));
    PrintTextAt(canvas, 4050, y, value);
}

} // namespace

QString RecordSheetRefusal()
{
    return PrintText::tr("Item selecteren a.u.b.");
}

bool RecordSheetHasRecord(const PrintSource &source)
{
    return source.selectedRow >= 0 && !source.panel[StampRecord::CatalogueNumber].trimmed().isEmpty();
}

bool PrintRecordSheet(PrinterCanvas &canvas, const PrintSource &source, const QString &copiesText)
{
    if (!RecordSheetHasRecord(source))
        return false;
    const StampRecord &panel = source.panel;

    PrepareJob(canvas, copiesText);
    PrintPageHeader(canvas, source.collectionCaption);
    PrintTextAt(canvas, 300, 690, QString(162, u'-'));

    canvas.setFontBold(false);
    canvas.setFontSize(12);
    canvas.setTextColour(fieldColour);
    printRow(canvas, 1200, PrintText::tr("Itemnummer"), QString::number(source.selectedPosition()));
    printRow(canvas, 1500, PrintText::tr("Jaartal"), panel[StampRecord::Year]);
    printRow(canvas, 1800, PrintText::tr("Catalogus Nummer"), panel[StampRecord::CatalogueNumber]);
    printRow(canvas, 2100, PrintText::tr("Categorie"), panel[StampRecord::Category]);
    printRow(canvas, 2400, PrintText::tr("Onderwerp"), panel[StampRecord::Subject]);
    printRow(canvas, 2700, PrintText::tr("Soort zegel"), panel[StampRecord::Kind]);
    printRow(canvas, 3000, PrintText::tr("Type zegel"), panel[StampRecord::Type]);
    printRow(canvas, 3300, PrintText::tr("Waarde opdruk"), panel[StampRecord::FaceValue]);
    printRow(canvas, 3600, PrintText::tr("Afbeelding"), panel[StampRecord::Depiction]);

    const QString rule(60, u'-');
    canvas.setTextColour(remarkColour);
    PrintTextAt(canvas, labelX, 4200, PrintText::tr("Opmerking"));
    PrintTextAt(canvas, labelX, 4500, rule);
    PrintTextAt(canvas, labelX, 4740, panel[StampRecord::Info]);

    canvas.setTextColour(fieldColour);
    printRow(canvas, 6300, PrintText::tr("Conditie"), panel[StampRecord::Condition]);
    printRow(canvas, 6600, PrintText::tr("Catalogus Prijs"), panel[StampRecord::CataloguePrice]);
    printRow(canvas, 6900, PrintText::tr("Mijn Prijs"), panel[StampRecord::OwnPrice]);
    PrintTextAt(canvas, labelX, 7200, rule);

    canvas.setFontBold(false);
    canvas.setFontSize(12);
    canvas.setTextColour(remarkColour);
    PrintTextAt(canvas, labelX, 7500, source.recordCountLine);
    PrintTextAt(canvas, labelX, 8700, panel[StampRecord::CatalogueNumber] + QStringLiteral(".jpg"));

    // Drawn at the size the viewer shows it; a page edge cuts off what lies beyond.
    if (!source.picture.isNull())
        canvas.drawPicture(source.picture, labelX, 9300, source.picture.width() * twipsPerPixel,
                           source.picture.height() * twipsPerPixel);
    canvas.endDocument();
    return true;
}
