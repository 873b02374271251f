#pragma once

#include "storage/document/RecordSearch.h"

#include <QFrame>

class CatalogueEntries;
class QAbstractItemView;
class QLabel;
class QLineEdit;
class RecordList;
class VistaButton;

// The search bar above the main window's list: a text and the buttons
// "Volgende" and "Vorige" select the next or previous record in which any
// field contains the text, letter case ignored. While the bar shows, the list
// starts below it; hidden, it takes no room at all.
class FindBar : public QFrame {
    Q_OBJECT

public:
    static constexpr int HeightTwips = 390;
    // The bar and a small gap above the list.
    static constexpr int ReservedTwips = 450;

    // Stands in the list's parent, above the list.
    FindBar(QAbstractItemView *list, const RecordList &records, const CatalogueEntries &entries,
            QWidget *parent);

    // Shows the bar (unless the list is out of sight) with its text selected for typing.
    void open();
    // Hides the bar, gives its room back to the list and the focus to the list.
    void close();
    void findNext();
    void findPrevious();

signals:
    // The record found, for the window to select and show.
    void recordPicked(int row);
    // The room the bar takes above the list, in twips: ReservedTwips or 0.
    void roomTaken(int twips);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void find(RecordSearch::Direction direction);
    void followList();

    QLabel *ZoekLabel = nullptr;
    QLineEdit *ZoekText = nullptr;
    VistaButton *VolgendeKnop = nullptr;
    VistaButton *VorigeKnop = nullptr;
    QLabel *ZoekStatus = nullptr;
    VistaButton *SluitKnop = nullptr;

    // The list whose size the bar follows.
    QAbstractItemView *m_list;
    const RecordList &m_records;
    const CatalogueEntries &m_entries;
};
