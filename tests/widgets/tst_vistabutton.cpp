#include "widgets/BusyGuard.h"
#include "widgets/ButtonPropertyStore.h"
#include "widgets/VistaButton.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// Records the names of the button's own events in the order they are raised.
class EventLog : public QObject {
    Q_OBJECT

public:
    explicit EventLog(VistaButton *button)
    {
        const QMetaObject &meta = VistaButton::staticMetaObject;
        const QMetaMethod record = staticMetaObject.method(staticMetaObject.indexOfSlot("record()"));
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Signal)
                connect(button, meta.method(i), this, record);
        }
    }
    // Without the moves, which come with every pointer motion.
    QStringList withoutMoves() const
    {
        QStringList result = entries;
        result.removeAll(QStringLiteral("MouseMove"));
        result.removeAll(QStringLiteral("MouseIn"));
        return result;
    }

    QStringList entries;

private slots:
    void record()
    {
        entries.append(QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name()));
    }
};

class tst_VistaButton : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newButtonDefaults();
    void picturesAreKeptBetweenOneAndTwo_data();
    void picturesAreKeptBetweenOneAndTwo();
    void windowShapeLeavesOutTheCorners();
    void tabStopIsSavedAndRestored();
    void storeRoundTripAndMissingEnabled();
    void hoverAndLeaveRaiseOneMouseOut();
    void pressDragOffAndReleaseDoesNotClick();
    void clickInside();
    void spaceClicksEnterDoesNot();
    void focusShowsFocusedLook();
    void disabledButtonRaisesOnlyMouseOut();
    void drawsOnlyWhenSomethingChanged();
    void pictureWithoutSizeIsNoPicture();
    void enabledThroughQWidget();
    void dropEffectIsTheReceiversAnswer();
    void readerSeesAPushButton();

private:
    void parkPointer() { QCursor::setPos(m_window->mapToGlobal(QPoint(290, 110))); }

    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_edit = nullptr;
    VistaButton *m_ok = nullptr;
    VistaButton *m_cancel = nullptr;
    VistaButton *m_show = nullptr;
};

void tst_VistaButton::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setGeometry(100, 100, 300, 120);
    m_edit = new QLineEdit(m_window.get());
    m_edit->setGeometry(10, 10, 100, 22);
    m_ok = new VistaButton(QStringLiteral("OkKnop"), m_window.get());
    m_ok->setGeometry(10, 50, 75, 22);
    m_cancel = new VistaButton(QStringLiteral("CancelKnop"), m_window.get());
    m_cancel->setGeometry(100, 50, 56, 22);
    m_show = new VistaButton(QStringLiteral("ShowKnop"), m_window.get());
    m_show->setGeometry(170, 50, 56, 22);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_edit->setFocus();
    parkPointer();
    QApplication::processEvents();
}

void tst_VistaButton::cleanup()
{
    m_window.reset();
}

void tst_VistaButton::newButtonDefaults()
{
    QCOMPARE(m_ok->caption(), QStringLiteral("OkKnop"));
    QCOMPARE(m_ok->objectName(), QStringLiteral("OkKnop"));
    QCOMPARE(m_ok->foreColor(), QColor(0, 0, 0));
    QCOMPARE(m_ok->font().family(), QStringLiteral("Arial"));
    QVERIFY(m_ok->picture().isNull());
    QCOMPARE(m_ok->pictures(), 2);
    QVERIFY(m_ok->useMaskColor());
    QCOMPARE(m_ok->maskColor(), QColor(0, 255, 0));
    QVERIFY(m_ok->enabled());
    QVERIFY(!m_ok->noBackground());
    QCOMPARE(m_ok->backColor(), QApplication::palette().color(QPalette::Button));
    QCOMPARE(m_ok->pictureOffset(), 0);
    QCOMPARE(m_ok->state(), ButtonState::Normal);
    QVERIFY(m_ok->focusPolicy() & Qt::TabFocus);
    QVERIFY(VistaButton().caption().isEmpty());
}

