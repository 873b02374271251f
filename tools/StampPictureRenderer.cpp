#include "StampPictureRenderer.h"

#include "Perforation.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

const QColor StockBook(28, 30, 34);
const QColor ClassicPaper(246, 239, 221);
const QColor ModernPaper(252, 252, 248);
constexpr int FirstModernYear = 1940;

enum class Motif { Portrait, Bird, Ship, Windmill, Butterfly, Shield, Child, Star, Numeral, Tulip };

// The motif that fits the record's depiction, subject and kind best.
Motif motifFor(const StampRecord &record)
{
    const QString text = (record[StampRecord::Depiction] + u' ' + record[StampRecord::Subject] + u' ' +
                          record[StampRecord::Kind])
                             .toLower();
    const auto mentions = [&text](std::initializer_list<const char *> words) {
        for (const char *word : words) {
            if (text.contains(QLatin1String(word)))
                return true;
        }
        return false;
    };
    if (mentions({"vlinder"}))
        return Motif::Butterfly;
    if (mentions({"molen"}))
        return Motif::Windmill;
    if (mentions({"schip", "zeil", "roei"}))
        return Motif::Ship;
    if (mentions({"vogel", "duif"}))
        return Motif::Bird;
    if (mentions({"portret", "koning"}))
        return Motif::Portrait;
    if (mentions({"wapen", "leeuw", "kruis"}))
        return Motif::Shield;
    if (mentions({"kind"}))
        return Motif::Child;
    if (mentions({"kerst", "ster"}))
        return Motif::Star;
    if (mentions({"cijfer"}))
        return Motif::Numeral;
    return Motif::Tulip;
}

QColor inkFor(const StampRecord &record)
{
    static const QHash<QString, QColor> byCategory = {
        {QStringLiteral("Frankeerzegels"), QColor(38, 68, 150)},
        {QStringLiteral("Weldadigheidszegels"), QColor(168, 40, 44)},
        {QStringLiteral("Kinderzegels"), QColor(214, 112, 28)},
        {QStringLiteral("Zomerzegels"), QColor(36, 124, 68)},
        {QStringLiteral("Jubileumzegels"), QColor(116, 58, 138)},
        {QStringLiteral("Herdenkingszegels"), QColor(128, 30, 62)},
        {QStringLiteral("Decemberzegels"), QColor(22, 98, 70)},
        {QStringLiteral("Europazegels"), QColor(28, 58, 128)},
        {QStringLiteral("Luchtpostzegels"), QColor(52, 112, 184)},
        {QStringLiteral("Portzegels"), QColor(28, 108, 118)},
        {QStringLiteral("Roltandingzegels"), QColor(96, 104, 40)},
        {QStringLiteral("Persoonlijke zegels"), QColor(196, 58, 118)},
    };
    // The catalogue number shifts the shade, so that a series does not look alike.
    const int shade = 90 + static_cast<int>(qHash(record[StampRecord::CatalogueNumber]) % 30);
    const QColor ink = byCategory.value(record[StampRecord::Category], QColor(88, 88, 96));
    return ink.lighter(shade);
}

// A bold font whose pixel size is reduced until the text fits the width.
QFont fittedFont(const QString &text, int pixelSize, qreal maxWidth)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    while (pixelSize > 10 && QFontMetricsF(font).horizontalAdvance(text) > maxWidth) {
        --pixelSize;
        font.setPixelSize(pixelSize);
    }
    return font;
}

