#include "WindowHelpers.h"
#include "common/TestFolder.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "mainwindow/PictureViewer.h"
#include "resources/PanCursorImage.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

const QColor BarColour(64, 64, 64);

// Every pixel tells where it lies in the picture, so a grab of the container
// shows which part of the picture is in view.
QImage testPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    }
    return picture;
}

QRgb pixelInView(const Main &window, QPoint inContainer)
{
    return control<QFrame>(window, "PicCont")->grab().toImage().pixel(inContainer);
}

// Mouse events go to the picture box, whose own coordinates move with it; the
// pointer is given in the container's coordinates, where a hand moves it.
void pointerDown(const Main &window, Qt::MouseButton button, QPoint inContainer)
{
    QTest::mousePress(control<QLabel>(window, "SlidePic"), button, {},
                      inContainer - control<QLabel>(window, "SlidePic")->pos());
}

void pointerTo(const Main &window, QPoint inContainer)
{
    QTest::mouseMove(control<QLabel>(window, "SlidePic"),
                     inContainer - control<QLabel>(window, "SlidePic")->pos());
}

void pointerUp(const Main &window, Qt::MouseButton button, QPoint inContainer)
{
    QTest::mouseRelease(control<QLabel>(window, "SlidePic"), button, {},
                        inContainer - control<QLabel>(window, "SlidePic")->pos());
}

// Where a mouse click hits the given part of a scroll bar.
QPoint partOf(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

bool barHolds(const QWidget *bar, const QWidget *scrollBar)
{
    return bar->geometry().contains(scrollBar->geometry());
}

} // namespace

class PictureViewerTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithListShownAndShowDisabled();
    void showSwapsListForViewerAndExitSwapsBack();
    void leftDragPansWithinTheRanges();
    void otherButtonsDoNotPan();
    void scrollBarsMoveThePicture();
    void panRangesFollowPictureAndViewerSize();
    void picturesOfAnySizeCanBeSeenWhole();
    void pointerOverPictureIsTheRedArrow();
};

void PictureViewerTest::startsWithListShownAndShowDisabled()
{
    TestFolder folder;
    auto window = startWindow(folder);

    QCOMPARE(window->findChild<VistaButton *>(QStringLiteral("ShowKnop")),
             control<VistaButton>(*window, "ShowKnop"));
    QCOMPARE(control<VistaButton>(*window, "ShowKnop")->parentWidget(), control<QFrame>(*window, "Frame3"));
    QCOMPARE(control<VistaButton>(*window, "ShowKnop")->geometry(), Twips::rect(2490, 225, 840, 330));
    QCOMPARE(control<VistaButton>(*window, "ShowKnop")->caption(), QStringLiteral("Show"));
    QVERIFY(!control<VistaButton>(*window, "ShowKnop")->enabled());
    QCOMPARE(control<QLabel>(*window, "Label5")->text(), QStringLiteral("Afbeelding"));
    QCOMPARE(control<QLabel>(*window, "Label5")->parentWidget(), control<QFrame>(*window, "Frame3"));

    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Frame2"))->isVisible());
    QVERIFY(!control<PictureViewer>(*window, "Frame5")->isVisible());
    QCOMPARE(control<PictureViewer>(*window, "Frame5")->geometry().topLeft(),
             control<QFrame>(*window, "Frame2")->geometry().topLeft());
    QCOMPARE(control<PictureViewer>(*window, "Frame5")->size(), control<QFrame>(*window, "Frame2")->size());

    // An empty picture box at the top left, nothing to pan.
    QVERIFY(window->viewerPicture().isNull());
    QVERIFY(control<QLabel>(*window, "SlidePic")->pixmap().isNull());
    QCOMPARE(control<QLabel>(*window, "SlidePic")->geometry(), Twips::rect(0, 0, 1230, 690));
    for (QScrollBar *bar :
         {control<QScrollBar>(*window, "HScroll"), control<QScrollBar>(*window, "VScroll")}) {
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 0);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 1);
    }
}

