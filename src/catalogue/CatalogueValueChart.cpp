#include "catalogue/CatalogueValueChart.h"

#include "storage/document/PriceTotals.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

constexpr QColor FrameColour{160, 160, 160};
constexpr QColor GridColour{225, 225, 225};
constexpr QColor HintColour{110, 110, 110};
constexpr int Margin = 8;
constexpr int PointRadius = 3;

bool isBlank(char16_t c)
{
    // The characters the price reading skips.
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool CatalogueValueChart::valueReads(QStringView text)
{
    enum class Stage { Sign, Point, Digit } stage = Stage::Sign;
    for (const QChar character : text) {
        char16_t c = character.unicode();
        if (isBlank(c))
            continue;
        if (c == u',')
            c = u'.';
        if (stage == Stage::Sign) {
            stage = Stage::Point;
            if (c == u'+' || c == u'-')
                continue;
        }
        if (stage == Stage::Point && c == u'.') {
            stage = Stage::Digit;
            continue;
        }
        return isDigit(c) && std::isfinite(PriceTotals::priceValue(text));
    }
    return false;
}

int CatalogueValueChart::editionYear(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && digits < 6 && isDigit(trimmed[digits].unicode()))
        ++digits;
    // A year has at most four digits; a longer run is no year.
    if (digits == 0 || digits > 4)
        return 0;
    return trimmed.first(digits).toInt();
}

std::vector<CatalogueValueChart::Point> CatalogueValueChart::pointsOf(const CatalogueEntries::List &entries,
                                                                      QStringView system)
{
    std::vector<Point> points;
    for (const CatalogueEntry &entry : CatalogueEntries::ordered(entries)) {
        if (!CatalogueEntries::sameSystem(entry.system, system) || !valueReads(entry.value))
            continue;
        const int year = editionYear(entry.edition);
        if (year <= 0)
            continue;
        points.push_back({year, entry.edition, PriceTotals::priceValue(entry.value)});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const Point &left, const Point &right) { return left.edition < right.edition; });
    return points;
}

QImage CatalogueValueChart::render(const std::vector<Point> &points, QSize size, const QLocale &locale)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();

    if (points.size() < 2) {
        painter.setPen(HintColour);
        painter.drawText(image.rect().adjusted(Margin, Margin, -Margin, -Margin),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         QCoreApplication::translate("CatalogueValueChart",
                                                     "Een verloop toont zich bij waarden uit twee of meer "
                                                     "edities van dit systeem."));
        return image;
    }

    double low = points.front().value;
    double high = low;
    for (const Point &point : points) {
        low = std::min(low, point.value);
        high = std::max(high, point.value);
    }
    if (high - low < 0.005) {
        // One value throughout: a flat line through the middle.
        low -= 1.0;
        high += 1.0;
    }
    const QString lowText = PriceTotals::formatAmount(low, locale);
    const QString highText = PriceTotals::formatAmount(high, locale);
    const int labelWidth = std::max(metrics.horizontalAdvance(lowText), metrics.horizontalAdvance(highText));
    const int lastLabelHalf = metrics.horizontalAdvance(points.back().editionText) / 2;
    const QRect plot(QPoint(Margin + labelWidth + Margin / 2, Margin + metrics.height() / 2),
                     QPoint(image.width() - 1 - std::max(Margin, lastLabelHalf + 2),
                            image.height() - 1 - Margin - metrics.height()));
    if (plot.width() < 10 || plot.height() < 10)
        return image;

    const int firstYear = points.front().edition;
    const int lastYear = points.back().edition;
    const auto xOf = [&](size_t index) {
        const double part = lastYear > firstYear
                                ? double(points[index].edition - firstYear) / (lastYear - firstYear)
                                : double(index) / double(points.size() - 1);
        return plot.left() + static_cast<int>(std::lround(part * plot.width()));
    };
    const auto yOf = [&](double value) {
        return plot.bottom() - static_cast<int>(std::lround((value - low) / (high - low) * plot.height()));
    };

    // The highest and lowest value, each with its line across.
    painter.setPen(GridColour);
    painter.drawLine(plot.left(), plot.top(), plot.right(), plot.top());
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    painter.setPen(FrameColour);
    painter.drawLine(plot.left(), plot.top(), plot.left(), plot.bottom());
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    painter.setPen(Qt::black);
    const int labelHeight = metrics.height();
    painter.drawText(QRect(Margin, plot.top() - labelHeight / 2, labelWidth, labelHeight),
                     Qt::AlignRight | Qt::AlignVCenter, highText);
    painter.drawText(QRect(Margin, plot.bottom() - labelHeight / 2, labelWidth, labelHeight),
                     Qt::AlignRight | Qt::AlignVCenter, lowText);

    // The editions under their points, each where the one before leaves room.
    const int lastLeft = xOf(points.size() - 1) - metrics.horizontalAdvance(points.back().editionText) / 2;
    int labelsEnd = -1;
    for (size_t index = 0; index < points.size(); ++index) {
        const QString &text = points[index].editionText;
        const int width = metrics.horizontalAdvance(text);
        const int left = xOf(index) - width / 2;
        const bool last = index + 1 == points.size();
        if (!last && index > 0 && (left <= labelsEnd + 4 || left + width + 4 >= lastLeft))
            continue;
        painter.drawText(QRect(left, plot.bottom() + 3, width, labelHeight), Qt::AlignCenter, text);
        labelsEnd = left + width;
    }

    QPolygon line;
    for (size_t index = 0; index < points.size(); ++index)
        line.append(QPoint(xOf(index), yOf(points[index].value)));
    painter.setPen(QPen(LineColour, 2));
    painter.drawPolyline(line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PointColour);
    for (const QPoint &point : line)
        painter.drawEllipse(point, PointRadius, PointRadius);
    return image;
}
