#include "RecordingCanvas.h"

#include "common/TestFolder.h"
#include "printing/PrintCollectionList.h"
#include "printing/PrintJob.h"
#include "printing/PrintPriceList.h"
#include "printing/PrintRecordSheet.h"
#include "printing/PrintSealSheet.h"
#include "printing/PrintSource.h"
#include "printing/PrintYearLabels.h"
#include "storage/document/PriceTotals.h"

#include <QBuffer>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

StampRecord record(int number, const QString &catalogue = {}, const QString &own = {})
{
    StampRecord r;
    r[StampRecord::Year] = QString::number(1900 + number % 100);
    r[StampRecord::CatalogueNumber] = QStringLiteral("N%1").arg(number);
    r[StampRecord::Category] = QStringLiteral("Cat %1").arg(number);
    r[StampRecord::Kind] = QStringLiteral("Soort %1").arg(number);
    r[StampRecord::Type] = QStringLiteral("Type %1").arg(number);
    r[StampRecord::Condition] = QStringLiteral("Cond %1").arg(number);
    r[StampRecord::CataloguePrice] = catalogue;
    r[StampRecord::OwnPrice] = own;
    return r;
}

PrintSource sourceWith(int rows)
{
    PrintSource source;
    source.collectionName = QStringLiteral("Nederland");
    for (int i = 1; i <= rows; ++i)
        source.rows.push_back(record(i, QStringLiteral("1,00"), QStringLiteral("2,00")));
    return source;
}

QImage solidImage(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestPrintJobs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

    void copiesRule();
    void textMeasurement();
    void pageHeader();
    void collectionListPages_data();
    void collectionListPages();
    void collectionListColumns();
    void priceListTotalsBlock_data();
    void priceListTotalsBlock();
    void priceListPlacement();
    void priceListTotalsInDoublePrecision();
    void recordSheetRows();
    void recordSheetRefusal();
    void recordSheetRemarkAndPicture();
    void sealSheetPositions();
    void sealSheetWithoutFrameOrPhoto();
    void yearLabelGrid();
};

void TestPrintJobs::copiesRule()
{
    const QList<QPair<QString, int>> cases = {
        {"1", 1},   {"3", 3}, {" 4 ", 4}, {"25", 25}, {"0", 1},  {"-2", 1},
        {"abc", 1}, {"", 1},  {"2,5", 1}, {"2.5", 1}, {"2x", 1}, {"100000", PrintJob::MaxCopies},
    };
    for (const auto &[text, copies] : cases)
        QVERIFY2(PrintJob::copiesFromText(text) == copies, qPrintable(text));
    // The limit refuses only what would be read as a number of copies.
    const QList<QPair<QString, bool>> limits = {
        {"999", false},   {" 1000 ", true}, {"+1000", true},   {"99999999999999", true},
        {"999.5", false}, {"1e3", false},   {"1000,5", false}, {"-5000", false},
    };
    for (const auto &[text, refused] : limits)
        QVERIFY2(PrintJob::copiesAboveLimit(text) == refused, qPrintable(text));

    RecordingCanvas canvas;
    PrintYearLabels(canvas, QStringLiteral("7"));
    QVERIFY(canvas.unitTwips());
    QVERIFY(canvas.portrait());
    QCOMPARE(canvas.copies(), 7);
    QCOMPARE(canvas.documentsEnded(), 1);
}

void TestPrintJobs::textMeasurement()
{
    // Widths assume Arial's metrics, which Liberation Sans has.
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(MeasureTextWidth(QString()), 0.0);
    // A digit is 0.556 of the em: 13 pixels for 9.75 pt at 96 dots per inch, 15 twips a pixel.
    const double digit = MeasureTextWidth(QStringLiteral("0"));
    QVERIFY2(qAbs(digit - 0.556 * 13 * 15) < 1.5, qPrintable(QString::number(digit)));
    // Digits share one width, so amounts of equal length line up.
    QVERIFY(qAbs(MeasureTextWidth(QStringLiteral("1234,50")) - MeasureTextWidth(QStringLiteral("9876,01"))) <
            0.01);
    QVERIFY(MeasureTextWidth(QStringLiteral("€ ")) > MeasureTextWidth(QStringLiteral(" ")));
}

