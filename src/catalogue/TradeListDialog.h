#pragma once

#include "catalogue/TradeList.h"
#include "reports/ListToolDialog.h"

class OpenCollection;

// "Dubbelen": the catalogue numbers the open collection holds more than once,
// with how many times each. A double click on a line picks its first record
// for the main window.
class TradeListDialog : public ListToolDialog {
    Q_OBJECT

public:
    TradeListDialog(const OpenCollection &collection, QWidget *parent);

    const TradeList &tradeList() const { return m_tradeList; }

signals:
    void recordPicked(int row);

protected:
    void refresh() override;
    ListReport report() const override;
    QString fileName() const override;
    void lineChosen(int line) override;

private:
    const OpenCollection &m_collection;
    TradeList m_tradeList;
};
