#include "common/Control.h"
#include "common/PdfReadback.h"
#include "common/TestFolder.h"
#include "mainwindow/Main.h"
#include "mainwindow/WindowFixture.h"
#include "reports/CollectionStatistics.h"
#include "reports/StatisticsChart.h"
#include "reports/StatisticsDialog.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/PriceTotals.h"
#include "widgets/VistaButton.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Grouping = CollectionStatistics::Grouping;
using Measure = StatisticsChart::Measure;

namespace {

// Years with a stray blank and one left empty; categories that differ only in
// letter case; prices with comma and point, a placeholder and a euro sign in front.
std::vector<StampRecord> statisticsRecords()
{
    return {
        makeRecord({"1900", "1", "Frankeerzegels", "", "", "", "", "", "", "Postfris", "12,50", "10"}),
        makeRecord({"1852", "2", "Port", "", "", "", "", "", "", "Gestempeld", "1000000.10", "-"}),
        makeRecord({"1900 ", "3", "frankeerzegels", "", "", "", "", "", "", "Postfris", "2.25", "\u20AC5"}),
        makeRecord({"", "4", "Luchtpost", "", "", "", "", "", "", "", "-", "0,75"}),
        makeRecord({"1852", "5", "FRANKEERZEGELS", "", "", "", "", "", "", "postfris", "abc", "3.5"}),
    };
}

QStringList groupLines(const CollectionStatistics &statistics)
{
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    QStringList lines;
    for (const CollectionStatistics::Group &group : statistics.groups)
        lines.append(CollectionStatistics::displayName(group) + QLatin1Char(' ') +
                     QString::number(group.count) + QLatin1Char(' ') +
                     StatisticsChart::valueText(group, Measure::CatalogueTotal, dutch) + QLatin1Char(' ') +
                     StatisticsChart::valueText(group, Measure::OwnTotal, dutch));
    return lines;
}

// The length of the bar in the middle of the group's row of a chart drawn at the scale.
int barLength(const QImage &chart, int group, int scale = 1)
{
    const int row = StatisticsChart::RowHeight * scale;
    const int y = row / 2 + row * group + row / 2;
    int length = 0;
    for (int x = 0; x < chart.width(); ++x)
        length += chart.pixelColor(x, y) == StatisticsChart::BarColour;
    return length;
}

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }
    void groupsCountAndTotalPerField();
    void barsFollowTheValues();
    void dialogShowsTheTableAndPrintsItWithTheChart();
    void totalsTheLatestValuesOfASystem();
};

void StatisticsTest::groupsCountAndTotalPerField()
{
    RecordList list;
    list.assign(statisticsRecords());

    const CollectionStatistics years = CollectionStatistics::of(list, Grouping::Year);
    // Blanks at the ends do not make a group of their own; the blank group is last.
    QCOMPARE(groupLines(years),
             QStringList({"1852 2 1000000,10 3,50", "1900 2 14,75 10,00", "(leeg) 1 0,00 0,75"}));
    QCOMPARE(years.total.count, 5);
    // Summed in double precision, the cents of a large amount stay.
    QCOMPARE(PriceTotals::formatAmount(years.total.catalogueTotal, QLocale()), QStringLiteral("1000014,85"));

    // Letter case does not split a group; it keeps the name it was first met with.
    const CollectionStatistics categories = CollectionStatistics::of(list, Grouping::Category);
    QCOMPARE(groupLines(categories), QStringList({"Frankeerzegels 3 14,75 13,50", "Luchtpost 1 0,00 0,75",
                                                  "Port 1 1000000,10 0,00"}));
    const CollectionStatistics conditions = CollectionStatistics::of(list, Grouping::Condition);
    QCOMPARE(groupLines(conditions),
             QStringList({"Gestempeld 1 1000000,10 0,00", "Postfris 3 14,75 13,50", "(leeg) 1 0,00 0,75"}));
    QCOMPARE(CollectionStatistics::groupingName(Grouping::Condition), QStringLiteral("Conditie"));

    QVERIFY(CollectionStatistics::of(RecordList(), Grouping::Year).groups.empty());
}

void StatisticsTest::barsFollowTheValues()
{
    std::vector<CollectionStatistics::Group> groups{
        {"A", 1, 30.0, 0.0}, {"B", 4, 10.0, -2.0}, {"C", 2, 0.0, 0.0}};
    const QImage counts = StatisticsChart::render(groups, Measure::Count, 400, 1.0, 4.0, QLocale());
    QCOMPARE(counts.height(), 4 * StatisticsChart::RowHeight);
    const int full = barLength(counts, 1);
    QVERIFY(full > 100);
    QVERIFY(qAbs(barLength(counts, 0) * 4 - full) <= 4);
    QVERIFY(qAbs(barLength(counts, 2) * 2 - full) <= 2);

    // A bar of nothing, or of a negative total, is not drawn.
    const QImage own = StatisticsChart::render(groups, Measure::OwnTotal, 400, 1.0, 0.0, QLocale());
    for (int group = 0; group < 3; ++group)
        QCOMPARE(barLength(own, group), 0);
    // The print draws a chart at three times the size with the same proportions.
    const QImage large = StatisticsChart::render(groups, Measure::CatalogueTotal, 1200, 3.0, 30.0, QLocale());
    QCOMPARE(large.height(), 3 * counts.height());
    QVERIFY(barLength(large, 0, 3) > 2 * full);
    QVERIFY(qAbs(barLength(large, 0, 3) - 3 * barLength(large, 1, 3)) <= 3);
}