void TestPrintJobs::pageHeader()
{
    RecordingCanvas canvas;
    PrintCollectionList(canvas, sourceWith(0), QStringLiteral("1"));
    const auto title = canvas.textsAt(0, 300);
    QCOMPARE(title.size(), size_t(1));
    QCOMPARE(title[0].text, QStringLiteral("Verzameling : Nederland"));
    QCOMPARE(title[0].x, 1200.0);
    QCOMPARE(title[0].points, 16.0);
    QVERIFY(title[0].bold);
    QCOMPARE(title[0].colour, QColor(0, 0, 90));
    QCOMPARE(title[0].family, QStringLiteral("Arial"));

    const auto stamp = canvas.textsAt(0, 420);
    QCOMPARE(stamp.size(), size_t(1));
    QCOMPARE(stamp[0].x, 9150.0);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d / \\d\\d-\\d\\d-\\d{4}$"))
                 .match(stamp[0].text)
                 .hasMatch(),
             qPrintable(stamp[0].text));
    const QDate today = QDate::currentDate();
    QVERIFY(stamp[0].text.endsWith(today.toString(QStringLiteral("dd-MM-yyyy"))) ||
            stamp[0].text.endsWith(today.addDays(-1).toString(QStringLiteral("dd-MM-yyyy"))));
    QCOMPARE(stamp[0].points, 10.0);
    QCOMPARE(stamp[0].colour, QColor(90, 0, 0));

    // No collection open: the title ends after the colon.
    PrintSource empty;
    RecordingCanvas emptyCanvas;
    PrintPriceList(emptyCanvas, empty, QStringLiteral("1"));
    QCOMPARE(emptyCanvas.textsAt(0, 300)[0].text, QStringLiteral("Verzameling : "));
    QCOMPARE(emptyCanvas.pageCount(), 1);
}

void TestPrintJobs::collectionListPages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("lastPage");
    QTest::addColumn<double>("lastY");
    QTest::newRow("empty") << 0 << 1 << -1 << 0.0;
    QTest::newRow("54 rows") << 54 << 2 << 0 << 14895.0;
    QTest::newRow("55 rows") << 55 << 2 << 1 << 1320.0;
    QTest::newRow("108 rows") << 108 << 3 << 1 << 14835.0;
}

void TestPrintJobs::collectionListPages()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    QFETCH(int, lastPage);
    QFETCH(double, lastY);

    RecordingCanvas canvas;
    // Progress is told at every page break, with the rows printed before it.
    QList<QPair<int, int>> progress;
    PrintCollectionList(canvas, sourceWith(rows), QStringLiteral("1"), [&](int done, int count) {
        progress.append({done, count});
        QCOMPARE(canvas.pageCount(), progress.size() + 1);
    });
    QCOMPARE(canvas.pageCount(), pages);
    QCOMPARE(canvas.documentsEnded(), 1);
    QCOMPARE(progress.size(), pages - 1);
    for (int page = 0; page < progress.size(); ++page)
        QCOMPARE(progress[page], qMakePair(54 * (page + 1), rows));

    for (int page = 0; page < pages; ++page) {
        const auto headings = canvas.textsAt(page, 900);
        QCOMPARE(headings.size(), size_t(6));
        QCOMPARE(headings[4].text, QStringLiteral("Type"));
        QCOMPARE(headings[4].x, 7770.0);
        QVERIFY(headings[0].bold);
        const auto rule = canvas.textsAt(page, 1140);
        QCOMPARE(rule.size(), size_t(1));
        QCOMPARE(rule[0].text, QString(162, u'-'));
        QCOMPARE(rule[0].x, 300.0);
        // The header stands on the first page only.
        QCOMPARE(canvas.textsAt(page, 300).size(), size_t(page == 0 ? 1 : 0));
    }

    // Every row appears once, in list order, 255 twips under the one before it on a page.
    std::vector<RecordingCanvas::Text> years;
    for (const auto &text : canvas.texts())
        if (text.x == 1200 && text.y >= 1320 && text.y != 900)
            years.push_back(text);
    QCOMPARE(int(years.size()), rows);
    for (int i = 0; i < rows; ++i) {
        QCOMPARE(years[size_t(i)].text, sourceWith(rows).rows[size_t(i)][StampRecord::Year]);
        QVERIFY(!years[size_t(i)].bold);
        if (i > 0 && years[size_t(i)].page == years[size_t(i - 1)].page)
            QCOMPARE(years[size_t(i)].y - years[size_t(i - 1)].y, 255.0);
    }
    QCOMPARE(years.empty() ? 1380.0 : years.front().y, 1380.0);
    if (rows > 0) {
        QCOMPARE(years.back().page, lastPage);
        QCOMPARE(years.back().y, lastY);
    }
}

