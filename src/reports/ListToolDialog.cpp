#include "reports/ListToolDialog.h"

#include "printing/dialog/PdfFileQuestion.h"
#include "printing/dialog/PrintOnCurrentPrinter.h"
#include "storage/folder/TextFile.h"
#include "widgets/DialogLayout.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr QColor BackgroundColour{220, 220, 190};
constexpr QColor MarkedColour{150, 30, 30};
constexpr int Top = 150;
constexpr int TableTop = 600;
constexpr int ButtonHeight = 330;
constexpr int Margin = 180;

QString askCsvFileName(QWidget *parent, const QString &suggestedName)
{
    QFileDialog dialog(parent, ListToolDialog::tr("Exporteren naar CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(ListToolDialog::tr("CSV-bestanden (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setDirectory(QDir::home());
    dialog.selectFile(suggestedName + QStringLiteral(".csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

ListToolDialog::ListToolDialog(const Layout &layout, const QStringList &categories,
                               const QStringList &headings, std::vector<PrintListReport::Column> printColumns,
                               QWidget *parent)
    : QDialog(parent)
    , askCsvFile(askCsvFileName)
    , askPdfFile(PdfFileQuestion::ask)
    , m_outerWidth(layout.outerWidth)
    , m_outerHeight(layout.outerHeight)
    , m_printColumns(std::move(printColumns))
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BackgroundColour);
    setPalette(palette);

    const int left = layout.tableLeft;
    // The inside of the window, under its caption and within its frame.
    const int bottom = layout.outerHeight - 600;
    m_categoryLabel = DialogLayout::addLabel(this, "CategoryLabel", tr("Categorie"), left, Top + 45);
    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("CategoryCombo"));
    m_categoryCombo->addItem(tr("(alle)"));
    m_categoryCombo->addItems(categories);
    m_categoryCombo->setGeometry(Twips::rect(left + 900, Top, 2400, 315));
    m_categoryLabel->setBuddy(m_categoryCombo);

    m_table = new QTableWidget(0, static_cast<int>(headings.size()), this);
    m_table->setObjectName(QStringLiteral("ResultTable"));
    m_table->setGeometry(
        Twips::rect(left, TableTop, layout.tableWidth, bottom - ButtonHeight - 480 - TableTop));
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The column before the count takes the room the others leave.
    m_table->horizontalHeader()->setSectionResizeMode(std::max(0, m_table->columnCount() - 2),
                                                      QHeaderView::Stretch);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row) { lineChosen(row); });

    m_totalLabel = DialogLayout::addLabel(this, "TotalLabel", QString(), left, bottom - ButtonHeight - 390,
                                          layout.tableWidth, 255);

    const int buttonTop = bottom - ButtonHeight;
    const int right = left + layout.tableWidth;
    m_copyButton =
        DialogLayout::addButton(this, "CopyKnop", tr("Kopiëren"), left, buttonTop, 1100, ButtonHeight);
    m_csvButton = DialogLayout::addButton(this, "CsvKnop", tr("Exporteren naar CSV..."), left + 1190,
                                          buttonTop, 2100, ButtonHeight);
    m_printButton = DialogLayout::addButton(this, "PrintKnop", tr("Afdrukken"), right - 2030, buttonTop, 1100,
                                            ButtonHeight);
    m_closeButton =
        DialogLayout::addButton(this, "OkKnop", tr("Sluiten"), right - 840, buttonTop, 840, ButtonHeight);
    connect(m_copyButton, &VistaButton::Click, this, &ListToolDialog::CopyKnop_Click);
    connect(m_csvButton, &VistaButton::Click, this, &ListToolDialog::CsvKnop_Click);
    connect(m_printButton, &VistaButton::Click, this, &ListToolDialog::PrintKnop_Click);
    connect(m_closeButton, &VistaButton::Click, this, &QDialog::accept);
    connect(m_categoryCombo, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
}

QWidget *ListToolDialog::firstSharedControl() const
{
    return m_categoryCombo;
}

QString ListToolDialog::category() const
{
    return m_categoryCombo->currentIndex() > 0 ? m_categoryCombo->currentText() : QString();
}

void ListToolDialog::showLines(const std::vector<QStringList> &lines, const std::vector<bool> &marked,
                               const QString &total)
{
    m_table->setRowCount(static_cast<int>(lines.size()));
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        const QStringList &line = lines[static_cast<size_t>(row)];
        for (int column = 0; column < line.size() && column < m_table->columnCount(); ++column) {
            auto *item = new QTableWidgetItem(line.at(column));
            if (column == m_table->columnCount() - 1 && column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (marked[static_cast<size_t>(row)])
                item->setForeground(MarkedColour);
            m_table->setItem(row, column, item);
        }
    }
    m_totalLabel->setText(total);
}

void ListToolDialog::lineChosen(int) {}

void ListToolDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, m_outerWidth, m_outerHeight);
}

void ListToolDialog::CopyKnop_Click()
{
    QGuiApplication::clipboard()->setText(report().text());
}

void ListToolDialog::CsvKnop_Click()
{
    const QString file = askCsvFile(this, fileName());
    if (file.isEmpty())
        return;
    const StorageResult written = TextFile::writeBytes(file, report().csv());
    if (!written)
        MessageBox::show(this, tr("CSV-bestand kon niet worden geschreven!\r\n%1").arg(written.reason),
                         tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
}

void ListToolDialog::PrintKnop_Click()
{
    const ListReport printed = report();
    PrintOnCurrentPrinter::run(this, askPdfFile, [&](PrinterCanvas &canvas) {
        PrintListReport::print(canvas, printed, m_printColumns);
    });
}
