#include "common/PdfReadback.h"

#include "common/TestFolder.h"
#include "printing/PrintCollectionList.h"
#include "printing/PrintJob.h"
#include "printing/PrintPriceList.h"
#include "printing/PrintRecordSheet.h"
#include "printing/PrintSealSheet.h"
#include "printing/PrintSource.h"
#include "printing/PrintYearLabels.h"
#include "printing/QtPrinterCanvas.h"

#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One point is 20 twips; a text or picture lands within a point of its twip position.
constexpr double twipsPerPoint = 20;
constexpr double tolerance = 1.0;

StampRecord priced(const QString &year, const QString &number, const QString &catalogue, const QString &own)
{
    StampRecord r;
    r[StampRecord::Year] = year;
    r[StampRecord::CatalogueNumber] = number;
    r[StampRecord::CataloguePrice] = catalogue;
    r[StampRecord::OwnPrice] = own;
    r[StampRecord::Condition] = QStringLiteral("Postfris");
    return r;
}

bool near(double points, double twips)
{
    return qAbs(points - twips / twipsPerPoint) <= tolerance;
}

QImage solidImage(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestPdfOutput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void textPositions();
    void pagesAndCopies();
    void yearLabelPositions();
    void picturesOnThePage();
    void unwritableFile();

private:
    QString pdfPath(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestPdfOutput::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QVERIFY(m_dir.isValid());
    for (const char *tool : {"pdftotext", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL("poppler-utils is needed to read the printed PDFs back: run make deps");
}

void TestPdfOutput::textPositions()
{
    PrintSource source;
    source.collectionName = QStringLiteral("Nederland");
    source.rows = {priced("1999", "123a", "12,50", "5"), priced("2001", "77", "1234,99", "-")};
    const QString path = pdfPath(QStringLiteral("prijslijst.pdf"));
    {
        QPdfWriter writer(path);
        QtPrinterCanvas canvas(writer);
        PrintPriceList(canvas, source, QStringLiteral("1"));
        QVERIFY2(canvas.failure().isEmpty(), qPrintable(canvas.failure()));
    }
    const PdfReadback pdf(path);
    QVERIFY2(pdf.ok(), qPrintable(pdf.error()));
    QCOMPARE(pdf.pageCount(), 1);

    const QList<std::tuple<QString, double, double>> expected = {
        {"Verzameling", 1200, 300},    {"Jaar", 1200, 900},  {"Cat.nummer", 2100, 900},
        {"Catalogusprijs", 3900, 900}, {"Mijn", 5700, 900},  {"Conditie", 7500, 900},
        {"1999", 1200, 1380},          {"123a", 2100, 1380}, {"2001", 1200, 1635},
        {"Postfris", 7500, 1380},
    };
    for (const auto &[text, x, y] : expected) {
        const auto words = pdf.find(0, text);
        QVERIFY2(!words.empty(), qPrintable(text));
        const QRectF box = words.front().box;
        QVERIFY2(near(box.left(), x) && near(box.top(), y),
                 qPrintable(QStringLiteral("%1 at %2, %3 pt").arg(text).arg(box.left()).arg(box.top())));
    }

    // Right-placed prices: the euro sign starts at the edge less the measured price,
    // a one-character price starts there itself.
    const QList<std::tuple<QString, double, double>> prices = {
        {"12,50", 4800, 1380}, {"5", 6300, 1380}, {"1234,99", 4800, 1635}, {"-", 6300, 1635}};
    for (const auto &[price, edge, y] : prices) {
        const double x = edge - MeasureTextWidth(price);
        const QString first = price.size() == 1 ? price : QStringLiteral("€");
        const auto words = pdf.find(0, first);
        const auto at = std::find_if(words.begin(), words.end(), [&](const PdfReadback::Word &w) {
            return near(w.box.top(), y) && near(w.box.left(), x);
        });
        QVERIFY2(at != words.end(), qPrintable(price));
    }
    // The digits of both catalogue prices end together, within a point.
    const auto first = pdf.find(0, QStringLiteral("12,50"));
    const auto second = pdf.find(0, QStringLiteral("1234,99"));
    QCOMPARE(first.size(), size_t(1));
    QCOMPARE(second.size(), size_t(1));
    QVERIFY(qAbs(first[0].box.right() - second[0].box.right()) <= tolerance);

    // Totals: 1247,49 and 5,00 under the dashes.
    const auto total = pdf.find(0, QStringLiteral("1247,49"));
    QCOMPARE(total.size(), size_t(1));
    QVERIFY(near(total[0].box.top(), 1380 + 2 * 255 + 300));
    QCOMPARE(pdf.find(0, QStringLiteral("5,00")).size(), size_t(1));
}

void TestPdfOutput::pagesAndCopies()
{
    PrintSource source;
    for (int i = 0; i < 55; ++i)
        source.rows.push_back(priced(QString::number(1900 + i), QString::number(i), "1", "1"));
    const QString path = pdfPath(QStringLiteral("lijst.pdf"));
    {
        QPdfWriter writer(path);
        QtPrinterCanvas canvas(writer);
        PrintCollectionList(canvas, source, QStringLiteral("3"));
        QVERIFY(canvas.failure().isEmpty());
    }
    const PdfReadback pdf(path);
    QVERIFY2(pdf.ok(), qPrintable(pdf.error()));
    // Two pages, each printed three times, on A4 portrait.
    QCOMPARE(pdf.pageCount(), 6);
    QVERIFY(qAbs(pdf.pageSize().width() - 595.28) < 0.5);
    QVERIFY(qAbs(pdf.pageSize().height() - 841.89) < 0.5);
    for (int page = 0; page < 6; ++page) {
        QCOMPARE(pdf.find(page, QStringLiteral("Conditie")).size(), size_t(1));
        QCOMPARE(pdf.find(page, QStringLiteral("1954")).size(), size_t(page >= 3 ? 1 : 0));
        QCOMPARE(pdf.find(page, QStringLiteral("1900")).size(), size_t(page < 3 ? 1 : 0));
    }
    const auto last = pdf.find(5, QStringLiteral("1954"));
    QVERIFY(near(last[0].box.top(), 1320));
}

void TestPdfOutput::yearLabelPositions()
{
    const QString path = pdfPath(QStringLiteral("jaartallen.pdf"));
    {
        QPdfWriter writer(path);
        QtPrinterCanvas canvas(writer);
        PrintYearLabels(canvas, QStringLiteral("1"));
    }
    const PdfReadback pdf(path);
    QVERIFY2(pdf.ok(), qPrintable(pdf.error()));
    QCOMPARE(pdf.pageCount(), 1);
    QCOMPARE(int(pdf.words().size()), 170);
    for (int year = 1850; year <= 2019; ++year) {
        const int index = year - 1850;
        const auto words = pdf.find(0, QString::number(year));
        QCOMPARE(words.size(), size_t(1));
        QVERIFY2(near(words[0].box.left(), 300 + (index % 10) * 1050 + 75) &&
                     near(words[0].box.top(), 300 + (index / 10) * 900 + 75),
                 qPrintable(QString::number(year)));
    }
}

void TestPdfOutput::picturesOnThePage()
{
    TestFolder folder;
    const QString path = pdfPath(QStringLiteral("zegels.pdf"));
    {
        QPdfWriter writer(path);
        QtPrinterCanvas canvas(writer);
        PrintSealSheet(canvas, folder.folder(), solidImage(8, 16, QColor(0, 0, 255)), QStringLiteral("1"));
    }
    // Rendered at 72 dots per inch one pixel is one point: 20 twips.
    QVERIFY(
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"),
                                                       QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                                       path, m_dir.filePath(QStringLiteral("zegels"))}) == 0);
    const QImage page(m_dir.filePath(QStringLiteral("zegels.png")));
    QVERIFY(!page.isNull());
    auto at = [&](double x, double y) { return QColor(page.pixel(qRound(x / 20), qRound(y / 20))); };
    // Colour management of the renderer may move a channel by a step or two.
    auto isBlue = [](const QColor &c) { return c.red() < 10 && c.green() < 10 && c.blue() > 245; };
    for (const double x : {3780.0, 6090.0})
        for (const double y : {4200.0, 5910.0, 7620.0, 9330.0, 11040.0}) {
            QVERIFY(isBlue(at(x + 945, y + 645)));      // middle of the cell
            QVERIFY(isBlue(at(x + 1890 - 60, y + 60))); // squeezed, not cropped: the far corner too
            QVERIFY(!isBlue(at(x + 1890 + 100, y + 645)));
            QVERIFY(!isBlue(at(x + 945, y + 1290 + 100)));
        }
    // The border is drawn, the sheet between the photos is blank.
    auto darkNear = [&](double x, double y) {
        int darkest = 255;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                darkest = qMin(darkest, at(x + dx * 20, y + dy * 20).lightness());
        return darkest < 128;
    };
    QVERIFY(darkNear(2250, 8000));
    QVERIFY(darkNear(9150, 8000));
    QVERIFY(darkNear(6000, 3285));
    QVERIFY(darkNear(6000, 12930));
    QVERIFY(at(3000, 8000).lightness() > 250);
}

void TestPdfOutput::unwritableFile()
{
    QPdfWriter writer(m_dir.filePath(QStringLiteral("no-such-folder/x.pdf")));
    QtPrinterCanvas canvas(writer);
    PrintYearLabels(canvas, QStringLiteral("1"));
    QVERIFY(!canvas.failure().isEmpty());
}

QTEST_MAIN(TestPdfOutput)
#include "tst_pdfoutput.moc"
