#include "printing/PrintJob.h"

#include "printing/PrintCollectionList.h"
#include "printing/PrintPriceList.h"
#include "printing/PrintRecordSheet.h"
#include "printing/PrintSealSheet.h"
#include "printing/PrintText.h"
#include "printing/PrintYearLabels.h"
#include "printing/PrinterCanvas.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>

namespace PrintJob {

QString description(int job)
{
    switch (job) {
    case CollectionList:
        return PrintText::tr("Complete lijst afdrukken met de reeds ingevoerde gegevens.");
    case PriceList:
        return PrintText::tr("Complete lijst afdrukken met prijs en totaal prijs.");
    case RecordSheet:
        return PrintText::tr("Huidige record afdrukken met eventuele afbeelding van de zegels en velletjes.");
    case SealSheet:
        return PrintText::tr("Sluitzegelvel afdrukken met eigen foto. Klik op de button voor uw foto.");
    case YearLabels:
        return PrintText::tr("Afdrukken van jaartallen van 1850 t/m 2019 voor insteekboeken");
    }
    return {};
}

int copiesFromText(const QString &text)
{
    bool isNumber = false;
    const int copies = text.trimmed().toInt(&isNumber);
    if (!isNumber || copies < 1)
        return 1;
    return qMin(copies, MaxCopies);
}

bool copiesAboveLimit(const QString &text)
{
    // Only a whole number counts, as in copiesFromText ("999.5" and "1e3" are
    // one copy there); its digits may go beyond the range of an int.
    static const QRegularExpression wholeNumber(QStringLiteral("^\\+?[0-9]+$"));
    const QString trimmed = text.trimmed();
    return wholeNumber.match(trimmed).hasMatch() && trimmed.toDouble() > MaxCopies;
}

bool print(int job, PrinterCanvas &canvas, const PrintSource &source, const ProgramFolder &folder,
           const QImage &sealPhoto, const QString &copiesText, const Progress &progress)
{
    switch (job) {
    case CollectionList:
        PrintCollectionList(canvas, source, copiesText, progress);
        break;
    case PriceList:
        PrintPriceList(canvas, source, copiesText, progress);
        break;
    case RecordSheet:
        return PrintRecordSheet(canvas, source, copiesText);
    case SealSheet:
        PrintSealSheet(canvas, folder, sealPhoto, copiesText);
        break;
    case YearLabels:
        PrintYearLabels(canvas, copiesText);
        break;
    }
    return true;
}

} // namespace PrintJob

void PrepareJob(PrinterCanvas &canvas, const QString &copiesText)
{
    canvas.setUnitTwips();
    canvas.setPortrait();
    canvas.setCopies(PrintJob::copiesFromText(copiesText));
}

void PrintTextAt(PrinterCanvas &canvas, double x, double y, const QString &text)
{
    canvas.setPosition(x, y);
    canvas.printText(text);
}

void PrintPageHeader(PrinterCanvas &canvas, const QString &title)
{
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(16);
    canvas.setFontBold(true);
    canvas.setTextColour(QColor(0, 0, 90));
    PrintTextAt(canvas, 1200, 300, title);

    const QDateTime now = QDateTime::currentDateTime();
    canvas.setFontSize(10);
    canvas.setTextColour(QColor(90, 0, 0));
    PrintTextAt(canvas, 9150, 420,
                now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" / ") +
                    now.toString(QStringLiteral("dd-MM-yyyy")));
}

double MeasureTextWidth(const QString &text)
{
    // Measured on an image of 96 dots per inch rather than on the screen, which
    // may not exist (command line, tests) and may have another resolution.
    static const QImage basis = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(96 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font, &basis);
    constexpr double twipsPerPixel = 15;
    return metrics.horizontalAdvance(text) * twipsPerPixel;
}