void tst_VistaButton::picturesAreKeptBetweenOneAndTwo_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("kept");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("-5") << -5 << 1;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("3") << 3 << 2;
    QTest::newRow("7") << 7 << 2;
}

void tst_VistaButton::picturesAreKeptBetweenOneAndTwo()
{
    QFETCH(int, set);
    QFETCH(int, kept);
    m_ok->setPictures(set);
    QCOMPARE(m_ok->pictures(), kept);
}

void tst_VistaButton::windowShapeLeavesOutTheCorners()
{
    for (QSize size : {QSize(75, 22), QSize(80, 31)}) {
        m_ok->resize(size);
        const QRegion shape = m_ok->mask();
        qint64 pixels = 0;
        for (const QRect &part : shape)
            pixels += qint64(part.width()) * part.height();
        QCOMPARE(pixels, qint64(size.width()) * size.height() - 4);
        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            QVERIFY(!shape.contains(corner));
        QVERIFY(shape.contains(QPoint(1, 0)));
        QVERIFY(shape.contains(QPoint(right, bottom - 1)));
    }
}

void tst_VistaButton::tabStopIsSavedAndRestored()
{
    m_cancel->setEnabled(false);
    QCOMPARE(m_cancel->state(), ButtonState::Disabled);
    QVERIFY(!(m_cancel->focusPolicy() & Qt::TabFocus));
    m_ok->setFocus();
    QTest::keyClick(m_ok, Qt::Key_Tab);
    QVERIFY(m_show->hasFocus());

    m_cancel->setEnabled(true);
    QCOMPARE(m_cancel->state(), ButtonState::Normal);
    QCOMPARE(m_cancel->focusPolicy(), Qt::StrongFocus);
    m_ok->setFocus();
    QTest::keyClick(m_ok, Qt::Key_Tab);
    QVERIFY(m_cancel->hasFocus());

    // A button that never was a tab stop does not become one.
    m_show->setFocusPolicy(Qt::ClickFocus);
    m_show->setEnabled(false);
    m_show->setEnabled(true);
    QCOMPARE(m_show->focusPolicy(), Qt::ClickFocus);
}

void tst_VistaButton::storeRoundTripAndMissingEnabled()
{
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    QFont font(QStringLiteral("Arial"), 13);
    font.setBold(true);
    VistaButton source;
    source.setCaption(QStringLiteral("Opslaan"));
    source.setForeColor(QColor(10, 20, 30));
    source.setFont(font);
    source.setPicture(picture);
    source.setPictures(1);
    source.setUseMaskColor(false);
    source.setMaskColor(QColor(1, 2, 3));
    source.setEnabled(false);
    source.setNoBackground(true);
    source.setBackColor(QColor(200, 100, 50));
    source.setPictureOffset(2);

    ButtonPropertyStore store;
    source.writeProperties(store);
    const QStringList order = {"Caption",      "ForeColor",    "Font",         "Picture",
                               "Pictures",     "UseMaskColor", "MaskColor",    "Enabled",
                               "NoBackground", "BackColor",    "PictureOffset"};
    QCOMPARE(store.names(), order);

    // Names in another case are the same names.
    ButtonPropertyStore otherCase;
    for (const QString &name : order)
        otherCase.write(name.toUpper(), store.read(name));
    VistaButton target(m_window.get());
    target.readProperties(otherCase);
    QCOMPARE(target.caption(), QStringLiteral("Opslaan"));
    QCOMPARE(target.foreColor(), QColor(10, 20, 30));
    QCOMPARE(target.font(), font);
    QCOMPARE(target.picture(), picture);
    QCOMPARE(target.pictures(), 1);
    QVERIFY(!target.useMaskColor());
    QCOMPARE(target.maskColor(), QColor(1, 2, 3));
    QVERIFY(!target.enabled());
    QCOMPARE(target.state(), ButtonState::Disabled);
    QVERIFY(target.noBackground());
    QCOMPARE(target.backColor(), QColor(200, 100, 50));
    QCOMPARE(target.pictureOffset(), 2);

    // Without "Enabled" the button comes up disabled and out of the tab order.
    ButtonPropertyStore defaults;
    VistaButton(QStringLiteral("Nieuw")).writeProperties(defaults);
    defaults.remove(QStringLiteral("enabled"));
    defaults.write(QStringLiteral("pictures"), 0);
    VistaButton reader(m_window.get());
    reader.readProperties(defaults);
    QVERIFY(!reader.enabled());
    QVERIFY(!reader.isEnabled());
    QCOMPARE(reader.state(), ButtonState::Disabled);
    QVERIFY(!(reader.focusPolicy() & Qt::TabFocus));
    QCOMPARE(reader.caption(), QStringLiteral("Nieuw"));
    QCOMPARE(reader.pictures(), 1);

    // Stored frame counts above 2 are taken as they are.
    defaults.write(QStringLiteral("Pictures"), 3);
    reader.readProperties(defaults);
    QCOMPARE(reader.pictures(), 3);
}

