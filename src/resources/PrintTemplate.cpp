#include "resources/PrintTemplate.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The templates are the jobs' pages drawn to scale: twips of an A4 page to pixels.
constexpr double pageWidthTwips = 11906;
constexpr double pageHeightTwips = 16838;

class Miniature {
public:
    explicit Miniature(QImage &image)
        : m_painter(&image)
    {
        m_painter.scale(PrintTemplate::Width / pageWidthTwips, PrintTemplate::Height / pageHeightTwips);
    }

    // A line of text as a bar as high as the text, `characters` average characters long.
    void text(double x, double y, double characters, double points, const QColor &colour)
    {
        const double height = points * 20 * 0.7;
        m_painter.fillRect(QRectF(x, y + points * 3, characters * points * 10, height), colour);
    }
    void box(double x1, double y1, double x2, double y2, const QColor &colour)
    {
        m_painter.setPen(QPen(colour, 0));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    }

    void header()
    {
        text(1200, 300, 20, 16, QColor(0, 0, 90));
        text(9150, 420, 18, 10, QColor(90, 0, 0));
    }
    void listHeadings(std::initializer_list<double> columns)
    {
        for (const double x : columns)
            text(x, 900, 7, 10, QColor(90, 90, 90));
        text(300, 1140, 162 * 0.55, 10, QColor(150, 150, 150));
    }

private:
    QPainter m_painter;
};

void drawCollectionList(Miniature &page)
{
    page.header();
    page.listHeadings({1200, 2100, 3750, 6150, 7770, 9630});
    const QColor grey(90, 90, 90);
    for (int line = 0; line < 54; ++line) {
        const double y = 1380 + 255 * line;
        page.text(1200, y, 4, 10, grey);
        page.text(2100, y, 5 + line % 3, 10, grey);
        page.text(3750, y, 8 + line % 5 * 2, 10, grey);
        page.text(6150, y, 7, 10, grey);
        page.text(7970, y, 6 + line % 2 * 3, 10, grey);
        page.text(9630, y, 7, 10, grey);
    }
}

void drawPriceList(Miniature &page)
{
    page.header();
    page.listHeadings({1200, 2100, 3900, 5700, 7500});
    const QColor grey(90, 90, 90);
    constexpr int lines = 40;
    for (int line = 0; line < lines; ++line) {
        const double y = 1380 + 255 * line;
        const double priceLength = 4 + line % 3;
        page.text(1200, y, 4, 10, grey);
        page.text(2100, y, 5 + line % 3, 10, grey);
        page.text(4800 - priceLength * 100, y, priceLength + 2, 10, grey);
        page.text(6300 - priceLength * 100, y, priceLength + 2, 10, grey);
        page.text(7500, y, 7, 10, grey);
    }
    const double totals = 1380 + 255 * lines;
    page.text(3990, totals, 40 * 0.55, 10, grey);
    page.text(4800 - 700, totals + 300, 9, 10, QColor(0, 0, 0));
    page.text(6300 - 700, totals + 300, 9, 10, QColor(0, 0, 0));
}

void drawRecordSheet(Miniature &page)
{
    page.header();
    page.text(300, 690, 162 * 0.55, 10, QColor(90, 0, 0));
    const QColor green(0, 90, 0);
    const QColor grey(60, 60, 60);
    for (int row = 0; row < 9; ++row) {
        const double y = 1200 + 300 * row;
        page.text(1200, y, 9, 12, green);
        page.text(4050, y, 6 + row % 4 * 2, 12, green);
    }
    page.text(1200, 4200, 6, 12, grey);
    page.text(1200, 4740, 30, 12, grey);
    page.text(1200, 5040, 22, 12, grey);
    for (int row = 0; row < 3; ++row)
        page.text(1200, 6300 + 300 * row, 9, 12, green);
    page.text(1200, 7500, 12, 12, grey);
    page.text(1200, 8700, 6, 12, grey);
}

// The record's picture where the dialog lays the real one: from its corner, as
// large as a 400 × 300 pixel picture at the sixth the dialog shows it at.
void drawRecordPictureArea(QPainter &painter)
{
    const QRect area(PrintTemplate::recordPictureCorner(), QSize(400 / 6, 300 / 6));
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(110, 150, 200));
    sky.setColorAt(1, QColor(200, 170, 120));
    painter.fillRect(area, sky);
}

// The frame with its border around the ten cells, and each cell empty with an
// edge just outside it, so that the dialog's photos fill the cells exactly.
void drawSealCells(QPainter &painter)
{
    const QRect cells = PrintTemplate::sealPhotoCell(0).united(PrintTemplate::sealPhotoCell(9));
    const QRect frame = cells.adjusted(-16, -10, 12, 7);
    painter.fillRect(frame, QColor(230, 215, 170));
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(frame.adjusted(0, -1, -1, -1));
    painter.setPen(QColor(150, 120, 60));
    for (int index = 0; index < 10; ++index) {
        const QRect cell = PrintTemplate::sealPhotoCell(index);
        painter.drawRect(cell.adjusted(-1, -1, 0, 0));
        painter.fillRect(cell, Qt::white);
    }
}

void drawYearLabels(Miniature &page)
{
    for (int label = 0; label < 170; ++label) {
        const double x = 300 + label % 10 * 1050;
        const double y = 300 + label / 10 * 900;
        page.box(x, y, x + 1050, y + 900, QColor(60, 60, 60));
        page.text(x + 75, y + 75, 2.4, 16, QColor(0, 0, 0));
    }
}

} // namespace

QImage PrintTemplate::render(int job, qreal devicePixelRatio)
{
    QImage image(QSize(Width, Height) * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    {
        Miniature page(image);
        switch (job) {
        case 1:
            drawCollectionList(page);
            break;
        case 2:
            drawPriceList(page);
            break;
        case 3:
            drawRecordSheet(page);
            break;
        case 5:
            drawYearLabels(page);
            break;
        }
    }
    QPainter painter(&image);
    if (job == 3)
        drawRecordPictureArea(painter);
    if (job == 4)
        drawSealCells(painter);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, Width - 1, Height - 1);
    return image;
}

QPoint PrintTemplate::recordPictureCorner()
{
    return {30 / 15, 1440 / 15};
}

QRect PrintTemplate::sealPhotoCell(int index)
{
    // 285 × 210 twips from (540, 600), 360 twips apart across and 270 down.
    return {(540 + index % 2 * 360) / 15, (600 + index / 2 * 270) / 15, 285 / 15, 210 / 15};
}

QImage PrintTemplate::renderPrinter(qreal devicePixelRatio)
{
    QImage image(QSize(PrinterSize, PrinterSize) * devicePixelRatio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The sheet going in at the back.
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(18.5, 4.5, 35, 26));
    // The body with its gloss.
    QLinearGradient body(0, 24, 0, 56);
    body.setColorAt(0, QColor(235, 235, 225));
    body.setColorAt(1, QColor(140, 140, 130));
    painter.setBrush(body);
    painter.setPen(QPen(QColor(70, 70, 70), 1.5));
    painter.drawRoundedRect(QRectF(6, 24, 60, 32), 6, 6);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(QRectF(16, 40, 40, 4));
    painter.setBrush(QColor(40, 200, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(56, 31), 2.5, 2.5);
    // The printed page coming out at the front, with lines of text.
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(18.5, 42.5, 35, 26));
    painter.setPen(QPen(QColor(130, 30, 30), 1.5));
    for (int line = 0; line < 4; ++line)
        painter.drawLine(QPointF(23, 50 + 5 * line), QPointF(line == 3 ? 38 : 49, 50 + 5 * line));
    return image;
}
