#include "resources/PrintTemplate.h"

#include <QColor>
#include <QTest>

namespace {

// Twips of the A4 page to pixels of the miniature.
QColor at(const QImage &image, double xTwips, double yTwips)
{
    return image.pixelColor(int(xTwips * PrintTemplate::Width / 11906),
                            int(yTwips * PrintTemplate::Height / 16838));
}

} // namespace

class TestPrintTemplate : public QObject {
    Q_OBJECT

private slots:
    void templates();
    void printerPicture();
};

void TestPrintTemplate::templates()
{
    QList<QImage> pages;
    for (int job = 1; job <= 5; ++job) {
        const QImage page = PrintTemplate::render(job);
        QCOMPARE(page.size(), QSize(113, 165));
        for (const QImage &other : pages)
            QVERIFY(page != other);
        pages << page;
    }
    // Each miniature shows its job's page: ink where the job prints, paper where it does not.
    QVERIFY(at(pages[0], 1300, 1480).lightness() < 200); // first list line
    QCOMPARE(at(pages[0], 1300, 16000), QColor(Qt::white));
    QVERIFY(at(pages[2], 3000, 11000).lightness() < 230);              // the record's picture
    QCOMPARE(at(pages[3], 3780 + 945, 4200 + 645), QColor(Qt::white)); // an empty photo cell
    QVERIFY(at(pages[3], 3000, 8000) != QColor(Qt::white));            // the frame around it
    QVERIFY(at(pages[4], 9750 + 275, 14700 + 200).lightness() < 100);  // year 2019
    QCOMPARE(at(pages[4], 6000, 16300), QColor(Qt::white));            // no row after 2019

    // The print dialog's pictures fall in the drawn cells: each photo cell is
    // empty paper inside its edge, and the record's picture area starts at its corner.
    for (int index = 0; index < 10; ++index) {
        const QRect cell = PrintTemplate::sealPhotoCell(index);
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                QCOMPARE(pages[3].pixelColor(x, y), QColor(Qt::white));
        for (const QPoint edge : {cell.topLeft() - QPoint(1, 1), cell.bottomRight() + QPoint(1, 1)})
            QVERIFY(pages[3].pixelColor(edge) != QColor(Qt::white));
    }
    const QPoint corner = PrintTemplate::recordPictureCorner();
    QVERIFY(pages[2].pixelColor(corner) != QColor(Qt::white));
    QCOMPARE(pages[2].pixelColor(corner - QPoint(1, 1)), QColor(Qt::white));
}

void TestPrintTemplate::printerPicture()
{
    const QImage printer = PrintTemplate::renderPrinter();
    QCOMPARE(printer.size(), QSize(72, 72));
    QCOMPARE(printer.pixelColor(1, 1).alpha(), 0);
    QCOMPARE(printer.pixelColor(36, 30).alpha(), 255);
}

QTEST_MAIN(TestPrintTemplate)
#include "tst_printtemplate.moc"
