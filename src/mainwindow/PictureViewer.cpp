#include "mainwindow/PictureViewer.h"

#include "resources/PanCursorImage.h"
#include "widgets/MainLook.h"
#include "widgets/ResizeRule.h"
#include "widgets/Twips.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr QColor BarColour{64, 64, 64};
// The picture box's size while it holds no picture.
constexpr int EmptyWidth = 1230;
constexpr int EmptyHeight = 690;

QScrollBar *newScrollBar(Qt::Orientation orientation, const char *name, QWidget *parent)
{
    auto *bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(0, 0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

} // namespace

PictureViewer::PictureViewer(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame5"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAutoFillBackground(true);

    PicCont = new QFrame(this);
    PicCont->setObjectName(QStringLiteral("PicCont"));
    PicCont->setAutoFillBackground(true);
    MainLook::setBackground(PicCont, QPalette::Window, Qt::black);
    PicCont->move(Twips::toPixels(135), Twips::toPixels(225));

    SlidePic = new QLabel(PicCont);
    SlidePic->setObjectName(QStringLiteral("SlidePic"));
    SlidePic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SlidePic->setCursor(QCursor(QPixmap::fromImage(PanCursorImage::render(devicePixelRatioF())),
                                PanCursorImage::HotSpot.x(), PanCursorImage::HotSpot.y()));
    SlidePic->installEventFilter(this);
    SlidePic->setGeometry(Twips::rect(0, 0, EmptyWidth, EmptyHeight));

    Label3 = MainLook::newFilledLabel(this, "Label3", BarColour);
    Label3->setGeometry(Twips::rect(120, 0, 0, 330));
    HScroll = newScrollBar(Qt::Horizontal, "HScroll", this);
    HScroll->setGeometry(Twips::rect(150, 0, 0, 270));

    Label4 = MainLook::newFilledLabel(this, "Label4", BarColour);
    Label4->setGeometry(Twips::rect(0, 225, 330, 0));
    VScroll = newScrollBar(Qt::Vertical, "VScroll", this);
    VScroll->setGeometry(Twips::rect(0, 255, 270, 0));

    // A click on a bar or an arrow, a thumb being dragged, or a value set by a
    // drag of the picture: the picture goes where the bars say.
    connect(HScroll, &QScrollBar::valueChanged, this,
            [this](int value) { SlidePic->move(-value, SlidePic->y()); });
    connect(VScroll, &QScrollBar::valueChanged, this,
            [this](int value) { SlidePic->move(SlidePic->x(), -value); });
}

void PictureViewer::showPicture(const QImage &picture)
{
    if (picture.isNull()) {
        clearPicture();
        return;
    }
    m_picture = picture;
    SlidePic->setPixmap(QPixmap::fromImage(picture));
    SlidePic->resize(picture.size());
    placeAtTopLeft();
}

void PictureViewer::clearPicture()
{
    m_picture = QImage();
    SlidePic->clear();
    SlidePic->resize(Twips::toPixels(EmptyWidth), Twips::toPixels(EmptyHeight));
    placeAtTopLeft();
}

void PictureViewer::namePicture(const QString &name)
{
    SlidePic->setAccessibleName(name);
}

void PictureViewer::placeAtTopLeft()
{
    HScroll->setValue(0);
    VScroll->setValue(0);
    SlidePic->move(0, 0);
    fitPanRanges();
}

void PictureViewer::fitTo(int width, int height)
{
    using namespace ResizeRule;
    setWidth(this, width);
    setHeight(this, height);
    // As the window's rules had it: the container 660 and 750 twips smaller than
    // the viewer, the bars along its right and bottom edges.
    setWidth(PicCont, width - 660);
    setHeight(PicCont, height - 750);
    setLeft(Label4, widthOf(this) - 450);
    setHeight(Label4, heightOf(this) - 345);
    setLeft(VScroll, Twips::fromPixels(Label4->x()) + 30);
    setHeight(VScroll, heightOf(Label4) - 60);
    setTop(Label3, heightOf(this) - 450);
    setWidth(Label3, widthOf(this) - 645);
    setTop(HScroll, Twips::fromPixels(Label3->y()) + 30);
    setWidth(HScroll, widthOf(Label3) - 60);
    fitPanRanges();
}

void PictureViewer::fitPanRanges()
{
    // Shrinking a maximum lowers a value beyond it, which moves the picture.
    HScroll->setMaximum(std::max(0, SlidePic->width() - PicCont->width()));
    VScroll->setMaximum(std::max(0, SlidePic->height() - PicCont->height()));
}

int PictureViewer::panRangeX() const
{
    return HScroll->maximum();
}

int PictureViewer::panRangeY() const
{
    return VScroll->maximum();
}

bool PictureViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != SlidePic)
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        SlidePic_MouseDown(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        SlidePic_MouseMove(move->buttons(), move->position().toPoint());
        return true;
    }
    default:
        return QFrame::eventFilter(watched, event);
    }
}

void PictureViewer::SlidePic_MouseDown(QPoint position)
{
    m_dragOrigin = position;
}

void PictureViewer::SlidePic_MouseMove(Qt::MouseButtons buttons, QPoint position)
{
    if (buttons != Qt::LeftButton)
        return;
    // The position is measured inside the picture, which moves with the pointer:
    // the grabbed point stays under it.
    const QPoint moved = position - m_dragOrigin + SlidePic->pos();
    const int left = std::max(-panRangeX(), std::min(moved.x(), 0));
    const int top = std::max(-panRangeY(), std::min(moved.y(), 0));
    SlidePic->move(left, top);
    HScroll->setValue(-left);
    VScroll->setValue(-top);
}
