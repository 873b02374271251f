#pragma once

#include "reports/CollectionStatistics.h"
#include "reports/StatisticsChart.h"

#include <QDialog>

#include <functional>

class OpenCollection;
class QComboBox;
class QLabel;
class QScrollArea;
class QTableWidget;
class VistaButton;

// "Statistiek": the open collection counted and totalled per year, category
// or condition, as a table and as a bar chart of the chosen measure, both
// printable on the current printer. On screen the table can also total the
// latest values of one catalogue system the collection uses.
class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    StatisticsDialog(const OpenCollection &collection, QWidget *parent);

    // The question for a PDF file name, replaceable so that tests answer it; an
    // empty answer is a cancel.
    std::function<QString(QWidget *parent)> askPdfFile;

    const CollectionStatistics &statistics() const { return m_statistics; }
    StatisticsChart::Measure measure() const;
    // The chart as shown, drawn for the chart area's width.
    const QImage &chartImage() const { return m_chart; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void PrintKnop_Click();
    void fillTable();
    void drawChart();

    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr; // grouping
    QLabel *Label2 = nullptr;
    QComboBox *Combo2 = nullptr; // measure of the chart
    QLabel *Label3 = nullptr;
    QComboBox *Combo3 = nullptr; // catalogue system totalled beside the prices
    QTableWidget *Table1 = nullptr;
    QScrollArea *ChartArea = nullptr;
    QLabel *Chart1 = nullptr;
    VistaButton *PrintKnop = nullptr;
    VistaButton *OkKnop = nullptr;

    const OpenCollection &m_collection;
    CollectionStatistics m_statistics;
    QImage m_chart;
};
