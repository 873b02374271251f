#include "WindowHelpers.h"
#include "common/TestFolder.h"
#include "mainwindow/Clock.h"
#include "mainwindow/Main.h"

#include "common/Control.h"
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

class ClockTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void textIsShortDateAndTwentyFourHourTime();
    void clockStartsWithWindow();
    void tickShowsDateAndTimeInFull();
};

void ClockTest::textIsShortDateAndTwentyFourHourTime()
{
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    const QDate day(2026, 12, 7);
    QCOMPARE(Clock::text(QDateTime(day, QTime(9, 5, 3)), dutch), QStringLiteral("07-12-2026 / 9:05:03"));
    QCOMPARE(Clock::text(QDateTime(day, QTime(23, 59, 9)), dutch), QStringLiteral("07-12-2026 / 23:59:09"));
    QCOMPARE(Clock::text(QDateTime(day, QTime(0, 0, 0)), dutch), QStringLiteral("07-12-2026 / 0:00:00"));
    // The date follows the locale; the time does not.
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(Clock::text(QDateTime(day, QTime(21, 5, 3)), american), QStringLiteral("12/7/26 / 21:05:03"));
}

void ClockTest::clockStartsWithWindow()
{
    TestFolder folder;
    auto window = startWindow(folder);
    QCOMPARE(control<QLabel>(*window, "KlokLabel")->text(), QStringLiteral("00:00:00"));
    QCOMPARE(control<QLabel>(*window, "KlokLabel")->font().family(), QStringLiteral("Arial"));
    QVERIFY(control<QLabel>(*window, "KlokLabel")->font().bold());
    QCOMPARE(control<QLabel>(*window, "KlokLabel")->font().pointSizeF(), 14.25);
    QCOMPARE(control<QLabel>(*window, "KlokLabel")->palette().color(QPalette::WindowText),
             QColor(80, 80, 120));

    auto *timer = window->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!timer->isSingleShot());
}

void ClockTest::tickShowsDateAndTimeInFull()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    TestFolder folder;
    auto window = startWindow(folder);
    auto *clock = window->findChild<Clock *>();
    QVERIFY(clock);
    QLabel *label = control<QLabel>(*window, "KlokLabel");
    const QWidget *strip = control<QFrame>(*window, "MenuPic");

    const QSize startSize = window->frameGeometry().size();
    for (const QSize outer : {startSize, QSize(700, 500), QSize(1200, 600)}) {
        setOuterSize(window.get(), outer);
        clock->Timer1_Timer();
        static const QRegularExpression shown(
            QStringLiteral("^\\d\\d-\\d\\d-\\d{4} / \\d{1,2}:\\d\\d:\\d\\d$"));
        QVERIFY2(shown.match(label->text()).hasMatch(), qPrintable(label->text()));
        // The whole text shows inside the strip, clear of the collection name.
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        QVERIFY2(label->geometry().right() < strip->contentsRect().right(),
                 qPrintable(QStringLiteral("%1 %2").arg(label->geometry().right()).arg(strip->width())));
        const QLabel *name = window->findChild<QLabel *>(QStringLiteral("Label2"));
        QVERIFY(label->x() > name->x() + name->fontMetrics().horizontalAdvance(name->text()));
        QCOMPARE(label->y(), 4);
    }
    // Resizing keeps it in place without waiting for the next tick.
    setOuterSize(window.get(), startSize);
    QVERIFY(label->geometry().right() < strip->contentsRect().right());
    QVERIFY(label->geometry().right() > strip->contentsRect().right() - 15);
}

QTEST_MAIN(ClockTest)
#include "tst_clock.moc"