void drawPortrait(QPainter &p, const QRectF &r)
{
    // A head in profile facing left, on neck and shoulders.
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center() + QPointF(0, -u);
    p.drawEllipse(c, 2.4 * u, 2.9 * u);
    QPolygonF nose;
    nose << c + QPointF(-2.2 * u, -0.6 * u) << c + QPointF(-3.0 * u, 0.5 * u)
         << c + QPointF(-2.1 * u, 0.7 * u);
    p.drawPolygon(nose);
    p.drawRect(QRectF(c + QPointF(-0.9 * u, 2.0 * u), QSizeF(2.2 * u, 2.4 * u)));
    QPainterPath shoulders;
    shoulders.moveTo(c + QPointF(-4.2 * u, 5.2 * u));
    shoulders.quadTo(c + QPointF(0.2 * u, 2.4 * u), c + QPointF(4.6 * u, 5.2 * u));
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

void drawBird(QPainter &p, const QRectF &r)
{
    // A dove in flight.
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center();
    p.drawEllipse(c, 2.8 * u, 1.1 * u);
    p.drawEllipse(c + QPointF(-3.0 * u, -0.6 * u), 0.9 * u, 0.9 * u);
    QPolygonF beak;
    beak << c + QPointF(-3.8 * u, -0.8 * u) << c + QPointF(-4.6 * u, -0.4 * u)
         << c + QPointF(-3.8 * u, -0.2 * u);
    p.drawPolygon(beak);
    QPainterPath wing;
    wing.moveTo(c + QPointF(-1.0 * u, -0.6 * u));
    wing.quadTo(c + QPointF(0.5 * u, -4.5 * u), c + QPointF(3.8 * u, -4.2 * u));
    wing.quadTo(c + QPointF(2.0 * u, -2.0 * u), c + QPointF(1.6 * u, -0.4 * u));
    wing.closeSubpath();
    p.drawPath(wing);
    QPolygonF tail;
    tail << c + QPointF(2.4 * u, -0.3 * u) << c + QPointF(4.6 * u, -1.2 * u) << c + QPointF(4.4 * u, 1.0 * u)
         << c + QPointF(2.4 * u, 0.5 * u);
    p.drawPolygon(tail);
}

void drawShip(QPainter &p, const QRectF &r)
{
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center() + QPointF(0, 0.5 * u);
    QPolygonF hull;
    hull << c + QPointF(-4.5 * u, 1.6 * u) << c + QPointF(4.8 * u, 1.6 * u) << c + QPointF(3.6 * u, 3.0 * u)
         << c + QPointF(-3.4 * u, 3.0 * u);
    p.drawPolygon(hull);
    for (const qreal x : {-1.6, 1.4}) {
        QPolygonF sail;
        sail << c + QPointF((x - 0.1) * u, -3.6 * u) << c + QPointF((x - 0.1) * u, 1.2 * u)
             << c + QPointF((x - 2.3) * u, 1.2 * u);
        p.drawPolygon(sail);
        QPolygonF jib;
        jib << c + QPointF((x + 0.1) * u, -2.8 * u) << c + QPointF((x + 0.1) * u, 1.2 * u)
            << c + QPointF((x + 1.5) * u, 1.2 * u);
        p.drawPolygon(jib);
    }
    QPainterPath waves;
    waves.moveTo(c + QPointF(-5.0 * u, 3.8 * u));
    for (int i = 0; i < 5; ++i)
        waves.quadTo(c + QPointF((-4.0 + 2.0 * i) * u, 3.2 * u), c + QPointF((-3.0 + 2.0 * i) * u, 3.8 * u));
    p.save();
    p.setPen(QPen(p.brush().color(), 0.35 * u));
    p.setBrush(Qt::NoBrush);
    p.drawPath(waves);
    p.restore();
}

void drawWindmill(QPainter &p, const QRectF &r)
{
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF hub = r.center() + QPointF(0, -1.2 * u);
    QPolygonF tower;
    tower << hub + QPointF(-1.0 * u, 0) << hub + QPointF(1.0 * u, 0) << hub + QPointF(1.8 * u, 5.6 * u)
          << hub + QPointF(-1.8 * u, 5.6 * u);
    p.drawPolygon(tower);
    p.drawEllipse(hub + QPointF(0, -0.2 * u), 1.2 * u, 0.9 * u);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(hub);
        p.rotate(20 + 90 * i);
        p.drawRect(QRectF(0.3 * u, -0.55 * u, 4.2 * u, 1.1 * u));
        p.restore();
    }
}

