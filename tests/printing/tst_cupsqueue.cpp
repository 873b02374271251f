#include "CupsPdfQueue.h"
#include "common/PdfReadback.h"

#include "printing/PrintCollectionList.h"
#include "printing/PrintSource.h"
#include "printing/PrintYearLabels.h"
#include "printing/dialog/CurrentPrinter.h"
#include "printing/dialog/SystemPrinterCanvas.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTest>

class TestCupsQueue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printsThroughTheQueue();
    void refusingQueue();
    void cleanupTestCase() { m_queue.setAccepting(true); }

private:
    CupsPdfQueue m_queue;
};

void TestCupsQueue::initTestCase()
{
    const QString problem = m_queue.setUp();
    if (!problem.isEmpty())
        QSKIP(qPrintable(QStringLiteral("No print queue to test with: ") + problem));
    const int position = CurrentPrinter::choices().indexOf(CupsPdfQueue::name());
    QVERIFY2(position >= 0, "the new queue is not among the system's printers");
    QCOMPARE(CurrentPrinter::choices().last(), CurrentPrinter::pdfFile());
    CurrentPrinter::select(position);
    QCOMPARE(CurrentPrinter::name(), CupsPdfQueue::name());
}

void TestCupsQueue::printsThroughTheQueue()
{
    PrintSource source;
    source.collectionName = QStringLiteral("Wachtrij");
    for (int i = 0; i < 55; ++i) {
        StampRecord record;
        record[StampRecord::Year] = QString::number(1900 + i);
        record[StampRecord::Condition] = QStringLiteral("Postfris");
        source.rows.push_back(record);
    }
    const QStringList before = m_queue.pdfFiles();
    {
        SystemPrinterCanvas canvas;
        QCOMPARE(canvas.currentPrinterName(), CupsPdfQueue::name());
        QVERIFY(SystemPrinterCanvas::queueRefusal(CupsPdfQueue::name()).isEmpty());
        PrintCollectionList(canvas, source, QStringLiteral("2"));
        QVERIFY2(canvas.failure().isEmpty(), qPrintable(canvas.failure()));
    }
    const QString arrived = m_queue.waitForPdf(before);
    QVERIFY2(!arrived.isEmpty(), "no PDF arrived from the print queue within a minute");
    const PdfReadback pdf(arrived);
    QVERIFY2(pdf.ok(), qPrintable(pdf.error()));
    // Two pages, two copies of each, on the queue's A4 paper.
    QCOMPARE(pdf.pageCount(), 4);
    QVERIFY2(qAbs(pdf.pageSize().width() - 595) < 1 && qAbs(pdf.pageSize().height() - 842) < 1,
             qPrintable(QStringLiteral("%1 x %2").arg(pdf.pageSize().width()).arg(pdf.pageSize().height())));

    // The queue turns the text into drawings, so the pages are looked at as pictures:
    // at 72 dots per inch one pixel is one point, 20 twips, from the printable area.
    const QString prefix = arrived + QStringLiteral(".page");
    QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                               {QStringLiteral("-q"), QStringLiteral("-r"), QStringLiteral("72"),
                                QStringLiteral("-png"), arrived, prefix}),
             0);
    QList<QImage> pages;
    for (int page = 1; page <= 4; ++page)
        pages << QImage(prefix + QStringLiteral("-%1.png").arg(page));
    QFile::remove(arrived);
    for (int page = 1; page <= 4; ++page)
        QFile::remove(prefix + QStringLiteral("-%1.png").arg(page));
    for (const QImage &page : pages)
        QVERIFY(!page.isNull());
    QCOMPARE(pages[1], pages[0]);
    QCOMPARE(pages[3], pages[2]);

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(CupsPdfQueue::name());
    const QPointF margin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    // Any ink in the band of one 10 pt text line at y, between x and x + 30 pt.
    auto inkAt = [&](const QImage &page, double x, double y) {
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 30; ++column)
                if (QColor(
                        page.pixel(qRound(margin.x() + x / 20) + column, qRound(margin.y() + y / 20) + row))
                        .lightness() < 160)
                    return true;
        return false;
    };
    QVERIFY(inkAt(pages[0], 1200, 300));   // title
    QVERIFY(inkAt(pages[0], 1200, 900));   // headings
    QVERIFY(inkAt(pages[0], 1200, 1380));  // first line
    QVERIFY(inkAt(pages[0], 1200, 14895)); // 54th line
    QVERIFY(!inkAt(pages[2], 1200, 300));  // no title on the second page
    QVERIFY(inkAt(pages[2], 1200, 900));
    QVERIFY(inkAt(pages[2], 1200, 1320)); // the 55th line
    QVERIFY(!inkAt(pages[2], 1200, 1575));
}

void TestCupsQueue::refusingQueue()
{
    QVERIFY(m_queue.setAccepting(false));
    const QString refusal = SystemPrinterCanvas::queueRefusal(CupsPdfQueue::name());
    QVERIFY2(refusal.contains(QLatin1String("neemt geen opdrachten aan")), qPrintable(refusal));

    SystemPrinterCanvas canvas;
    PrintYearLabels(canvas, QStringLiteral("1"));
    QVERIFY2(!canvas.failure().isEmpty(), "a refused job was reported as printed");
    QVERIFY(m_queue.setAccepting(true));
    QVERIFY(SystemPrinterCanvas::queueRefusal(CupsPdfQueue::name()).isEmpty());
    QVERIFY(SystemPrinterCanvas::queueRefusal(QStringLiteral("NoSuchPrinter"))
                .contains(QLatin1String("niet gevonden")));
}

QTEST_MAIN(TestCupsQueue)
#include "tst_cupsqueue.moc"