void tst_VistaButton::hoverAndLeaveRaiseOneMouseOut()
{
    EventLog log(m_ok);
    QTest::mouseMove(m_ok, QPoint(30, 10));
    QCOMPARE(m_ok->state(), ButtonState::Hot);
    QVERIFY(m_ok->isWatchingHover());
    QVERIFY(log.entries.contains(QStringLiteral("MouseIn")));
    QVERIFY(!log.entries.contains(QStringLiteral("MouseOut")));

    QSignalSpy out(m_ok, &VistaButton::MouseOut);
    parkPointer();
    QVERIFY(out.wait());
    QCOMPARE(m_ok->state(), ButtonState::Normal);
    QVERIFY(!m_ok->isWatchingHover());
    QTest::qWait(50);
    QCOMPARE(out.count(), 1);
}

void tst_VistaButton::pressDragOffAndReleaseDoesNotClick()
{
    for (bool takesFocus : {true, false}) {
        VistaButton *button = takesFocus ? m_ok : m_cancel;
        if (!takesFocus)
            button->setFocusPolicy(Qt::NoFocus);
        EventLog log(button);
        QTest::mouseMove(button, QPoint(20, 10));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(button->state(), ButtonState::Pressed);
        QTest::mouseMove(button, QPoint(-30, 10));
        QCOMPARE(button->state(), ButtonState::Hot);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, 10));
        QCOMPARE(button->state(), takesFocus ? ButtonState::Focused : ButtonState::Normal);
        QCOMPARE(button->hasFocus(), takesFocus);
        QVERIFY(!log.entries.contains(QStringLiteral("Click")));
        QCOMPARE(log.withoutMoves(), QStringList({"MouseDown", "MouseUp"}));
    }
}

