#include "reports/PrintStatistics.h"

#include "printing/PrintJob.h"
#include "printing/PrintText.h"
#include "printing/PrinterCanvas.h"

#include <algorithm>

namespace {

constexpr double NameX = 1200;
constexpr double CountEdge = 6000;
constexpr double CatalogueEdge = 8100;
constexpr double OwnEdge = 10200;
constexpr double FirstHeadingY = 900;
constexpr double LaterHeadingY = 600;
constexpr double LineStep = 255;
constexpr double LastLineLimit = 15000;
// The chart is as wide as the table, drawn at three image pixels per screen pixel.
constexpr double ChartLeft = NameX;
constexpr double ChartWidth = OwnEdge - NameX;
constexpr double ChartTop = 1000;
constexpr double ChartScale = 3;
constexpr double TwipsPerPixel = 15;
const QColor inkColour(0, 0, 90);

// The paper's own words for the groupings, measures and the blank group, apart
// from the window's (CollectionStatistics, StatisticsChart), though the same in Dutch.
// In the order of CollectionStatistics::Grouping and StatisticsChart::Measure.
const char *const GroupingNames[] = {QT_TRANSLATE_NOOP("PrintText", "Jaartal"),
                                     QT_TRANSLATE_NOOP("PrintText", "Categorie"),
                                     QT_TRANSLATE_NOOP("PrintText", "Conditie")};
const char *const MeasureNames[] = {QT_TRANSLATE_NOOP("PrintText", "Aantal"),
                                    QT_TRANSLATE_NOOP("PrintText", "Cat.Prijs"),
                                    QT_TRANSLATE_NOOP("PrintText", "Mijn Prijs")};

QString printedGroupingName(CollectionStatistics::Grouping grouping)
{
    return PrintText::tr(GroupingNames[static_cast<int>(grouping)]);
}

QString printedMeasureName(StatisticsChart::Measure measure)
{
    return PrintText::tr(MeasureNames[static_cast<int>(measure)]);
}

QString printedGroupName(const CollectionStatistics::Group &group)
{
    return group.name.isEmpty() ? PrintText::tr("(leeg)") : group.name;
}

void printRight(PrinterCanvas &canvas, double edge, double y, const QString &text)
{
    PrintTextAt(canvas, edge - MeasureTextWidth(text), y, text);
}

void printHeadings(PrinterCanvas &canvas, CollectionStatistics::Grouping grouping, double y)
{
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(10);
    canvas.setFontBold(true);
    canvas.setTextColour(inkColour);
    PrintTextAt(canvas, NameX, y, printedGroupingName(grouping));
    printRight(canvas, CountEdge, y, printedMeasureName(StatisticsChart::Measure::Count));
    printRight(canvas, CatalogueEdge, y, printedMeasureName(StatisticsChart::Measure::CatalogueTotal));
    printRight(canvas, OwnEdge, y, printedMeasureName(StatisticsChart::Measure::OwnTotal));
    canvas.setFontBold(false);
}

void printGroup(PrinterCanvas &canvas, double y, const QString &name,
                const CollectionStatistics::Group &group, const QLocale &locale)
{
    using Measure = StatisticsChart::Measure;
    PrintTextAt(canvas, NameX, y, name);
    printRight(canvas, CountEdge, y, StatisticsChart::valueText(group, Measure::Count, locale));
    printRight(canvas, CatalogueEdge, y, StatisticsChart::valueText(group, Measure::CatalogueTotal, locale));
    printRight(canvas, OwnEdge, y, StatisticsChart::valueText(group, Measure::OwnTotal, locale));
}

void printChart(PrinterCanvas &canvas, const CollectionStatistics &statistics,
                StatisticsChart::Measure measure, const QLocale &locale)
{
    const double largest = StatisticsChart::largestValue(statistics.groups, measure);
    const auto &groups = statistics.groups;
    for (size_t first = 0; first < groups.size(); first += PrintStatistics::ChartGroupsPerPage) {
        canvas.newPage();
        canvas.setFontBold(true);
        canvas.setTextColour(inkColour);
        PrintTextAt(canvas, NameX, LaterHeadingY,
                    PrintText::tr("%1 per %2")
                        .arg(printedMeasureName(measure), printedGroupingName(statistics.grouping)));
        canvas.setFontBold(false);
        const size_t last = std::min(groups.size(), first + PrintStatistics::ChartGroupsPerPage);
        const std::vector<CollectionStatistics::Group> pageGroups(groups.begin() + static_cast<long>(first),
                                                                  groups.begin() + static_cast<long>(last));
        const int pixelWidth = static_cast<int>(ChartWidth / TwipsPerPixel * ChartScale);
        const QImage chart =
            StatisticsChart::render(pageGroups, measure, pixelWidth, ChartScale, largest, locale);
        canvas.drawPicture(chart, ChartLeft, ChartTop, ChartWidth,
                           chart.height() / ChartScale * TwipsPerPixel);
    }
}

} // namespace

namespace PrintStatistics {

QString title(const QString &collectionName)
{
    return PrintText::tr("Statistiek : %1").arg(collectionName);
}

void print(PrinterCanvas &canvas, const CollectionStatistics &statistics, StatisticsChart::Measure measure,
           const QString &collectionName, const QLocale &locale)
{
    PrepareJob(canvas, QStringLiteral("1"));
    PrintPageHeader(canvas, title(collectionName));
    printHeadings(canvas, statistics.grouping, FirstHeadingY);
    double y = FirstHeadingY + 2 * LineStep;
    for (const CollectionStatistics::Group &group : statistics.groups) {
        printGroup(canvas, y, printedGroupName(group), group, locale);
        y += LineStep;
        if (y > LastLineLimit) {
            canvas.newPage();
            printHeadings(canvas, statistics.grouping, LaterHeadingY);
            y = LaterHeadingY + 2 * LineStep;
        }
    }
    canvas.setFontBold(true);
    printGroup(canvas, y + LineStep / 2, PrintText::tr("Totaal"), statistics.total, locale);
    canvas.setFontBold(false);
    printChart(canvas, statistics, measure, locale);
    canvas.endDocument();
}

} // namespace PrintStatistics