void TestPrintJobs::collectionListColumns()
{
    PrintSource source = sourceWith(1);
    source.rows[0][StampRecord::Category] = QString(80, u'C');
    RecordingCanvas canvas;
    PrintCollectionList(canvas, source, QStringLiteral("1"));
    const auto line = canvas.textsAt(0, 1380);
    QCOMPARE(line.size(), size_t(6));
    const QList<double> xs = {1200, 2100, 3750, 6150, 7970, 9630};
    const QList<int> fields = {StampRecord::Year,     StampRecord::CatalogueNumber,
                               StampRecord::Category, StampRecord::Kind,
                               StampRecord::Type,     StampRecord::Condition};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(line[size_t(i)].x, xs[i]);
        // Printed whole: a long category is not cut at the next column.
        QCOMPARE(line[size_t(i)].text, source.rows[0][fields[i]]);
        QCOMPARE(line[size_t(i)].colour, QColor(90, 90, 90));
        QCOMPARE(line[size_t(i)].points, 10.0);
    }
}

void TestPrintJobs::priceListTotalsBlock_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("dashesY");
    QTest::newRow("53 rows") << 53 << 0 << 14895.0;
    QTest::newRow("54 rows") << 54 << 1 << 1320.0;
    QTest::newRow("1 row") << 1 << 0 << 1635.0;
}

void TestPrintJobs::priceListTotalsBlock()
{
    QFETCH(int, rows);
    QFETCH(int, page);
    QFETCH(double, dashesY);

    RecordingCanvas canvas;
    PrintPriceList(canvas, sourceWith(rows), QStringLiteral("1"));
    QCOMPARE(canvas.pageCount(), page + 1);
    const auto dashes = canvas.textsAt(page, dashesY);
    QCOMPARE(dashes.size(), size_t(1));
    QCOMPARE(dashes[0].text, QStringLiteral("----------------        ----------------"));
    QCOMPARE(dashes[0].x, 3990.0);
    QVERIFY(!dashes[0].bold);

    const auto totals = canvas.textsAt(page, dashesY + 300);
    QCOMPARE(totals.size(), size_t(2));
    const QString catalogue = QStringLiteral("%1,00").arg(rows);
    const QString own = QStringLiteral("%1,00").arg(2 * rows);
    QCOMPARE(totals[0].text, QStringLiteral("€ ") + catalogue);
    QCOMPARE(totals[1].text, QStringLiteral("€ ") + own);
    QCOMPARE(totals[0].x, 4800 - MeasureTextWidth(catalogue));
    QCOMPARE(totals[1].x, 6300 - MeasureTextWidth(own));

    // The repeated headings of a later page are the price headings.
    const auto headings = canvas.textsAt(page, 900);
    QCOMPARE(headings.size(), size_t(5));
    QCOMPARE(headings[2].text, QStringLiteral("Catalogusprijs"));
    QCOMPARE(headings[2].x, 3900.0);
}