void drawButterfly(QPainter &p, const QRectF &r)
{
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center();
    for (const int side : {-1, 1}) {
        p.save();
        p.translate(c);
        p.rotate(side * 28);
        p.drawEllipse(QPointF(side * 2.4 * u, -1.2 * u), 2.2 * u, 1.6 * u);
        p.restore();
        p.save();
        p.translate(c);
        p.rotate(side * -25);
        p.drawEllipse(QPointF(side * 1.9 * u, 1.6 * u), 1.5 * u, 1.2 * u);
        p.restore();
    }
    p.drawEllipse(c, 0.45 * u, 2.6 * u);
    p.save();
    p.setPen(QPen(p.brush().color(), 0.25 * u));
    p.setBrush(Qt::NoBrush);
    p.drawLine(c + QPointF(0, -2.4 * u), c + QPointF(-1.2 * u, -4.2 * u));
    p.drawLine(c + QPointF(0, -2.4 * u), c + QPointF(1.2 * u, -4.2 * u));
    p.restore();
}

void drawShield(QPainter &p, const QRectF &r, const QColor &field)
{
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center() + QPointF(0, 0.6 * u);
    QPainterPath shield;
    shield.moveTo(c + QPointF(-3.0 * u, -3.2 * u));
    shield.lineTo(c + QPointF(3.0 * u, -3.2 * u));
    shield.lineTo(c + QPointF(3.0 * u, 0.6 * u));
    shield.quadTo(c + QPointF(3.0 * u, 3.4 * u), c + QPointF(0, 4.4 * u));
    shield.quadTo(c + QPointF(-3.0 * u, 3.4 * u), c + QPointF(-3.0 * u, 0.6 * u));
    shield.closeSubpath();
    p.drawPath(shield);
    // Crown above the shield.
    QPolygonF crown;
    crown << c + QPointF(-2.2 * u, -3.6 * u) << c + QPointF(-2.4 * u, -5.2 * u)
          << c + QPointF(-1.2 * u, -4.3 * u) << c + QPointF(0, -5.6 * u) << c + QPointF(1.2 * u, -4.3 * u)
          << c + QPointF(2.4 * u, -5.2 * u) << c + QPointF(2.2 * u, -3.6 * u);
    p.drawPolygon(crown);
    p.save();
    p.setBrush(field);
    p.drawRect(QRectF(c + QPointF(-0.5 * u, -2.4 * u), QSizeF(1.0 * u, 5.4 * u)));
    p.drawRect(QRectF(c + QPointF(-2.2 * u, -0.4 * u), QSizeF(4.4 * u, 1.0 * u)));
    p.restore();
}

