#include "reports/StatisticsChart.h"

#include "storage/document/PriceTotals.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

QString StatisticsChart::measureName(Measure measure)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("StatisticsChart", "Aantal"),
        QT_TRANSLATE_NOOP("StatisticsChart", "Cat.Prijs"),
        QT_TRANSLATE_NOOP("StatisticsChart", "Mijn Prijs"),
    };
    return QCoreApplication::translate("StatisticsChart", names[static_cast<int>(measure)]);
}

double StatisticsChart::value(const CollectionStatistics::Group &group, Measure measure)
{
    switch (measure) {
    case Measure::Count:
        return group.count;
    case Measure::CatalogueTotal:
        return group.catalogueTotal;
    case Measure::OwnTotal:
        return group.ownTotal;
    }
    return 0.0;
}

QString StatisticsChart::valueText(const CollectionStatistics::Group &group, Measure measure,
                                   const QLocale &locale)
{
    if (measure == Measure::Count)
        return QString::number(group.count);
    return PriceTotals::formatAmount(value(group, measure), locale);
}

double StatisticsChart::largestValue(const std::vector<CollectionStatistics::Group> &groups, Measure measure)
{
    double largest = 0.0;
    for (const CollectionStatistics::Group &group : groups)
        largest = std::max(largest, value(group, measure));
    return largest;
}

QImage StatisticsChart::render(const std::vector<CollectionStatistics::Group> &groups, Measure measure,
                               int width, double scale, double maxValue, const QLocale &locale)
{
    const int rowHeight = static_cast<int>(std::lround(RowHeight * scale));
    const int margin = rowHeight / 2;
    const int height = 2 * margin + rowHeight * static_cast<int>(groups.size());
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(12 * scale))));
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();

    // Names take at most a third of the width; values need room after the longest bar.
    int nameWidth = 0;
    int valueWidth = 0;
    for (const CollectionStatistics::Group &group : groups) {
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(CollectionStatistics::displayName(group)));
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(valueText(group, measure, locale)));
    }
    nameWidth = std::min(nameWidth, width / 3);
    const int gap = margin;
    const int barLeft = margin + nameWidth + gap;
    const int barArea = std::max(0, width - barLeft - gap - valueWidth - margin);

    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(barLeft, margin, barLeft, height - margin);
    int y = margin;
    for (const CollectionStatistics::Group &group : groups) {
        const QRect nameBox(margin, y, nameWidth, rowHeight);
        QString name = CollectionStatistics::displayName(group);
        if (metrics.horizontalAdvance(name) > nameWidth)
            name = metrics.elidedText(name, Qt::ElideRight, nameWidth);
        painter.setPen(Qt::black);
        painter.drawText(nameBox, Qt::AlignVCenter | Qt::AlignRight, name);
        const double groupValue = value(group, measure);
        int barLength = 0;
        if (groupValue > 0 && maxValue > 0)
            barLength = static_cast<int>(std::lround(barArea * std::min(1.0, groupValue / maxValue)));
        const QRect bar(barLeft, y + rowHeight / 6, barLength, rowHeight - rowHeight / 3);
        painter.fillRect(bar, BarColour);
        painter.drawText(QRect(barLeft + barLength + gap / 2, y, valueWidth + gap, rowHeight),
                         Qt::AlignVCenter | Qt::AlignLeft, valueText(group, measure, locale));
        y += rowHeight;
    }
    return image;
}
