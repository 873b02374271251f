#include "catalogue/TradeListDialog.h"

#include "catalogue/RecordCategory.h"
#include "printing/PrintText.h"
#include "storage/document/OpenCollection.h"
#include "widgets/DialogLayout.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

namespace {

constexpr int TableWidth = 5700;
// The window's column titles, and the same titles as the list leaves the
// program (paper, spreadsheet), each translated on its own.
QStringList shownHeadings()
{
    return {TradeListDialog::tr("Catalogusnummer"), TradeListDialog::tr("Aantal")};
}

QStringList reportHeadings()
{
    return {PrintText::tr("Catalogusnummer"), PrintText::tr("Aantal")};
}

} // namespace

TradeListDialog::TradeListDialog(const OpenCollection &collection, QWidget *parent)
    : ListToolDialog({180 + TableWidth + 330, 7800, 180, TableWidth},
                     RecordCategory::namesIn(collection.records().records()), shownHeadings(),
                     {{1200, 4000, false}, {5400, 1200, true}}, parent)
    , m_collection(collection)
{
    setObjectName(QStringLiteral("TradeListDialog"));
    setWindowTitle(tr("Dubbelen %1").arg(collection.name()));
    QLabel *systemLabel = DialogLayout::addLabel(this, "SystemLabel", tr("Tellen op"), 3600, 195);
    m_systemCombo = new QComboBox(this);
    m_systemCombo->setObjectName(QStringLiteral("SystemCombo"));
    m_systemCombo->addItem(tr("Cat.nr."));
    m_systemCombo->addItems(collection.catalogueEntries().systemsInUse());
    m_systemCombo->setGeometry(Twips::rect(4500, 150, 1380, 315));
    systemLabel->setBuddy(m_systemCombo);
    setTabOrder(firstSharedControl(), m_systemCombo);
    connect(m_systemCombo, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    refresh();
}

QString TradeListDialog::system() const
{
    return m_systemCombo->currentIndex() > 0 ? m_systemCombo->currentText() : QString();
}

void TradeListDialog::refresh()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_tradeList = TradeList::of(m_collection.records().records(), category(),
                                &m_collection.catalogueEntries(), system());
    qulonglong extra = 0;
    for (const TradeList::Entry &entry : m_tradeList.entries())
        extra += static_cast<qulonglong>(entry.count - 1);
    showLines(m_tradeList.rows(), std::vector<bool>(m_tradeList.entries().size(), false),
              tr("Dubbel : %1 nummers, %2 te ruilen").arg(m_tradeList.entries().size()).arg(extra));
    QApplication::restoreOverrideCursor();
}

ListReport TradeListDialog::report() const
{
    return {PrintText::tr("Dubbelen %1").arg(m_collection.name()), reportHeadings(), m_tradeList.rows(), {}};
}

QString TradeListDialog::fileName() const
{
    return QStringLiteral("Dubbelen ") + m_collection.name();
}

void TradeListDialog::lineChosen(int line)
{
    if (line >= 0 && line < static_cast<int>(m_tradeList.entries().size()))
        emit recordPicked(m_tradeList.entries()[static_cast<size_t>(line)].firstRow);
}