void tst_VistaButton::clickInside()
{
    EventLog log(m_ok);
    QTest::mouseMove(m_ok, QPoint(20, 10));
    QTest::mouseClick(m_ok, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(log.withoutMoves(), QStringList({"MouseDown", "MouseUp", "Click"}));
    QCOMPARE(m_ok->state(), ButtonState::Hot);

    // The right button presses the face but is no click.
    QTest::mouseClick(m_ok, Qt::RightButton, {}, QPoint(20, 10));
    QCOMPARE(log.entries.count(QStringLiteral("Click")), 1);

    // A double click arrives as press, release, double click, release: one Click.
    log.entries.clear();
    QTest::mouseClick(m_ok, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseDClick(m_ok, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(m_ok, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(log.withoutMoves(), QStringList({"MouseDown", "MouseUp", "Click", "MouseUp"}));
    QCOMPARE(m_ok->state(), ButtonState::Hot);
}

void tst_VistaButton::spaceClicksEnterDoesNot()
{
    m_ok->setFocus();
    QCOMPARE(m_ok->state(), ButtonState::Focused);
    EventLog log(m_ok);
    ButtonState stateAtKeyDown = ButtonState::Normal;
    connect(m_ok, &VistaButton::KeyDown, this, [&] { stateAtKeyDown = m_ok->state(); });

    QTest::keyPress(m_ok, Qt::Key_Space);
    QCOMPARE(m_ok->state(), ButtonState::Pressed);
    QCOMPARE(stateAtKeyDown, ButtonState::Pressed);
    // A held key repeats: no click until it comes up.
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(m_ok, &repeatUp);
    QCOMPARE(m_ok->state(), ButtonState::Pressed);
    QTest::keyRelease(m_ok, Qt::Key_Space);
    QCOMPARE(m_ok->state(), ButtonState::Focused);
    QCOMPARE(log.entries, QStringList({"MouseDown", "KeyDown", "KeyPress", "MouseUp", "Click", "KeyUp"}));

    log.entries.clear();
    QTest::keyClick(m_ok, Qt::Key_Return);
    QTest::keyClick(m_ok, Qt::Key_A);
    QCOMPARE(log.entries, QStringList({"KeyDown", "KeyPress", "KeyUp", "KeyDown", "KeyPress", "KeyUp"}));

    // With the pointer over the button, the space key leaves it hot.
    QTest::mouseMove(m_ok, QPoint(20, 10));
    QTest::keyClick(m_ok, Qt::Key_Space);
    QCOMPARE(m_ok->state(), ButtonState::Hot);
    QCOMPARE(log.entries.count(QStringLiteral("Click")), 1);

    // The mouse's click is its own: a space key pressed and released while the
    // mouse button is held clicks, and so does the mouse button's release.
    log.entries.clear();
    QTest::mousePress(m_ok, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::keyClick(m_ok, Qt::Key_Space);
    QTest::mouseRelease(m_ok, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(log.entries.count(QStringLiteral("Click")), 2);
}

void tst_VistaButton::focusShowsFocusedLook()
{
    QTest::keyClick(m_edit, Qt::Key_Tab);
    QVERIFY(m_ok->hasFocus());
    QCOMPARE(m_ok->state(), ButtonState::Focused);
    QTest::keyClick(m_ok, Qt::Key_Tab);
    QVERIFY(m_cancel->hasFocus());
    QCOMPARE(m_ok->state(), ButtonState::Normal);
    QCOMPARE(m_cancel->state(), ButtonState::Focused);

    // With the pointer on it the button stays hot when it gains or loses the focus.
    QTest::mouseMove(m_show, QPoint(20, 10));
    m_show->setFocus();
    QCOMPARE(m_show->state(), ButtonState::Hot);
    m_edit->setFocus();
    QCOMPARE(m_show->state(), ButtonState::Hot);
}

void tst_VistaButton::disabledButtonRaisesOnlyMouseOut()
{
    QTest::mouseMove(m_ok, QPoint(20, 10));
    QVERIFY(m_ok->isWatchingHover());
    m_ok->setEnabled(false);
    EventLog log(m_ok);

    QTest::mouseMove(m_ok, QPoint(30, 12));
    QTest::mouseClick(m_ok, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::keyClick(m_ok, Qt::Key_Space);
    QTest::keyClick(m_ok, Qt::Key_Return);
    QCOMPARE(m_ok->state(), ButtonState::Disabled);
    QVERIFY(log.entries.isEmpty());

    QSignalSpy out(m_ok, &VistaButton::MouseOut);
    parkPointer();
    QVERIFY(out.wait());
    QCOMPARE(log.entries, QStringList({"MouseOut"}));
    QCOMPARE(m_ok->state(), ButtonState::Disabled);
}

void tst_VistaButton::drawsOnlyWhenSomethingChanged()
{
    const qint64 drawn = m_ok->backBuffer().cacheKey();
    m_ok->repaint();
    m_ok->setPictureOffset(3);
    QCOMPARE(m_ok->backBuffer().cacheKey(), drawn);

    m_ok->setCaption(QStringLiteral("Wijzig"));
    const qint64 redrawn = m_ok->backBuffer().cacheKey();
    QVERIFY(redrawn != drawn);
    m_ok->resize(80, 24);
    QVERIFY(m_ok->backBuffer().cacheKey() != redrawn);
    QCOMPARE(m_ok->backBuffer().size(), QSize(80, 24));
    QCOMPARE(m_ok->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(40, 1),
             m_ok->backBuffer().pixel(40, 1));
}

void tst_VistaButton::pictureWithoutSizeIsNoPicture()
{
    const QImage captionOnly = m_ok->backBuffer();
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    m_ok->setPicture(picture);
    QVERIFY(m_ok->backBuffer() != captionOnly);
    m_ok->setPicture(QImage(0, 16, QImage::Format_RGB32));
    QCOMPARE(m_ok->backBuffer(), captionOnly);
}

void tst_VistaButton::enabledThroughQWidget()
{
    static_cast<QWidget *>(m_ok)->setEnabled(false);
    QVERIFY(!m_ok->enabled());
    QCOMPARE(m_ok->state(), ButtonState::Disabled);
    static_cast<QWidget *>(m_ok)->setEnabled(true);
    QCOMPARE(m_ok->state(), ButtonState::Normal);

    // A disabled window leaves its buttons' own setting alone.
    m_window->setEnabled(false);
    QVERIFY(m_cancel->enabled());
    QCOMPARE(m_cancel->state(), ButtonState::Normal);
}

void tst_VistaButton::dropEffectIsTheReceiversAnswer()
{
    m_ok->setAcceptDrops(true);
    QMimeData data;
    data.setText(QStringLiteral("1850"));
    QList<int> dragStates;
    connect(m_ok, &VistaButton::OLEDragOver, this,
            [&](const QMimeData *over, int &effect, int button, int shift, double x, double, int state) {
                dragStates.append(state);
                if (over) {
                    QCOMPARE(over->text(), QStringLiteral("1850"));
                    QCOMPARE(button, 1);
                    QCOMPARE(shift, 1);
                    QCOMPARE(x, 5.0);
                    QCOMPARE(effect, int(Qt::CopyAction | Qt::LinkAction));
                }
                effect = Qt::LinkAction;
            });
    QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton,
                          Qt::ShiftModifier);
    QApplication::sendEvent(m_ok, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::LinkAction);

    int dropped = 0;
    connect(m_ok, &VistaButton::OLEDragDrop, this, [&](const QMimeData *, int &effect) {
        ++dropped;
        effect = 0;
    });
    QDropEvent drop(QPointF(5, 6), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_ok, &drop);
    QCOMPARE(dropped, 1);
    QVERIFY(!drop.isAccepted());
    QCOMPARE(dragStates, QList<int>({0}));
}

void tst_VistaButton::readerSeesAPushButton()
{
    m_ok->setToolTip(QStringLiteral(" Record Toevoegen "));
    m_ok->setCaption(QStringLiteral("Add"));
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(m_ok);
    QVERIFY(button);
    QCOMPARE(button->role(), QAccessible::PushButton);
    QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Add"));
    QCOMPARE(button->text(QAccessible::Description), QStringLiteral("Record Toevoegen"));
    QVERIFY(button->state().focusable && !button->state().focused && !button->state().disabled);
    m_ok->setFocus();
    QVERIFY(button->state().focused);

    // The press action is the space key: one Click, from the event loop.
    QAccessibleActionInterface *actions = button->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList({QAccessibleActionInterface::pressAction()}));
    EventLog log(m_ok);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(log.entries.isEmpty());
    QTRY_COMPARE(log.entries, QStringList({"MouseDown", "MouseUp", "Click"}));
    QCOMPARE(m_ok->state(), ButtonState::Focused);

    // None while the window waits, none while disabled.
    log.entries.clear();
    {
        BusyGuard busy(m_ok);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QApplication::processEvents();
    }
    QCOMPARE(log.entries.count(QStringLiteral("Click")), 0);
    m_ok->setEnabled(false);
    QVERIFY(button->state().disabled);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    QCOMPARE(log.entries.count(QStringLiteral("Click")), 0);

    // The name follows the caption. (The offscreen platform has no reader to
    // announce the change to; the test over AT-SPI hears it.)
    m_show->setCaption(QStringLiteral("Exit"));
    QCOMPARE(QAccessible::queryAccessibleInterface(m_show)->text(QAccessible::Name), QStringLiteral("Exit"));
}

QTEST_MAIN(tst_VistaButton)
#include "tst_vistabutton.moc"