void PictureViewerTest::showSwapsListForViewerAndExitSwapsBack()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const QList<VistaButton *> editing{control<VistaButton>(*window, "AddKnop"),
                                       control<VistaButton>(*window, "WijzigKnop"),
                                       control<VistaButton>(*window, "DelKnop")};
    window->showViewerPicture(testPicture(200, 100));
    control<VistaButton>(*window, "ShowKnop")->setEnabled(true); // as selecting a record with a picture does

    QTest::mouseClick(control<VistaButton>(*window, "ShowKnop"), Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(!control<QFrame>(*window, "Frame2")->isVisible());
    QVERIFY(control<PictureViewer>(*window, "Frame5")->isVisible());
    QCOMPARE(control<VistaButton>(*window, "ShowKnop")->caption(), QStringLiteral("Exit"));
    for (VistaButton *button : editing)
        QVERIFY2(!button->enabled(), qPrintable(button->objectName()));

    // The viewer as shown: the picture on black, the scroll bars on their grey bars
    // below and beside the container.
    QCOMPARE(pixelInView(*window, QPoint(10, 10)), qRgb(10, 10, 0));
    QCOMPARE(pixelInView(*window, QPoint(300, 200)), qRgb(0, 0, 0));
    const QImage viewer = control<PictureViewer>(*window, "Frame5")->grab().toImage();
    QCOMPARE(viewer.pixelColor(control<QLabel>(*window, "Label3")->geometry().topLeft() + QPoint(1, 1)),
             BarColour);
    QCOMPARE(viewer.pixelColor(control<QLabel>(*window, "Label4")->geometry().bottomRight() - QPoint(1, 1)),
             BarColour);
    QVERIFY(barHolds(control<QLabel>(*window, "Label3"), control<QScrollBar>(*window, "HScroll")));
    QVERIFY(barHolds(control<QLabel>(*window, "Label4"), control<QScrollBar>(*window, "VScroll")));
    QVERIFY(control<QLabel>(*window, "Label3")->y() >
            control<QFrame>(*window, "PicCont")->geometry().bottom());
    QVERIFY(control<QLabel>(*window, "Label4")->x() >
            control<QFrame>(*window, "PicCont")->geometry().right());
    QVERIFY(control<QScrollBar>(*window, "HScroll")->isVisible());
    QVERIFY(control<QScrollBar>(*window, "VScroll")->isVisible());

    window->showViewerPicture(testPicture(1000, 800));
    control<QScrollBar>(*window, "HScroll")->setValue(30);
    QTest::mouseClick(control<VistaButton>(*window, "ShowKnop"), Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(control<QFrame>(*window, "Frame2")->isVisible());
    QVERIFY(!control<PictureViewer>(*window, "Frame5")->isVisible());
    QCOMPARE(control<VistaButton>(*window, "ShowKnop")->caption(), QStringLiteral("Show"));
    for (VistaButton *button : editing)
        QVERIFY2(button->enabled(), qPrintable(button->objectName()));

    // The picture and its place wait for the next look.
    QTest::mouseClick(control<VistaButton>(*window, "ShowKnop"), Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(control<PictureViewer>(*window, "Frame5")->isVisible());
    QVERIFY(!control<QFrame>(*window, "Frame2")->isVisible());
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-30, 0));
    QCOMPARE(window->viewerPicture().size(), QSize(1000, 800));
}

