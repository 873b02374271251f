#include "reports/StatisticsDialog.h"

#include "printing/dialog/PdfFileQuestion.h"
#include "printing/dialog/PrintOnCurrentPrinter.h"
#include "reports/PrintStatistics.h"
#include "storage/document/OpenCollection.h"
#include "storage/document/PriceTotals.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

namespace {

constexpr int OuterWidth = 11400;
constexpr int OuterHeight = 7200;
constexpr QColor BackgroundColour{220, 220, 190};

using Grouping = CollectionStatistics::Grouping;
using Measure = StatisticsChart::Measure;
constexpr Grouping groupings[] = {Grouping::Year, Grouping::Category, Grouping::Condition};
constexpr Measure measures[] = {Measure::Count, Measure::CatalogueTotal, Measure::OwnTotal};

QComboBox *newCombo(QWidget *parent, const char *name, int left, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setGeometry(Twips::rect(left, 150, 1800, 315));
    return combo;
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment, bool bold)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

} // namespace

StatisticsDialog::StatisticsDialog(const OpenCollection &collection, QWidget *parent)
    : QDialog(parent)
    , askPdfFile(PdfFileQuestion::ask)
    , m_collection(collection)
{
    setObjectName(QStringLiteral("StatisticsDialog"));
    setWindowTitle(tr("Statistiek"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BackgroundColour);
    setPalette(palette);

    QStringList groupingNames;
    for (Grouping grouping : groupings)
        groupingNames.append(CollectionStatistics::groupingName(grouping));
    QStringList measureNames;
    for (Measure measure : measures)
        measureNames.append(StatisticsChart::measureName(measure));
    Label1 = DialogLayout::addLabel(this, "Label1", tr("Per"), 180, 195);
    Combo1 = newCombo(this, "Combo1", 600, groupingNames);
    Label2 = DialogLayout::addLabel(this, "Label2", tr("Grafiek van"), 5700, 195);
    Combo2 = newCombo(this, "Combo2", 6900, measureNames);
    Label3 = DialogLayout::addLabel(this, "Label3", tr("Catalogus"), 2520, 195);
    Combo3 = newCombo(this, "Combo3", 3540,
                      QStringList{tr("(geen)")} + collection.catalogueEntries().systemsInUse());
    ReaderNames::labelField(Label3, Combo3);
    setTabOrder(Combo1, Combo3);
    setTabOrder(Combo3, Combo2);

    Table1 = new QTableWidget(0, 4, this);
    Table1->setObjectName(QStringLiteral("Table1"));
    ReaderNames::labelField(Label1, Combo1);
    ReaderNames::labelField(Label2, Combo2);
    ReaderNames::name(Table1, tr("Statistiek"));
    Table1->setGeometry(Twips::rect(180, 600, 5340, 5700));
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setSelectionMode(QAbstractItemView::NoSelection);
    Table1->setWordWrap(false);
    Table1->verticalHeader()->hide();
    Table1->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The names take what the amounts leave.
    Table1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    ChartArea = new QScrollArea(this);
    ChartArea->setObjectName(QStringLiteral("ChartArea"));
    ReaderNames::name(ChartArea, tr("Grafiek"));
    ChartArea->setGeometry(Twips::rect(5700, 600, 5520, 5700));
    ChartArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ChartArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ChartArea->setBackgroundRole(QPalette::Base);
    Chart1 = new QLabel;
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ChartArea->setWidget(Chart1);

    PrintKnop = DialogLayout::addButton(this, "PrintKnop", tr("Afdrukken"), 9390, 6420, 900, 330);
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 10380, 6420, 840, 330);
    connect(PrintKnop, &VistaButton::Click, this, &StatisticsDialog::PrintKnop_Click);
    connect(OkKnop, &VistaButton::Click, this, &QDialog::accept);
    new EnterConfirms(this, OkKnop);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &StatisticsDialog::Combo1_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &StatisticsDialog::Combo2_Click);
    connect(Combo3, &QComboBox::currentIndexChanged, this, &StatisticsDialog::Combo3_Click);

    Combo1_Click();
}

void StatisticsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

StatisticsChart::Measure StatisticsDialog::measure() const
{
    return measures[std::max(0, Combo2->currentIndex())];
}

void StatisticsDialog::Combo1_Click()
{
    const QString system = Combo3->currentIndex() > 0 ? Combo3->currentText() : QString();
    m_statistics =
        CollectionStatistics::of(m_collection.records(), groupings[std::max(0, Combo1->currentIndex())],
                                 m_collection.catalogueEntries(), system);
    fillTable();
    drawChart();
}

void StatisticsDialog::Combo3_Click()
{
    // The chart and the printed page keep to the collection's own figures.
    Combo1_Click();
}

void StatisticsDialog::Combo2_Click()
{
    drawChart();
}

void StatisticsDialog::fillTable()
{
    const QLocale locale;
    const bool withSystem = !m_statistics.system.isEmpty();
    Table1->setColumnCount(withSystem ? 5 : 4);
    QStringList headings{CollectionStatistics::groupingName(m_statistics.grouping),
                         StatisticsChart::measureName(Measure::Count),
                         StatisticsChart::measureName(Measure::CatalogueTotal),
                         StatisticsChart::measureName(Measure::OwnTotal)};
    if (withSystem)
        headings.append(m_statistics.system);
    Table1->setHorizontalHeaderLabels(headings);
    Table1->setRowCount(static_cast<int>(m_statistics.groups.size()) + 1);
    const auto fillRow = [&](int row, const QString &name, const CollectionStatistics::Group &group,
                             bool bold) {
        Table1->setItem(row, 0, cell(name, Qt::AlignLeft, bold));
        for (int column = 1; column <= 3; ++column)
            Table1->setItem(
                row, column,
                cell(StatisticsChart::valueText(group, measures[column - 1], locale), Qt::AlignRight, bold));
        // A group without a number in the system shows none; the total always shows.
        if (withSystem)
            Table1->setItem(row, 4,
                            cell(group.systemCount > 0 || bold
                                     ? PriceTotals::formatAmount(group.systemTotal, locale)
                                     : QString(),
                                 Qt::AlignRight, bold));
    };
    int row = 0;
    for (const CollectionStatistics::Group &group : m_statistics.groups)
        fillRow(row++, CollectionStatistics::displayName(group), group, false);
    fillRow(row, tr("Totaal"), m_statistics.total, true);
}

void StatisticsDialog::drawChart()
{
    // The viewport is laid out only when shown; its width is known before.
    const int width =
        ChartArea->width() - ChartArea->verticalScrollBar()->sizeHint().width() - 2 * ChartArea->frameWidth();
    m_chart =
        StatisticsChart::render(m_statistics.groups, measure(), width, 1.0,
                                StatisticsChart::largestValue(m_statistics.groups, measure()), QLocale());
    Chart1->setPixmap(QPixmap::fromImage(m_chart));
    Chart1->resize(m_chart.size());
}

void StatisticsDialog::PrintKnop_Click()
{
    PrintOnCurrentPrinter::run(this, askPdfFile, [this](PrinterCanvas &canvas) {
        PrintStatistics::print(canvas, m_statistics, measure(), m_collection.name(), QLocale());
    });
}
