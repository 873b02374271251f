#pragma once

#include "catalogue/TradeList.h"
#include "reports/ListToolDialog.h"

class OpenCollection;
class QComboBox;

// "Dubbelen": the catalogue numbers the open collection holds more than once,
// with how many times each, counted by the collection's own Cat.nr. or by a
// system of its stamps' other numbers. A double click on a line picks its
// first record for the main window.
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
    // The chosen system; empty for the own Cat.nr.
    QString system() const;

    const OpenCollection &m_collection;
    QComboBox *m_systemCombo = nullptr;
    TradeList m_tradeList;
};
