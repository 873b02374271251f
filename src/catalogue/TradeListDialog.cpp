#include "catalogue/TradeListDialog.h"

#include "catalogue/RecordCategory.h"
#include "printing/PrintText.h"
#include "storage/document/OpenCollection.h"

#include <QApplication>

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
    refresh();
}

void TradeListDialog::refresh()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_tradeList = TradeList::of(m_collection.records().records(), category());
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
