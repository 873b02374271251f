#pragma once

#include "catalogue/WantList.h"
#include "reports/ListToolDialog.h"

class OpenCollection;
class QLabel;
class QPlainTextEdit;

// "Mancolijst": the ranges of the open collection, one a line, and for each
// the numbers no record holds, worked out again as the ranges are typed. The
// ranges are kept with the collection when the window closes.
class WantListDialog : public ListToolDialog {
    Q_OBJECT

public:
    WantListDialog(const OpenCollection &collection, QWidget *parent);

    const WantList &wantList() const { return m_wantList; }

    void done(int result) override;

protected:
    void refresh() override;
    ListReport report() const override;
    QString fileName() const override;

private:
    QStringList ranges() const;

    const OpenCollection &m_collection;
    QLabel *m_rangesLabel = nullptr;
    QPlainTextEdit *m_rangesText = nullptr;
    WantList m_wantList;
    // The ranges as last read or written; a close with others writes them.
    QStringList m_savedRanges;
};