void TestPrintJobs::priceListPlacement()
{
    PrintSource source;
    const QStringList prices = {QStringLiteral("-"),
                                QStringLiteral("5"),
                                QStringLiteral("5,00"),
                                QStringLiteral("12,50"),
                                QStringLiteral("7.25"),
                                QStringLiteral("abc"),
                                QString(),
                                QStringLiteral("1234,99")};
    for (int i = 0; i < prices.size(); ++i)
        source.rows.push_back(record(i, prices[i], prices[i]));
    RecordingCanvas canvas;
    PrintPriceList(canvas, source, QStringLiteral("1"));

    const double euroWidth = MeasureTextWidth(QStringLiteral("€ "));
    QVERIFY(euroWidth > 0);
    for (int i = 0; i < prices.size(); ++i) {
        const double y = 1380 + 255 * i;
        const auto line = canvas.textsAt(0, y);
        QCOMPARE(line.size(), size_t(5));
        for (const double edge : {4800.0, 6300.0}) {
            const auto price = std::find_if(line.begin(), line.end(), [&](const RecordingCanvas::Text &t) {
                return t.x > edge - 1400 && t.x <= edge;
            });
            QVERIFY2(price != line.end(), qPrintable(prices[i]));
            if (prices[i].size() == 1) {
                // One character stands alone and ends at the edge.
                QCOMPARE(price->text, prices[i]);
                QCOMPARE(price->x + MeasureTextWidth(price->text), edge);
            } else {
                QCOMPARE(price->text, QStringLiteral("€ ") + prices[i]);
                QCOMPARE(price->x, edge - MeasureTextWidth(prices[i]));
                // As measured, all digits end at the same place, with the euro sign in front.
                QVERIFY(qAbs(price->x + MeasureTextWidth(price->text) - (edge + euroWidth)) < 1);
            }
        }
    }
    // 5 + 5 + 12.5 + 7.25 + 1234.99, "-", "abc" and empty adding nothing.
    const auto totals = canvas.textsAt(0, 1380 + 255 * prices.size() + 300);
    QCOMPARE(totals.size(), size_t(2));
    QCOMPARE(totals[0].text, QStringLiteral("€ 1264,74"));
    QCOMPARE(totals[1].text, QStringLiteral("€ 1264,74"));
}

void TestPrintJobs::priceListTotalsInDoublePrecision()
{
    PrintSource source;
    source.rows.push_back(record(1, QStringLiteral("1000000.10"), QStringLiteral("1000000,10")));
    source.rows.push_back(record(2, QStringLiteral("12,50"), QStringLiteral("0.01")));
    RecordingCanvas canvas;
    PrintPriceList(canvas, source, QStringLiteral("1"));
    const auto totals = canvas.textsAt(0, 1380 + 2 * 255 + 300);
    QCOMPARE(totals.size(), size_t(2));
    QCOMPARE(totals[0].text, QStringLiteral("€ 1000012,60"));
    QCOMPARE(totals[1].text, QStringLiteral("€ 1000000,11"));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    RecordingCanvas pointCanvas;
    PrintPriceList(pointCanvas, source, QStringLiteral("1"));
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QCOMPARE(pointCanvas.textsAt(0, 1380 + 2 * 255 + 300)[1].text, QStringLiteral("€ 1000000.11"));

    // Sums beyond the range of a double come out on paper as in the totals message.
    PrintSource huge;
    for (const QString &price : {QStringLiteral("1e308"), QStringLiteral("1e308"), QStringLiteral("-1e308")})
        huge.rows.push_back(record(3, price, price));
    RecordingCanvas hugeCanvas;
    PrintPriceList(hugeCanvas, huge, QStringLiteral("1"));
    const QString onScreen = PriceTotals::formatAmount(PriceTotals::of(huge.rows).catalogue, QLocale());
    QCOMPARE(hugeCanvas.textsAt(0, 1380 + 3 * 255 + 300)[0].text, QStringLiteral("€ ") + onScreen);
}

