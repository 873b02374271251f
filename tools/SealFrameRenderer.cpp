#include "SealFrameRenderer.h"

#include "Perforation.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

// A photo is printed 1890 x 1290 twips; its top-left corners, measured from the
// frame picture's own top-left corner, are these.
constexpr QSize PhotoTwips(1890, 1290);
constexpr std::array<int, 2> PhotoLeftTwips = {1530, 3840};
constexpr std::array<int, 5> PhotoTopTwips = {900, 2610, 4320, 6030, 7740};

constexpr int SealMargin = 26; // paper around an opening, in pixels
const QColor SealPaper(255, 253, 246);
const QColor Ornament(46, 86, 70);
const QColor Accent(150, 38, 44);

QLinearGradient sheetGradient()
{
    QLinearGradient gradient(0, 0, 0, SealFrameRenderer::PictureSize.height());
    gradient.setColorAt(0, QColor(248, 243, 226));
    gradient.setColorAt(1, QColor(232, 222, 194));
    return gradient;
}

void drawDiamond(QPainter &p, QPointF centre, qreal radius)
{
    QPolygonF diamond;
    diamond << centre + QPointF(0, -radius) << centre + QPointF(radius, 0) << centre + QPointF(0, radius)
            << centre + QPointF(-radius, 0);
    p.drawPolygon(diamond);
}

// Double rule around the sheet with a diamond in each corner.
void drawBorder(QPainter &p, const QRectF &sheet)
{
    const QRectF outer = sheet.adjusted(34, 34, -34, -34);
    const QRectF inner = outer.adjusted(14, 14, -14, -14);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ornament, 7));
    p.drawRect(outer);
    p.setPen(QPen(Ornament, 2));
    p.drawRect(inner);
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    for (const QPointF &corner : {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()})
        drawDiamond(p, corner, 20);
    p.setBrush(Ornament);
    for (const QPointF &corner : {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()})
        drawDiamond(p, corner, 9);
}

// A light pattern of small dots over the sheet, like a printed security ground.
void drawGround(QPainter &p, const QRectF &area)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 198, 166));
    for (qreal y = area.top(); y < area.bottom(); y += 18) {
        const qreal shift = static_cast<int>((y - area.top()) / 18) % 2 == 0 ? 0 : 9;
        for (qreal x = area.left() + shift; x < area.right(); x += 18)
            p.drawEllipse(QPointF(x, y), 1.6, 1.6);
    }
}

// A stylised tulip, the decoration of the margins between the seals' columns.
void drawTulip(QPainter &p, QPointF base, qreal size)
{
    p.setPen(QPen(Ornament, size * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, base + QPointF(0, -size * 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    QPainterPath cup;
    const QPointF top = base + QPointF(0, -size * 0.6);
    cup.moveTo(top + QPointF(-size * 0.25, -size * 0.35));
    cup.lineTo(top + QPointF(-size * 0.12, -size * 0.2));
    cup.lineTo(top + QPointF(0, -size * 0.4));
    cup.lineTo(top + QPointF(size * 0.12, -size * 0.2));
    cup.lineTo(top + QPointF(size * 0.25, -size * 0.35));
    cup.quadTo(top + QPointF(size * 0.28, size * 0.05), top);
    cup.quadTo(top + QPointF(-size * 0.28, size * 0.05), top + QPointF(-size * 0.25, -size * 0.35));
    p.drawPath(cup);
    p.setBrush(Ornament);
    QPainterPath leaf;
    leaf.moveTo(base);
    leaf.quadTo(base + QPointF(-size * 0.35, -size * 0.1), base + QPointF(-size * 0.3, -size * 0.4));
    leaf.quadTo(base + QPointF(-size * 0.1, -size * 0.2), base);
    p.drawPath(leaf);
}

void drawSeal(QPainter &p, const QRect &opening, const QBrush &sheet)
{
    const QRectF paper = QRectF(opening).adjusted(-SealMargin, -SealMargin, SealMargin, SealMargin);
    const QRectF shadow = paper.translated(3, 4);
    p.fillRect(shadow, QColor(168, 156, 126));
    Perforation::punch(p, shadow, 16, 5.5, sheet);
    p.fillRect(paper, SealPaper);
    Perforation::punch(p, paper, 16, 5.5, sheet);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Accent, 3));
    p.drawRect(QRectF(opening).adjusted(-12, -12, 12, 12));
    p.setPen(QPen(Ornament, 1.5));
    p.drawRect(QRectF(opening).adjusted(-6, -6, 6, 6));
    // The opening itself: a pale field that the photo covers.
    p.setPen(Qt::NoPen);
    p.fillRect(opening, QColor(214, 214, 210));
}

} // namespace

std::array<QRect, 10> SealFrameRenderer::openings()
{
    std::array<QRect, 10> rects;
    size_t i = 0;
    for (const int top : PhotoTopTwips) {
        for (const int left : PhotoLeftTwips) {
            rects[i++] = QRect(left / TwipsPerPixel, top / TwipsPerPixel, PhotoTwips.width() / TwipsPerPixel,
                               PhotoTwips.height() / TwipsPerPixel);
        }
    }
    return rects;
}

QImage SealFrameRenderer::render()
{
    QImage image(PictureSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(QPointF(0, 0), QSizeF(PictureSize));
    const QBrush ground(sheetGradient());
    p.fillRect(sheet, ground);
    drawGround(p, sheet.adjusted(60, 60, -60, -60));
    drawBorder(p, sheet);

    const auto rects = openings();
    // Tulips in the margins beside each row of seals.
    const qreal leftMargin = (60 + rects[0].left() - SealMargin) / 2.0;
    const qreal rightMargin = (rects[1].right() + SealMargin + sheet.width() - 60) / 2.0;
    for (size_t row = 0; row < rects.size(); row += 2) {
        const qreal base = rects[row].center().y() + 40;
        drawTulip(p, QPointF(leftMargin, base), 110);
        drawTulip(p, QPointF(rightMargin, base), 90);
    }
    for (const QRect &opening : rects)
        drawSeal(p, opening, ground);
    return image;
}
