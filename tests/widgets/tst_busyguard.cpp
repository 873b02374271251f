#include "widgets/BusyGuard.h"
#include "widgets/VistaButton.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

class BusyGuardTest : public QObject {
    Q_OBJECT

private slots:
    void busyWindowIgnoresItsButtonsAndItsCloseBox();
    void otherWindowsStayFree();
    void guardOutlivingItsWindow();
};

namespace {

void clickByMouse(VistaButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
}

void clickBySpace(VistaButton *button)
{
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

} // namespace

void BusyGuardTest::busyWindowIgnoresItsButtonsAndItsCloseBox()
{
    QWidget window;
    window.resize(200, 100);
    auto *button = new VistaButton(QStringLiteral("OkKnop"), &window);
    button->setGeometry(10, 10, 80, 22);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &VistaButton::Click);

    {
        BusyGuard outer(button); // any widget of the window marks the whole window
        QVERIFY(BusyGuard::isBusy(&window));
        QVERIFY(BusyGuard::isBusy(button));
        {
            BusyGuard inner(&window);
            clickByMouse(button);
            clickBySpace(button);
            QVERIFY(!window.close());
        }
        // The outer guard still holds the window.
        QVERIFY(BusyGuard::isBusy(&window));
        clickByMouse(button);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(clicks.count(), 0);
    }

    QVERIFY(!BusyGuard::isBusy(&window));
    clickByMouse(button);
    clickBySpace(button);
    QCOMPARE(clicks.count(), 2);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
}

void BusyGuardTest::otherWindowsStayFree()
{
    QWidget first;
    QWidget second;
    auto *secondButton = new VistaButton(QStringLiteral("CancelKnop"), &second);
    secondButton->setGeometry(10, 10, 80, 22);
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QSignalSpy clicks(secondButton, &VistaButton::Click);

    BusyGuard guard(&first);
    QVERIFY(!BusyGuard::isBusy(&second));
    QVERIFY(!BusyGuard::isBusy(nullptr));
    clickByMouse(secondButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(second.close());
}

void BusyGuardTest::guardOutlivingItsWindow()
{
    auto window = std::make_unique<QWidget>();
    auto guard = std::make_unique<BusyGuard>(window.get());
    window.reset();
    guard.reset(); // must not touch the window that is gone
}

QTEST_MAIN(BusyGuardTest)
#include "tst_busyguard.moc"