namespace {

PrintSource recordSheetSource()
{
    PrintSource source = sourceWith(5);
    source.selectedRow = 2;
    source.collectionCaption = QStringLiteral("Verzamelgebied : Nederland");
    source.recordCountLine = QStringLiteral("Aantal Gegevens : 5");
    const QStringList values = {"1999",  "123a",    "Frankeer", "Koningin", "Gebruikt", "Normaal",
                                "25 ct", "Portret", "Mooi",     "Pracht",   "12,50",    "10,-"};
    for (int field = 0; field < StampRecord::FieldCount; ++field)
        source.panel[field] = values[field];
    return source;
}

} // namespace

void TestPrintJobs::recordSheetRows()
{
    const PrintSource source = recordSheetSource();
    RecordingCanvas canvas;
    QVERIFY(PrintRecordSheet(canvas, source, QStringLiteral("2")));
    QCOMPARE(canvas.copies(), 2);
    QCOMPARE(canvas.pageCount(), 1);
    QCOMPARE(canvas.documentsEnded(), 1);
    QCOMPARE(canvas.textsAt(0, 300)[0].text, QStringLiteral("Verzamelgebied : Nederland"));
    const auto rule = canvas.textsAt(0, 690);
    QCOMPARE(rule.size(), size_t(1));
    QCOMPARE(rule[0].text, QString(162, u'-'));
    QCOMPARE(rule[0].x, 300.0);
    QVERIFY(rule[0].bold);

    const QList<std::tuple<double, QString, QString>> rows = {
        {1200, "Itemnummer", "3"},          {1500, "Jaartal", "1999"},
        {1800, "Catalogus Nummer", "123a"}, {2100, "Categorie", "Frankeer"},
        {2400, "Onderwerp", "Koningin"},    {2700, "Soort zegel", "Gebruikt"},
        {3000, "Type zegel", "Normaal"},    {3300, "Waarde opdruk", "25 ct"},
        {3600, "Afbeelding", "Portret"},    {6300, "Conditie", "Pracht"},
        {6600, "Catalogus Prijs", "12,50"}, {6900, "Mijn Prijs", "10,-"},
    };
    for (const auto &[y, label, value] : rows) {
        const auto line = canvas.textsAt(0, y);
        QCOMPARE(line.size(), size_t(3));
        QCOMPARE(line[0].text, label);
        QCOMPARE(line[0].x, 1200.0);
        QCOMPARE(line[1].text, QStringLiteral(":"));
        QCOMPARE(line[1].x, 3900.0);
        QCOMPARE(line[2].text, value);
        QCOMPARE(line[2].x, 4050.0);
        for (const auto &text : line) {
            QCOMPARE(text.points, 12.0);
            QVERIFY(!text.bold);
            QCOMPARE(text.colour, QColor(0, 90, 0));
        }
    }
    const QList<std::pair<double, QString>> greyLines = {
        {4200, "Opmerking"},           {4500, QString(60, u'-')}, {4740, "Mooi"},
        {7500, "Aantal Gegevens : 5"}, {8700, "123a.jpg"},
    };
    for (const auto &[y, text] : greyLines) {
        const auto line = canvas.textsAt(0, y);
        QCOMPARE(line.size(), size_t(1));
        QCOMPARE(line[0].text, text);
        QCOMPARE(line[0].x, 1200.0);
        QCOMPARE(line[0].colour, QColor(60, 60, 60));
    }
    QCOMPARE(canvas.textsAt(0, 7200)[0].text, QString(60, u'-'));
    QCOMPARE(canvas.textsAt(0, 7200)[0].colour, QColor(0, 90, 0));
    // No picture in the viewer: the file name line is there, the picture is not.
    QVERIFY(canvas.pictures().empty());
}