void PictureViewerTest::leftDragPansWithinTheRanges()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const QImage picture = testPicture(1000, 800);
    window->showViewerPicture(picture);
    control<VistaButton>(*window, "ShowKnop")->setEnabled(true);
    QTest::mouseClick(control<VistaButton>(*window, "ShowKnop"), Qt::LeftButton, {}, QPoint(20, 10));
    const int rangeX = control<PictureViewer>(*window, "Frame5")->panRangeX();
    const int rangeY = control<PictureViewer>(*window, "Frame5")->panRangeY();
    QCOMPARE(rangeX, 1000 - control<QFrame>(*window, "PicCont")->width());
    QCOMPARE(rangeY, 800 - control<QFrame>(*window, "PicCont")->height());
    QVERIFY(rangeX > 0 && rangeY > 0);

    // Right and down from the start: the picture's corner stays in the container's.
    pointerDown(*window, Qt::LeftButton, QPoint(200, 150));
    pointerTo(*window, QPoint(260, 230));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(0, 0));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 0);
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->value(), 0);

    // Left and up: the grabbed point follows the pointer, the bars the picture.
    pointerTo(*window, QPoint(80, 80));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-120, -70));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 120);
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->value(), 70);
    QCOMPARE(pixelInView(*window, QPoint(0, 0)), picture.pixel(120, 70));
    pointerTo(*window, QPoint(90, 75));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-110, -75));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 110);
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->value(), 75);

    // Past the end of the picture: it stops with its far edges at the container's.
    pointerTo(*window, QPoint(-2000, -1500));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-rangeX, -rangeY));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), rangeX);
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->value(), rangeY);
    QCOMPARE(control<QLabel>(*window, "SlidePic")->geometry().bottomRight(),
             control<QFrame>(*window, "PicCont")->rect().bottomRight());

    // And back past the start in one move.
    pointerTo(*window, QPoint(3000, 3000));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(0, 0));
    pointerUp(*window, Qt::LeftButton, QPoint(3000, 3000));

    // A new grab starts from where the pointer goes down this time.
    pointerDown(*window, Qt::LeftButton, QPoint(400, 300));
    pointerTo(*window, QPoint(350, 290));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-50, -10));
    pointerUp(*window, Qt::LeftButton, QPoint(350, 290));
    pointerTo(*window, QPoint(100, 100)); // no button: nothing moves
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-50, -10));
}

void PictureViewerTest::otherButtonsDoNotPan()
{
    TestFolder folder;
    auto window = startWindow(folder);
    window->showViewerPicture(testPicture(1000, 800));
    control<VistaButton>(*window, "ShowKnop")->setEnabled(true);
    QTest::mouseClick(control<VistaButton>(*window, "ShowKnop"), Qt::LeftButton, {}, QPoint(20, 10));
    control<QScrollBar>(*window, "HScroll")->setValue(50);
    control<QScrollBar>(*window, "VScroll")->setValue(40);

    pointerDown(*window, Qt::RightButton, QPoint(300, 300));
    pointerTo(*window, QPoint(100, 100));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-50, -40));
    pointerUp(*window, Qt::RightButton, QPoint(100, 100));

    pointerDown(*window, Qt::MiddleButton, QPoint(300, 300));
    pointerTo(*window, QPoint(100, 100));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-50, -40));
    pointerUp(*window, Qt::MiddleButton, QPoint(100, 100));

    // Left and right together is not a drag either.
    pointerDown(*window, Qt::LeftButton, QPoint(300, 300));
    pointerDown(*window, Qt::RightButton, QPoint(300, 300));
    pointerTo(*window, QPoint(100, 100));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-50, -40));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 50);
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->value(), 40);
    pointerUp(*window, Qt::RightButton, QPoint(100, 100));
    pointerUp(*window, Qt::LeftButton, QPoint(100, 100));
}

