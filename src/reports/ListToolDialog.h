#pragma once

#include "reports/ListReport.h"
#include "reports/PrintListReport.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;
class VistaButton;

// What the want list and the trade list windows share: a category choice, the
// result as a table with a total under it, and buttons to copy the list as
// text, export it as CSV, print it and close the window. The window beside
// the table, if any, is its subclass's.
class ListToolDialog : public QDialog {
    Q_OBJECT

public:
    // The questions for a CSV or PDF file name, replaceable so that tests answer
    // them; an empty answer is a cancel.
    std::function<QString(QWidget *parent, const QString &suggestedName)> askCsvFile;
    std::function<QString(QWidget *parent)> askPdfFile;

protected:
    struct Layout {
        int outerWidth; // twips, frame included
        int outerHeight;
        int tableLeft;
        int tableWidth;
    };

    ListToolDialog(const Layout &layout, const QStringList &categories, const QStringList &headings,
                   std::vector<PrintListReport::Column> printColumns, QWidget *parent);

    // The first of the shared controls in the tab order.
    QWidget *firstSharedControl() const;
    // The chosen category; empty for all records.
    QString category() const;
    // Shows the lines; a marked line is drawn in red.
    void showLines(const std::vector<QStringList> &lines, const std::vector<bool> &marked,
                   const QString &total);
    // Called when the category changes: work out the list again and show it.
    virtual void refresh() = 0;
    // The list as it is copied, exported and printed.
    virtual ListReport report() const = 0;
    // The name a CSV file is offered under.
    virtual QString fileName() const = 0;
    // A line of the table was double-clicked.
    virtual void lineChosen(int line);

    void showEvent(QShowEvent *event) override;

private:
    void CopyKnop_Click();
    void CsvKnop_Click();
    void PrintKnop_Click();

    int m_outerWidth;
    int m_outerHeight;
    std::vector<PrintListReport::Column> m_printColumns;
    QLabel *m_categoryLabel = nullptr;
    QComboBox *m_categoryCombo = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_totalLabel = nullptr;
    VistaButton *m_copyButton = nullptr;
    VistaButton *m_csvButton = nullptr;
    VistaButton *m_printButton = nullptr;
    VistaButton *m_closeButton = nullptr;
};