void TestPrintJobs::recordSheetRefusal()
{
    QCOMPARE(RecordSheetRefusal(), QStringLiteral("Item selecteren a.u.b."));

    PrintSource noSelection = recordSheetSource();
    noSelection.selectedRow = -1;
    RecordingCanvas first;
    QVERIFY(!PrintRecordSheet(first, noSelection, QStringLiteral("1")));
    QVERIFY(first.texts().empty());
    QCOMPARE(first.documentsEnded(), 0);
    QCOMPARE(first.copies(), 0);

    PrintSource blankNumber = recordSheetSource();
    blankNumber.panel[StampRecord::CatalogueNumber] = QStringLiteral("   ");
    RecordingCanvas second;
    QVERIFY(!PrintRecordSheet(second, blankNumber, QStringLiteral("1")));
    QVERIFY(second.texts().empty());
    QCOMPARE(second.documentsEnded(), 0);
}

void TestPrintJobs::recordSheetRemarkAndPicture()
{
    PrintSource source = recordSheetSource();
    source.panel[StampRecord::Info] = QStringLiteral("Eerste regel\r\nTweede regel");
    source.picture = solidImage(200, 120, QColor(10, 200, 30));
    RecordingCanvas canvas;
    QVERIFY(PrintRecordSheet(canvas, source, QStringLiteral("1")));

    const auto *first = canvas.find(QStringLiteral("Eerste regel"));
    const auto *second = canvas.find(QStringLiteral("Tweede regel"));
    QVERIFY(first && second);
    QCOMPARE(first->x, 1200.0);
    QCOMPARE(first->y, 4740.0);
    // The second line starts at the left edge of the printable area, one 12 pt line lower.
    QCOMPARE(second->x, 0.0);
    QVERIFY2(second->y - first->y > 240 && second->y - first->y < 320,
             qPrintable(QString::number(second->y)));
    QCOMPARE(second->colour, QColor(60, 60, 60));

    QCOMPARE(canvas.pictures().size(), size_t(1));
    const auto &picture = canvas.pictures()[0];
    QCOMPARE(picture.rect, QRectF(1200, 9300, 200 * 15, 120 * 15));
    QCOMPARE(picture.pictureSize, QSize(200, 120));
    QCOMPARE(QColor(picture.topLeftPixel), QColor(10, 200, 30));
}