void drawChild(QPainter &p, const QRectF &r)
{
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center() + QPointF(0, -0.6 * u);
    p.drawEllipse(c + QPointF(0, -2.8 * u), 1.2 * u, 1.2 * u);
    QPolygonF dress;
    dress << c + QPointF(0, -1.6 * u) << c + QPointF(2.4 * u, 2.6 * u) << c + QPointF(-2.4 * u, 2.6 * u);
    p.drawPolygon(dress);
    p.save();
    p.setPen(QPen(p.brush().color(), 0.5 * u, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(c + QPointF(-0.6 * u, -0.8 * u), c + QPointF(-3.2 * u, -2.0 * u));
    p.drawLine(c + QPointF(0.6 * u, -0.8 * u), c + QPointF(3.2 * u, -2.2 * u));
    p.drawLine(c + QPointF(-0.9 * u, 2.6 * u), c + QPointF(-1.1 * u, 4.6 * u));
    p.drawLine(c + QPointF(0.9 * u, 2.6 * u), c + QPointF(1.1 * u, 4.6 * u));
    p.restore();
}

QPolygonF starPolygon(QPointF centre, qreal outer, qreal inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal radius = i % 2 == 0 ? outer : inner;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

void drawStar(QPainter &p, const QRectF &r)
{
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center();
    p.drawPolygon(starPolygon(c, 4.2 * u, 1.7 * u));
    p.drawPolygon(starPolygon(c + QPointF(-4.2 * u, -3.2 * u), 1.0 * u, 0.4 * u));
    p.drawPolygon(starPolygon(c + QPointF(4.4 * u, 3.0 * u), 0.8 * u, 0.32 * u));
    p.drawPolygon(starPolygon(c + QPointF(4.0 * u, -3.6 * u), 0.6 * u, 0.25 * u));
}

// The leading figure of the face value, large, in an oval.
void drawNumeral(QPainter &p, const QRectF &r, const QString &faceValue, const QColor &field)
{
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center();
    p.drawEllipse(c, 3.6 * u, 4.4 * u);
    QString figure;
    for (const QChar ch : faceValue) {
        if (!ch.isDigit() && ch != u'\u00bd')
            break;
        figure += ch;
    }
    if (figure.isEmpty())
        figure = QStringLiteral("1");
    p.save();
    p.setPen(field);
    p.setFont(fittedFont(figure, static_cast<int>(6.0 * u), 6.0 * u));
    p.drawText(QRectF(c.x() - 3.6 * u, c.y() - 4.4 * u, 7.2 * u, 8.8 * u), Qt::AlignCenter, figure);
    p.restore();
}

void drawTulip(QPainter &p, const QRectF &r)
{
    const qreal u = std::min(r.width(), r.height()) / 10.0;
    const QPointF c = r.center() + QPointF(0, -1.6 * u);
    p.save();
    p.setPen(QPen(p.brush().color(), 0.45 * u));
    p.setBrush(Qt::NoBrush);
    p.drawLine(c + QPointF(0, 1.0 * u), c + QPointF(0, 5.8 * u));
    p.restore();
    QPainterPath leaf;
    leaf.moveTo(c + QPointF(0, 5.6 * u));
    leaf.quadTo(c + QPointF(-3.4 * u, 4.4 * u), c + QPointF(-2.6 * u, 1.6 * u));
    leaf.quadTo(c + QPointF(-1.0 * u, 3.6 * u), c + QPointF(0, 5.6 * u));
    p.drawPath(leaf);
    QPainterPath cup;
    cup.moveTo(c + QPointF(-2.0 * u, -2.4 * u));
    cup.lineTo(c + QPointF(-1.0 * u, -1.2 * u));
    cup.lineTo(c + QPointF(0, -2.8 * u));
    cup.lineTo(c + QPointF(1.0 * u, -1.2 * u));
    cup.lineTo(c + QPointF(2.0 * u, -2.4 * u));
    cup.quadTo(c + QPointF(2.4 * u, 1.6 * u), c + QPointF(0, 1.6 * u));
    cup.quadTo(c + QPointF(-2.4 * u, 1.6 * u), c + QPointF(-2.0 * u, -2.4 * u));
    p.drawPath(cup);
}

void drawMotif(QPainter &p, const QRectF &area, const StampRecord &record, const QColor &colour,
               const QColor &field)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    switch (motifFor(record)) {
    case Motif::Portrait:
        drawPortrait(p, area);
        break;
    case Motif::Bird:
        drawBird(p, area);
        break;
    case Motif::Ship:
        drawShip(p, area);
        break;
    case Motif::Windmill:
        drawWindmill(p, area);
        break;
    case Motif::Butterfly:
        drawButterfly(p, area);
        break;
    case Motif::Shield:
        drawShield(p, area, field);
        break;
    case Motif::Child:
        drawChild(p, area);
        break;
    case Motif::Star:
        drawStar(p, area);
        break;
    case Motif::Numeral:
        drawNumeral(p, area, record[StampRecord::FaceValue], field);
        break;
    case Motif::Tulip:
        drawTulip(p, area);
        break;
    }
    p.restore();
}

// An overprint: the subject in black capitals across the stamp.
void drawOverprint(QPainter &p, const QRectF &design, const QString &subject)
{
    const QString text = subject.toUpper();
    p.save();
    p.translate(design.center());
    p.rotate(-18);
    p.setPen(QColor(20, 20, 20));
    p.setFont(fittedFont(text, 44, design.width() * 0.8));
    p.drawText(QRectF(-design.width() / 2, -40, design.width(), 80), Qt::AlignCenter, text);
    p.restore();
}

// Engraved look: paper-coloured stamp, a double frame line in the ink, the
// motif on a tinted oval medallion, texts in the ink.
void drawClassic(QPainter &p, const QRectF &design, const StampRecord &record, const QColor &ink)
{
    p.setPen(QPen(ink, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(design);
    p.setPen(QPen(ink, 2));
    p.drawRect(design.adjusted(10, 10, -10, -10));

    const QRectF medallion(design.center().x() - 110, design.top() + 52, 220, 196);
    p.setPen(QPen(ink, 4));
    p.setBrush(ink.lighter(165));
    p.drawEllipse(medallion);
    drawMotif(p, medallion.adjusted(28, 24, -28, -20), record, ink, ink.lighter(165));

    p.setPen(ink);
    const QString country = QStringLiteral("NEDERLAND");
    p.setFont(fittedFont(country, 34, design.width() - 60));
    p.drawText(QRectF(design.left(), design.top() + 14, design.width(), 40), Qt::AlignCenter, country);
    const QString value = record[StampRecord::FaceValue].toUpper();
    p.setFont(fittedFont(value, 36, design.width() - 180));
    p.drawText(QRectF(design.left(), design.bottom() - 56, design.width(), 44), Qt::AlignCenter, value);
    p.setFont(fittedFont(record[StampRecord::Year], 18, 80));
    p.drawText(QRectF(design.left() + 22, design.bottom() - 50, 80, 30), Qt::AlignLeft | Qt::AlignVCenter,
               record[StampRecord::Year]);
}

// Modern look: a full colour field with the motif left, texts in white.
void drawModern(QPainter &p, const QRectF &design, const StampRecord &record, const QColor &ink)
{
    QLinearGradient gradient(design.topLeft(), design.bottomRight());
    gradient.setColorAt(0, ink.lighter(125));
    gradient.setColorAt(1, ink.darker(135));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRect(design);

    const QColor light(250, 248, 236);
    drawMotif(p, QRectF(design.left() + 14, design.top() + 64, 230, 210), record, light, ink);

    p.setPen(light);
    const QString country = QStringLiteral("NEDERLAND");
    p.setFont(fittedFont(country, 32, design.width() / 2));
    p.drawText(QRectF(design.left() + 20, design.top() + 14, design.width() - 40, 40),
               Qt::AlignLeft | Qt::AlignVCenter, country);
    const QString value = record[StampRecord::FaceValue];
    p.setFont(fittedFont(value, 54, design.width() / 2 - 40));
    p.drawText(QRectF(design.center().x(), design.bottom() - 90, design.width() / 2 - 20, 70),
               Qt::AlignRight | Qt::AlignVCenter, value);
    p.setFont(fittedFont(record[StampRecord::Year], 18, 80));
    p.drawText(QRectF(design.right() - 100, design.top() + 14, 80, 30), Qt::AlignRight | Qt::AlignVCenter,
               record[StampRecord::Year]);
}

} // namespace

QImage StampPictureRenderer::render(const StampRecord &record)
{
    QImage image(PictureSize, QImage::Format_RGB32);
    image.fill(StockBook);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const bool modern = record[StampRecord::Year].toInt() >= FirstModernYear;
    const QRectF paper(26, 26, PictureSize.width() - 52, PictureSize.height() - 52);
    // A soft shadow under the stamp lifts it off the strip.
    const QRectF shadow = paper.translated(5, 6);
    p.fillRect(shadow, QColor(12, 12, 14));
    Perforation::punch(p, shadow, 20, 7, StockBook);
    p.fillRect(paper, modern ? ModernPaper : ClassicPaper);
    Perforation::punch(p, paper, 20, 7, StockBook);

    const QColor ink = inkFor(record);
    const QRectF design = paper.adjusted(22, 22, -22, -22);
    if (modern)
        drawModern(p, design, record, ink);
    else
        drawClassic(p, design, record, ink);
    if (record[StampRecord::Kind] == QLatin1String("Opdrukzegel"))
        drawOverprint(p, design, record[StampRecord::Subject]);
    return image;
}