void PictureViewerTest::scrollBarsMoveThePicture()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const QImage picture = testPicture(1000, 800);
    window->showViewerPicture(picture);
    control<VistaButton>(*window, "ShowKnop")->setEnabled(true);
    QTest::mouseClick(control<VistaButton>(*window, "ShowKnop"), Qt::LeftButton, {}, QPoint(20, 10));

    control<QScrollBar>(*window, "HScroll")->setValue(77);
    control<QScrollBar>(*window, "VScroll")->setValue(33);
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-77, -33));
    QCOMPARE(pixelInView(*window, QPoint(0, 0)), picture.pixel(77, 33));

    // A click on an arrow and one on the bar each move by one.
    QTest::mouseClick(control<QScrollBar>(*window, "HScroll"), Qt::LeftButton, {},
                      partOf(control<QScrollBar>(*window, "HScroll"), QStyle::SC_ScrollBarAddLine));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 78);
    QCOMPARE(control<QLabel>(*window, "SlidePic")->x(), -78);
    QTest::mouseClick(control<QScrollBar>(*window, "VScroll"), Qt::LeftButton, {},
                      partOf(control<QScrollBar>(*window, "VScroll"), QStyle::SC_ScrollBarSubLine));
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->value(), 32);
    QCOMPARE(control<QLabel>(*window, "SlidePic")->y(), -32);
    QTest::mouseClick(control<QScrollBar>(*window, "HScroll"), Qt::LeftButton, {},
                      partOf(control<QScrollBar>(*window, "HScroll"), QStyle::SC_ScrollBarAddPage));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 79);
    QCOMPARE(control<QLabel>(*window, "SlidePic")->x(), -79);

    // The picture follows the thumb while it is dragged, not only when it is let go.
    const QPoint thumb = partOf(control<QScrollBar>(*window, "VScroll"), QStyle::SC_ScrollBarSlider);
    QTest::mousePress(control<QScrollBar>(*window, "VScroll"), Qt::LeftButton, {}, thumb);
    QTest::mouseMove(control<QScrollBar>(*window, "VScroll"), thumb + QPoint(0, 60));
    const int dragged = control<QScrollBar>(*window, "VScroll")->value();
    QVERIFY2(dragged > 32, qPrintable(QString::number(dragged)));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->y(), -dragged);
    QTest::mouseRelease(control<QScrollBar>(*window, "VScroll"), Qt::LeftButton, {}, thumb + QPoint(0, 60));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(),
             QPoint(-control<QScrollBar>(*window, "HScroll")->value(),
                    -control<QScrollBar>(*window, "VScroll")->value()));
}