void TestPrintJobs::sealSheetPositions()
{
    TestFolder folder;
    QImage frame = solidImage(40, 60, QColor(200, 180, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(frame.save(&buffer, "BMP"));
    folder.write(QStringLiteral("Data/sluitzegels.fra"), bytes);

    // A portrait photo is squeezed into every landscape cell.
    const QImage photo = solidImage(30, 90, QColor(0, 0, 255));
    RecordingCanvas canvas;
    PrintSealSheet(canvas, folder.folder(), photo, QStringLiteral("1"));
    QCOMPARE(canvas.pageCount(), 1);
    QCOMPARE(canvas.documentsEnded(), 1);
    QVERIFY(canvas.texts().empty());
    QCOMPARE(canvas.pictures().size(), size_t(11));
    const auto &framePicture = canvas.pictures()[0];
    QCOMPARE(framePicture.rect, QRectF(2250, 3300, 6900, 9630));
    QCOMPARE(framePicture.pictureSize, QSize(40, 60));
    QCOMPARE(QColor(framePicture.topLeftPixel), QColor(200, 180, 0));

    QCOMPARE(canvas.boxes().size(), size_t(1));
    QCOMPARE(canvas.boxes()[0].rect, QRectF(QPointF(2250, 3285), QPointF(9150, 12930)));
    QCOMPARE(canvas.boxes()[0].colour, QColor(0, 0, 0));

    QList<QRectF> cells;
    for (size_t i = 1; i < canvas.pictures().size(); ++i) {
        QCOMPARE(canvas.pictures()[i].pictureSize, QSize(30, 90));
        cells << canvas.pictures()[i].rect;
    }
    const QList<QRectF> expected = {
        {3780, 4200, 1890, 1290},  {6090, 4200, 1890, 1290}, {3780, 5910, 1890, 1290},
        {6090, 5910, 1890, 1290},  {3780, 7620, 1890, 1290}, {6090, 7620, 1890, 1290},
        {3780, 9330, 1890, 1290},  {6090, 9330, 1890, 1290}, {3780, 11040, 1890, 1290},
        {6090, 11040, 1890, 1290},
    };
    QCOMPARE(cells, expected);
    QCOMPARE(cells.last().bottom(), 12330.0);
}

void TestPrintJobs::sealSheetWithoutFrameOrPhoto()
{
    TestFolder folder;
    RecordingCanvas bare;
    PrintSealSheet(bare, folder.folder(), QImage(), QStringLiteral("1"));
    QVERIFY(bare.pictures().empty());
    QCOMPARE(bare.boxes().size(), size_t(1));
    QCOMPARE(bare.documentsEnded(), 1);

    // A frame file that is no picture is left out; the photos still print.
    folder.write(QStringLiteral("Data/sluitzegels.fra"), "not a picture");
    RecordingCanvas photosOnly;
    PrintSealSheet(photosOnly, folder.folder(), solidImage(4, 3, Qt::red), QStringLiteral("1"));
    QCOMPARE(photosOnly.pictures().size(), size_t(10));
    QCOMPARE(photosOnly.pictures()[0].rect.topLeft(), QPointF(3780, 4200));
}

void TestPrintJobs::yearLabelGrid()
{
    RecordingCanvas canvas;
    PrintYearLabels(canvas, QStringLiteral("1"));
    QCOMPARE(canvas.pageCount(), 1);
    QCOMPARE(canvas.boxes().size(), size_t(170));
    QCOMPARE(canvas.texts().size(), size_t(170));
    QVERIFY(canvas.find(QStringLiteral("2019")));
    QVERIFY(!canvas.find(QStringLiteral("2020")));
    QVERIFY(!canvas.find(QStringLiteral("1849")));

    for (size_t i = 0; i < canvas.boxes().size(); ++i) {
        const auto &box = canvas.boxes()[i];
        const auto &year = canvas.texts()[i];
        QCOMPARE(year.text, QString::number(1850 + int(i)));
        QCOMPARE(box.rect.size(), QSizeF(1050, 900));
        QCOMPARE(box.colour, QColor(60, 60, 60));
        QVERIFY2(box.rect.right() <= 10800, qPrintable(year.text)); // no eleventh box in a row
        QCOMPARE(QPointF(year.x, year.y), box.rect.topLeft() + QPointF(75, 75));
        QVERIFY(year.bold);
        QCOMPARE(year.points, 16.0);
        QCOMPARE(year.colour, QColor(0, 0, 0));
        if (i % 10 != 0) // neighbours share their edges
            QCOMPARE(box.rect.left(), canvas.boxes()[i - 1].rect.right());
    }
    const auto firstRow = canvas.textsAt(0, 375);
    QCOMPARE(firstRow.size(), size_t(10));
    QCOMPARE(firstRow.front().text, QStringLiteral("1850"));
    QCOMPARE(firstRow.front().x, 375.0);
    QCOMPARE(firstRow.back().text, QStringLiteral("1859"));
    QCOMPARE(firstRow.back().x, 9825.0);
    const auto lastRow = canvas.textsAt(0, 300 + 16 * 900 + 75);
    QCOMPARE(lastRow.size(), size_t(10));
    QCOMPARE(lastRow.front().text, QStringLiteral("2010"));
    QCOMPARE(lastRow.back().text, QStringLiteral("2019"));
    QCOMPARE(canvas.boxes().back().rect.bottom(), 15600.0);
}

QTEST_MAIN(TestPrintJobs)
#include "tst_printjobs.moc"