void StatisticsTest::dialogShowsTheTableAndPrintsItWithTheChart()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nederland"), statisticsRecords());
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Nederland"));
    QTemporaryDir output;
    const QString pdfPath = output.filePath(QStringLiteral("statistiek"));

    QStringList table;
    const BoxRecorder boxes(MessageBox::Answer::Ok);
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<StatisticsDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const auto closeDialog = qScopeGuard([dialog] { dialog->accept(); });
        control<QComboBox>(*dialog, "Combo1")->setCurrentIndex(1);
        control<QComboBox>(*dialog, "Combo2")->setCurrentIndex(1);
        const auto *Table1 = control<QTableWidget>(*dialog, "Table1");
        QCOMPARE(Table1->horizontalHeaderItem(0)->text(), QStringLiteral("Categorie"));
        for (int row = 0; row < Table1->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < Table1->columnCount(); ++column)
                cells.append(Table1->item(row, column)->text());
            table.append(cells.join(QLatin1Char('|')));
        }
        // The chart shows the chosen measure: the catalogue total of "Port" is the largest.
        const QImage &chart = dialog->chartImage();
        QVERIFY(barLength(chart, 2) > 10 * std::max(1, barLength(chart, 0)));

        dialog->askPdfFile = [&](QWidget *) { return pdfPath + QStringLiteral(".pdf"); };
        choosePdfFileWhenAsked();
        clickButton(control<VistaButton>(*dialog, "PrintKnop"));
    });
    window->findChild<QAction *>(QStringLiteral("ToolsStatistics"))->trigger();

    QCOMPARE(table, QStringList({"Frankeerzegels|3|14,75|13,50", "Luchtpost|1|0,00|0,75",
                                 "Port|1|1000000,10|0,00", "Totaal|5|1000014,85|14,25"}));
    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text,
             QStringLiteral("Opgeslagen als PDF-bestand: ") + pdfPath + QStringLiteral(".pdf"));
    const PdfReadback pdf(pdfPath + QStringLiteral(".pdf"));
    QVERIFY2(pdf.ok(), qPrintable(pdf.error()));
    // The table on the first page, the chart of the catalogue totals on the second.
    QCOMPARE(pdf.pageCount(), 2);
    for (const char *word : {"Statistiek", "Nederland", "Categorie", "Frankeerzegels", "Luchtpost", "Port",
                             "Totaal", "1000014,85", "14,25"})
        QVERIFY2(!pdf.find(0, QString::fromUtf8(word)).empty(), word);
    QVERIFY(!pdf.find(1, QStringLiteral("Cat.Prijs")).empty());
}

void StatisticsTest::totalsTheLatestValuesOfASystem()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nederland"), statisticsRecords());
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Nederland"));
    OpenCollection &collection = window->collection();
    // Record 1: two editions, the latest counts; record 2: no Michel number;
    // record 3: a value that is no number; record 5: a value with a comma.
    collection.setCatalogueEntries(
        0, {{"Mi", "10", "1,00", "2019"}, {"Mi", "10", "2,50", "2022"}, {"Yt", "8", "100", "2022"}});
    collection.setCatalogueEntries(1, {{"Yt", "20", "7", ""}});
    collection.setCatalogueEntries(2, {{"mi", "30", "onbekend", "2020"}});
    collection.setCatalogueEntries(4, {{"MI", "50", "0,75", ""}});

    const CollectionStatistics years = CollectionStatistics::of(
        collection.records(), Grouping::Year, collection.catalogueEntries(), QStringLiteral("Mi"));
    QCOMPARE(years.total.systemTotal, 3.25);
    QCOMPARE(years.total.systemCount, 3);
    // The collection's own totals are those without a system.
    const CollectionStatistics plain = CollectionStatistics::of(collection.records(), Grouping::Year);
    QCOMPARE(years.total.catalogueTotal, plain.total.catalogueTotal);
    QCOMPARE(years.groups.size(), plain.groups.size());

    QStringList table;
    QStringList systems;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<StatisticsDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const auto closeDialog = qScopeGuard([dialog] { dialog->accept(); });
        auto *system = control<QComboBox>(*dialog, "Combo3");
        for (int index = 0; index < system->count(); ++index)
            systems.append(system->itemText(index));
        const auto *Table1 = control<QTableWidget>(*dialog, "Table1");
        QCOMPARE(Table1->columnCount(), 4);
        system->setCurrentIndex(1);
        // The system as the collection first spells it.
        QVERIFY(CatalogueEntries::sameSystem(Table1->horizontalHeaderItem(4)->text(), u"Mi"));
        for (int row = 0; row < Table1->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < Table1->columnCount(); ++column)
                cells.append(Table1->item(row, column)->text());
            table.append(cells.join(QLatin1Char('|')));
        }
        system->setCurrentIndex(0);
        QCOMPARE(Table1->columnCount(), 4);
    });
    window->findChild<QAction *>(QStringLiteral("ToolsStatistics"))->trigger();

    QCOMPARE(systems.size(), 3);
    QCOMPARE(systems[0], QStringLiteral("(geen)"));
    QVERIFY(CatalogueEntries::sameSystem(systems[1], u"Mi"));
    QCOMPARE(systems[2], QStringLiteral("Yt"));
    QCOMPARE(table, QStringList({"1852|2|1000000,10|3,50|0,75", "1900|2|14,75|10,00|2,50",
                                 "(leeg)|1|0,00|0,75|", "Totaal|5|1000014,85|14,25|3,25"}));
}

QTEST_MAIN(StatisticsTest)
#include "tst_statistics.moc"