void PictureViewerTest::panRangesFollowPictureAndViewerSize()
{
    TestFolder folder;
    auto window = startWindow(folder);
    PictureViewer *viewer = control<PictureViewer>(*window, "Frame5");
    const QSize container = control<QFrame>(*window, "PicCont")->size();

    window->showViewerPicture(testPicture(1000, 800));
    QCOMPARE(viewer->panRangeX(), 1000 - container.width());
    QCOMPARE(viewer->panRangeY(), 800 - container.height());
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->maximum(), viewer->panRangeX());
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->maximum(), viewer->panRangeY());
    control<QScrollBar>(*window, "HScroll")->setValue(control<QScrollBar>(*window, "HScroll")->maximum());
    control<QScrollBar>(*window, "VScroll")->setValue(control<QScrollBar>(*window, "VScroll")->maximum());

    // A new picture starts at the top left with ranges of its own.
    window->showViewerPicture(testPicture(900, 700));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->geometry(), QRect(0, 0, 900, 700));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 0);
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->value(), 0);
    QCOMPARE(viewer->panRangeX(), 900 - container.width());
    QCOMPARE(viewer->panRangeY(), 700 - container.height());
    control<QScrollBar>(*window, "HScroll")->setValue(control<QScrollBar>(*window, "HScroll")->maximum());
    control<QScrollBar>(*window, "VScroll")->setValue(control<QScrollBar>(*window, "VScroll")->maximum());

    // A larger window leaves less to pan: the picture comes back inside the ranges.
    const QSize startSize = window->frameGeometry().size();
    setOuterSize(window.get(), startSize + QSize(250, 150));
    QCOMPARE(control<QFrame>(*window, "PicCont")->size(), container + QSize(250, 150));
    QCOMPARE(viewer->panRangeX(), 900 - container.width() - 250);
    QCOMPARE(viewer->panRangeY(), 700 - container.height() - 150);
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(-viewer->panRangeX(), -viewer->panRangeY()));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), viewer->panRangeX());
    QCOMPARE(control<QScrollBar>(*window, "VScroll")->value(), viewer->panRangeY());
    QCOMPARE(control<QLabel>(*window, "SlidePic")->geometry().bottomRight(),
             control<QFrame>(*window, "PicCont")->rect().bottomRight());

    // A smaller one leaves more, and the picture stays where it was.
    const QPoint before = control<QLabel>(*window, "SlidePic")->pos();
    setOuterSize(window.get(), startSize - QSize(100, 50));
    QCOMPARE(viewer->panRangeX(), 900 - container.width() + 100);
    QCOMPARE(viewer->panRangeY(), 700 - container.height() + 50);
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), before);

    // A picture smaller than the container has nothing to pan.
    window->showViewerPicture(testPicture(120, 90));
    QCOMPARE(viewer->panRangeX(), 0);
    QCOMPARE(viewer->panRangeY(), 0);
    control<VistaButton>(*window, "ShowKnop")->setEnabled(true);
    QTest::mouseClick(control<VistaButton>(*window, "ShowKnop"), Qt::LeftButton, {}, QPoint(20, 10));
    pointerDown(*window, Qt::LeftButton, QPoint(60, 45));
    pointerTo(*window, QPoint(10, 5));
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(), QPoint(0, 0));
    pointerUp(*window, Qt::LeftButton, QPoint(10, 5));

    // Emptied, the viewer holds no picture and the box takes its empty size again.
    window->showViewerPicture(testPicture(1000, 800));
    control<QScrollBar>(*window, "HScroll")->setValue(40);
    window->clearViewerPicture();
    QVERIFY(window->viewerPicture().isNull());
    QVERIFY(control<QLabel>(*window, "SlidePic")->pixmap().isNull());
    QCOMPARE(control<QLabel>(*window, "SlidePic")->geometry(), Twips::rect(0, 0, 1230, 690));
    QCOMPARE(viewer->panRangeX(), 0);
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 0);
    // A picture that could not be read empties it too.
    window->showViewerPicture(testPicture(1000, 800));
    window->showViewerPicture(QImage());
    QVERIFY(window->viewerPicture().isNull());
    QCOMPARE(control<QLabel>(*window, "SlidePic")->geometry(), Twips::rect(0, 0, 1230, 690));
}

void PictureViewerTest::picturesOfAnySizeCanBeSeenWhole()
{
    TestFolder folder;
    auto window = startWindow(folder);
    // Wider and higher than 32767 twips.
    const QImage picture = testPicture(3000, 2400);
    window->showViewerPicture(picture);
    control<VistaButton>(*window, "ShowKnop")->setEnabled(true);
    QTest::mouseClick(control<VistaButton>(*window, "ShowKnop"), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(window->viewerPicture(), picture);
    QCOMPARE(control<QLabel>(*window, "SlidePic")->size(), QSize(3000, 2400));

    pointerDown(*window, Qt::LeftButton, QPoint(100, 100));
    pointerTo(*window, QPoint(-5000, -5000));
    pointerUp(*window, Qt::LeftButton, QPoint(-5000, -5000));
    const QSize container = control<QFrame>(*window, "PicCont")->size();
    QCOMPARE(control<QLabel>(*window, "SlidePic")->pos(),
             QPoint(container.width() - 3000, container.height() - 2400));
    QCOMPARE(control<QScrollBar>(*window, "HScroll")->value(), 3000 - container.width());
    QCOMPARE(pixelInView(*window, QPoint(container.width() - 1, container.height() - 1)),
             picture.pixel(2999, 2399));
}

void PictureViewerTest::pointerOverPictureIsTheRedArrow()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const QCursor cursor = control<QLabel>(*window, "SlidePic")->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(10, 10));
    QCOMPARE(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             PanCursorImage::render().convertToFormat(QImage::Format_ARGB32));
    // Only the picture has it; the container keeps the ordinary pointer.
    QCOMPARE(control<QFrame>(*window, "PicCont")->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(PictureViewerTest)
#include "tst_pictureviewer.moc"
