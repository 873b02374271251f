#pragma once

#include "extras/RecordSearch.h"

#include <QFrame>

class Main;
class QLabel;
class QLineEdit;
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

    explicit FindBar(Main &main);

    // Shows the bar (unless the list is out of sight) with its text selected for typing.
    void open();
    // Hides the bar, gives its room back to the list and the focus to the list.
    void close();
    void findNext();
    void findPrevious();

    QLabel *ZoekLabel = nullptr;
    QLineEdit *ZoekText = nullptr;
    VistaButton *VolgendeKnop = nullptr;
    VistaButton *VorigeKnop = nullptr;
    QLabel *ZoekStatus = nullptr;
    VistaButton *SluitKnop = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void find(RecordSearch::Direction direction);
    void followList();

    Main &m_main;
    // The list whose size the bar follows; kept apart from the window, whose
    // events still reach the filter while the window is being destroyed.
    QWidget *m_list = nullptr;
};
