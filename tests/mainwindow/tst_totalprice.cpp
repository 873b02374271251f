#include "WindowFixture.h"
#include "common/TestFolder.h"
#include "mainwindow/Main.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include <QFrame>
#include <QLocale>
#include <QTest>

class TotalPriceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }
    void countButtonFollowsTheStatusFrame();
    void totalsAreShownWithTheLocalDecimalSign();
    void emptyListTotalsZero();
};

void TotalPriceTest::countButtonFollowsTheStatusFrame()
{
    TestFolder folder;
    auto window = startWindow(folder);
    VistaButton *count = control<VistaButton>(*window, "CountKnop");
    QCOMPARE(count->parentWidget(), control<QFrame>(*window, "Frame4"));
    QCOMPARE(count->caption(), QStringLiteral("Count"));
    QCOMPARE(count->toolTip(), QStringLiteral(" Totaalprijs Berekenen "));
    QCOMPARE(count->size(), QSize(56, 22));
    QCOMPARE(count->y(), 240 / 15);
    QCOMPARE(count->x(), control<QFrame>(*window, "Frame4")->width() - 990 / 15);

    window->resize(window->width() - 150, window->height());
    QCoreApplication::processEvents();
    QCOMPARE(count->x(), control<QFrame>(*window, "Frame4")->width() - 990 / 15);
}

void TotalPriceTest::totalsAreShownWithTheLocalDecimalSign()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Prijzen"),
                    {
                        makeRecord({"1900", "1", "", "", "", "", "", "", "", "", "12,50", "12.50"}),
                        makeRecord({"1900", "2", "", "", "", "", "", "", "", "", "\u20ac 3", "3 \u20ac"}),
                        makeRecord({"1900", "3", "", "", "", "", "", "", "", "", "1 234", "-"}),
                    });
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Prijzen"));
    BoxRecorder boxes(MessageBox::Answer::Ok);
    clickButton(control<VistaButton>(*window, "CountKnop"));

    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text,
             QStringLiteral("Cat.Prijs : \u20ac 1246,50\r\nMijn Prijs : \u20ac 15,50"));
    QCOMPARE(boxes.requests[0].caption, QStringLiteral("Totaalprijs"));
    QVERIFY(boxes.requests[0].buttons == MessageBox::Buttons::Ok);
    QVERIFY(boxes.requests[0].icon == MessageBox::Icon::Information);
    // Counting changes nothing.
    QVERIFY(!window->collection().unsavedChanges());
}

void TotalPriceTest::emptyListTotalsZero()
{
    TestFolder folder;
    auto window = startWindow(folder);
    BoxRecorder boxes(MessageBox::Answer::Ok);
    clickButton(control<VistaButton>(*window, "CountKnop"));
    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text, QStringLiteral("Cat.Prijs : \u20ac 0,00\r\nMijn Prijs : \u20ac 0,00"));
}

QTEST_MAIN(TotalPriceTest)
#include "tst_totalprice.moc"
