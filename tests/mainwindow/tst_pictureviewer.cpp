#include "WindowHelpers.h"
#include "common/TestFolder.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "mainwindow/PictureViewer.h"
#include "resources/PanCursorImage.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

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
    return window.PicCont->grab().toImage().pixel(inContainer);
}

// Mouse events go to the picture box, whose own coordinates move with it; the
// pointer is given in the container's coordinates, where a hand moves it.
void pointerDown(const Main &window, Qt::MouseButton button, QPoint inContainer)
{
    QTest::mousePress(window.SlidePic, button, {}, inContainer - window.SlidePic->pos());
}

void pointerTo(const Main &window, QPoint inContainer)
{
    QTest::mouseMove(window.SlidePic, inContainer - window.SlidePic->pos());
}

void pointerUp(const Main &window, Qt::MouseButton button, QPoint inContainer)
{
    QTest::mouseRelease(window.SlidePic, button, {}, inContainer - window.SlidePic->pos());
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

    QCOMPARE(window->findChild<VistaButton *>(QStringLiteral("ShowKnop")), window->ShowKnop);
    QCOMPARE(window->ShowKnop->parentWidget(), window->Frame3);
    QCOMPARE(window->ShowKnop->geometry(), Twips::rect(2490, 225, 840, 330));
    QCOMPARE(window->ShowKnop->caption(), QStringLiteral("Show"));
    QVERIFY(!window->ShowKnop->enabled());
    QCOMPARE(window->Label5->text(), QStringLiteral("Afbeelding"));
    QCOMPARE(window->Label5->parentWidget(), window->Frame3);

    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Frame2"))->isVisible());
    QVERIFY(!window->Frame5->isVisible());
    QCOMPARE(window->Frame5->geometry().topLeft(), window->Frame2->geometry().topLeft());
    QCOMPARE(window->Frame5->size(), window->Frame2->size());

    // An empty picture box at the top left, nothing to pan.
    QVERIFY(window->viewerPicture().isNull());
    QVERIFY(window->SlidePic->pixmap().isNull());
    QCOMPARE(window->SlidePic->geometry(), Twips::rect(0, 0, 1230, 690));
    for (QScrollBar *bar : {window->HScroll, window->VScroll}) {
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
    const QList<VistaButton *> editing{window->AddKnop, window->WijzigKnop, window->DelKnop};
    window->showViewerPicture(testPicture(200, 100));
    window->ShowKnop->setEnabled(true); // as selecting a record with a picture does

    QTest::mouseClick(window->ShowKnop, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(!window->Frame2->isVisible());
    QVERIFY(window->Frame5->isVisible());
    QCOMPARE(window->ShowKnop->caption(), QStringLiteral("Exit"));
    for (VistaButton *button : editing)
        QVERIFY2(!button->enabled(), qPrintable(button->objectName()));

    // The viewer as shown: the picture on black, the scroll bars on their grey bars
    // below and beside the container.
    QCOMPARE(pixelInView(*window, QPoint(10, 10)), qRgb(10, 10, 0));
    QCOMPARE(pixelInView(*window, QPoint(300, 200)), qRgb(0, 0, 0));
    const QImage viewer = window->Frame5->grab().toImage();
    QCOMPARE(viewer.pixelColor(window->Label3->geometry().topLeft() + QPoint(1, 1)), BarColour);
    QCOMPARE(viewer.pixelColor(window->Label4->geometry().bottomRight() - QPoint(1, 1)), BarColour);
    QVERIFY(barHolds(window->Label3, window->HScroll));
    QVERIFY(barHolds(window->Label4, window->VScroll));
    QVERIFY(window->Label3->y() > window->PicCont->geometry().bottom());
    QVERIFY(window->Label4->x() > window->PicCont->geometry().right());
    QVERIFY(window->HScroll->isVisible());
    QVERIFY(window->VScroll->isVisible());

    window->showViewerPicture(testPicture(1000, 800));
    window->HScroll->setValue(30);
    QTest::mouseClick(window->ShowKnop, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(window->Frame2->isVisible());
    QVERIFY(!window->Frame5->isVisible());
    QCOMPARE(window->ShowKnop->caption(), QStringLiteral("Show"));
    for (VistaButton *button : editing)
        QVERIFY2(button->enabled(), qPrintable(button->objectName()));

    // The picture and its place wait for the next look.
    QTest::mouseClick(window->ShowKnop, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(window->Frame5->isVisible());
    QVERIFY(!window->Frame2->isVisible());
    QCOMPARE(window->SlidePic->pos(), QPoint(-30, 0));
    QCOMPARE(window->viewerPicture().size(), QSize(1000, 800));
}

void PictureViewerTest::leftDragPansWithinTheRanges()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const QImage picture = testPicture(1000, 800);
    window->showViewerPicture(picture);
    window->ShowKnop->setEnabled(true);
    QTest::mouseClick(window->ShowKnop, Qt::LeftButton, {}, QPoint(20, 10));
    const int rangeX = window->Frame5->panRangeX();
    const int rangeY = window->Frame5->panRangeY();
    QCOMPARE(rangeX, 1000 - window->PicCont->width());
    QCOMPARE(rangeY, 800 - window->PicCont->height());
    QVERIFY(rangeX > 0 && rangeY > 0);

    // Right and down from the start: the picture's corner stays in the container's.
    pointerDown(*window, Qt::LeftButton, QPoint(200, 150));
    pointerTo(*window, QPoint(260, 230));
    QCOMPARE(window->SlidePic->pos(), QPoint(0, 0));
    QCOMPARE(window->HScroll->value(), 0);
    QCOMPARE(window->VScroll->value(), 0);

    // Left and up: the grabbed point follows the pointer, the bars the picture.
    pointerTo(*window, QPoint(80, 80));
    QCOMPARE(window->SlidePic->pos(), QPoint(-120, -70));
    QCOMPARE(window->HScroll->value(), 120);
    QCOMPARE(window->VScroll->value(), 70);
    QCOMPARE(pixelInView(*window, QPoint(0, 0)), picture.pixel(120, 70));
    pointerTo(*window, QPoint(90, 75));
    QCOMPARE(window->SlidePic->pos(), QPoint(-110, -75));
    QCOMPARE(window->HScroll->value(), 110);
    QCOMPARE(window->VScroll->value(), 75);

    // Past the end of the picture: it stops with its far edges at the container's.
    pointerTo(*window, QPoint(-2000, -1500));
    QCOMPARE(window->SlidePic->pos(), QPoint(-rangeX, -rangeY));
    QCOMPARE(window->HScroll->value(), rangeX);
    QCOMPARE(window->VScroll->value(), rangeY);
    QCOMPARE(window->SlidePic->geometry().bottomRight(), window->PicCont->rect().bottomRight());

    // And back past the start in one move.
    pointerTo(*window, QPoint(3000, 3000));
    QCOMPARE(window->SlidePic->pos(), QPoint(0, 0));
    pointerUp(*window, Qt::LeftButton, QPoint(3000, 3000));

    // A new grab starts from where the pointer goes down this time.
    pointerDown(*window, Qt::LeftButton, QPoint(400, 300));
    pointerTo(*window, QPoint(350, 290));
    QCOMPARE(window->SlidePic->pos(), QPoint(-50, -10));
    pointerUp(*window, Qt::LeftButton, QPoint(350, 290));
    pointerTo(*window, QPoint(100, 100)); // no button: nothing moves
    QCOMPARE(window->SlidePic->pos(), QPoint(-50, -10));
}

void PictureViewerTest::otherButtonsDoNotPan()
{
    TestFolder folder;
    auto window = startWindow(folder);
    window->showViewerPicture(testPicture(1000, 800));
    window->ShowKnop->setEnabled(true);
    QTest::mouseClick(window->ShowKnop, Qt::LeftButton, {}, QPoint(20, 10));
    window->HScroll->setValue(50);
    window->VScroll->setValue(40);

    pointerDown(*window, Qt::RightButton, QPoint(300, 300));
    pointerTo(*window, QPoint(100, 100));
    QCOMPARE(window->SlidePic->pos(), QPoint(-50, -40));
    pointerUp(*window, Qt::RightButton, QPoint(100, 100));

    pointerDown(*window, Qt::MiddleButton, QPoint(300, 300));
    pointerTo(*window, QPoint(100, 100));
    QCOMPARE(window->SlidePic->pos(), QPoint(-50, -40));
    pointerUp(*window, Qt::MiddleButton, QPoint(100, 100));

    // Left and right together is not a drag either.
    pointerDown(*window, Qt::LeftButton, QPoint(300, 300));
    pointerDown(*window, Qt::RightButton, QPoint(300, 300));
    pointerTo(*window, QPoint(100, 100));
    QCOMPARE(window->SlidePic->pos(), QPoint(-50, -40));
    QCOMPARE(window->HScroll->value(), 50);
    QCOMPARE(window->VScroll->value(), 40);
    pointerUp(*window, Qt::RightButton, QPoint(100, 100));
    pointerUp(*window, Qt::LeftButton, QPoint(100, 100));
}

void PictureViewerTest::scrollBarsMoveThePicture()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const QImage picture = testPicture(1000, 800);
    window->showViewerPicture(picture);
    window->ShowKnop->setEnabled(true);
    QTest::mouseClick(window->ShowKnop, Qt::LeftButton, {}, QPoint(20, 10));

    window->HScroll->setValue(77);
    window->VScroll->setValue(33);
    QCOMPARE(window->SlidePic->pos(), QPoint(-77, -33));
    QCOMPARE(pixelInView(*window, QPoint(0, 0)), picture.pixel(77, 33));

    // A click on an arrow and one on the bar each move by one.
    QTest::mouseClick(window->HScroll, Qt::LeftButton, {},
                      partOf(window->HScroll, QStyle::SC_ScrollBarAddLine));
    QCOMPARE(window->HScroll->value(), 78);
    QCOMPARE(window->SlidePic->x(), -78);
    QTest::mouseClick(window->VScroll, Qt::LeftButton, {},
                      partOf(window->VScroll, QStyle::SC_ScrollBarSubLine));
    QCOMPARE(window->VScroll->value(), 32);
    QCOMPARE(window->SlidePic->y(), -32);
    QTest::mouseClick(window->HScroll, Qt::LeftButton, {},
                      partOf(window->HScroll, QStyle::SC_ScrollBarAddPage));
    QCOMPARE(window->HScroll->value(), 79);
    QCOMPARE(window->SlidePic->x(), -79);

    // The picture follows the thumb while it is dragged, not only when it is let go.
    const QPoint thumb = partOf(window->VScroll, QStyle::SC_ScrollBarSlider);
    QTest::mousePress(window->VScroll, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(window->VScroll, thumb + QPoint(0, 60));
    const int dragged = window->VScroll->value();
    QVERIFY2(dragged > 32, qPrintable(QString::number(dragged)));
    QCOMPARE(window->SlidePic->y(), -dragged);
    QTest::mouseRelease(window->VScroll, Qt::LeftButton, {}, thumb + QPoint(0, 60));
    QCOMPARE(window->SlidePic->pos(), QPoint(-window->HScroll->value(), -window->VScroll->value()));
}

void PictureViewerTest::panRangesFollowPictureAndViewerSize()
{
    TestFolder folder;
    auto window = startWindow(folder);
    PictureViewer *viewer = window->Frame5;
    const QSize container = window->PicCont->size();

    window->showViewerPicture(testPicture(1000, 800));
    QCOMPARE(viewer->panRangeX(), 1000 - container.width());
    QCOMPARE(viewer->panRangeY(), 800 - container.height());
    QCOMPARE(window->HScroll->maximum(), viewer->panRangeX());
    QCOMPARE(window->VScroll->maximum(), viewer->panRangeY());
    window->HScroll->setValue(window->HScroll->maximum());
    window->VScroll->setValue(window->VScroll->maximum());

    // A new picture starts at the top left with ranges of its own.
    window->showViewerPicture(testPicture(900, 700));
    QCOMPARE(window->SlidePic->geometry(), QRect(0, 0, 900, 700));
    QCOMPARE(window->HScroll->value(), 0);
    QCOMPARE(window->VScroll->value(), 0);
    QCOMPARE(viewer->panRangeX(), 900 - container.width());
    QCOMPARE(viewer->panRangeY(), 700 - container.height());
    window->HScroll->setValue(window->HScroll->maximum());
    window->VScroll->setValue(window->VScroll->maximum());

    // A larger window leaves less to pan: the picture comes back inside the ranges.
    const QSize startSize = window->frameGeometry().size();
    setOuterSize(window.get(), startSize + QSize(250, 150));
    QCOMPARE(window->PicCont->size(), container + QSize(250, 150));
    QCOMPARE(viewer->panRangeX(), 900 - container.width() - 250);
    QCOMPARE(viewer->panRangeY(), 700 - container.height() - 150);
    QCOMPARE(window->SlidePic->pos(), QPoint(-viewer->panRangeX(), -viewer->panRangeY()));
    QCOMPARE(window->HScroll->value(), viewer->panRangeX());
    QCOMPARE(window->VScroll->value(), viewer->panRangeY());
    QCOMPARE(window->SlidePic->geometry().bottomRight(), window->PicCont->rect().bottomRight());

    // A smaller one leaves more, and the picture stays where it was.
    const QPoint before = window->SlidePic->pos();
    setOuterSize(window.get(), startSize - QSize(100, 50));
    QCOMPARE(viewer->panRangeX(), 900 - container.width() + 100);
    QCOMPARE(viewer->panRangeY(), 700 - container.height() + 50);
    QCOMPARE(window->SlidePic->pos(), before);

    // A picture smaller than the container has nothing to pan.
    window->showViewerPicture(testPicture(120, 90));
    QCOMPARE(viewer->panRangeX(), 0);
    QCOMPARE(viewer->panRangeY(), 0);
    window->ShowKnop->setEnabled(true);
    QTest::mouseClick(window->ShowKnop, Qt::LeftButton, {}, QPoint(20, 10));
    pointerDown(*window, Qt::LeftButton, QPoint(60, 45));
    pointerTo(*window, QPoint(10, 5));
    QCOMPARE(window->SlidePic->pos(), QPoint(0, 0));
    pointerUp(*window, Qt::LeftButton, QPoint(10, 5));

    // Emptied, the viewer holds no picture and the box takes its empty size again.
    window->showViewerPicture(testPicture(1000, 800));
    window->HScroll->setValue(40);
    window->clearViewerPicture();
    QVERIFY(window->viewerPicture().isNull());
    QVERIFY(window->SlidePic->pixmap().isNull());
    QCOMPARE(window->SlidePic->geometry(), Twips::rect(0, 0, 1230, 690));
    QCOMPARE(viewer->panRangeX(), 0);
    QCOMPARE(window->HScroll->value(), 0);
    // A picture that could not be read empties it too.
    window->showViewerPicture(testPicture(1000, 800));
    window->showViewerPicture(QImage());
    QVERIFY(window->viewerPicture().isNull());
    QCOMPARE(window->SlidePic->geometry(), Twips::rect(0, 0, 1230, 690));
}

void PictureViewerTest::picturesOfAnySizeCanBeSeenWhole()
{
    TestFolder folder;
    auto window = startWindow(folder);
    // Wider and higher than 32767 twips.
    const QImage picture = testPicture(3000, 2400);
    window->showViewerPicture(picture);
    window->ShowKnop->setEnabled(true);
    QTest::mouseClick(window->ShowKnop, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(window->viewerPicture(), picture);
    QCOMPARE(window->SlidePic->size(), QSize(3000, 2400));

    pointerDown(*window, Qt::LeftButton, QPoint(100, 100));
    pointerTo(*window, QPoint(-5000, -5000));
    pointerUp(*window, Qt::LeftButton, QPoint(-5000, -5000));
    const QSize container = window->PicCont->size();
    QCOMPARE(window->SlidePic->pos(), QPoint(container.width() - 3000, container.height() - 2400));
    QCOMPARE(window->HScroll->value(), 3000 - container.width());
    QCOMPARE(pixelInView(*window, QPoint(container.width() - 1, container.height() - 1)),
             picture.pixel(2999, 2399));
}

void PictureViewerTest::pointerOverPictureIsTheRedArrow()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const QCursor cursor = window->SlidePic->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(10, 10));
    QCOMPARE(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             PanCursorImage::render().convertToFormat(QImage::Format_ARGB32));
    // Only the picture has it; the container keeps the ordinary pointer.
    QCOMPARE(window->PicCont->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(PictureViewerTest)
#include "tst_pictureviewer.moc"
