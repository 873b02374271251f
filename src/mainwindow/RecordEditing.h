#pragma once

#include <QObject>

class DetailPanel;
class OpenCollection;
class QAbstractItemView;
class QWidget;
class VistaButton;

// The three buttons under the detail panel: add the panel as a new record,
// write it over the selected record, delete the selected record. Each is an
// edit of the open collection; nothing reaches the disk until it is saved.
class RecordEditing : public QObject {
    Q_OBJECT

public:
    // Hangs the commands on AddKnop, WijzigKnop and DelKnop.
    RecordEditing(DetailPanel *panel, QAbstractItemView *list, VistaButton *add, VistaButton *change,
                  VistaButton *remove, OpenCollection &collection, QWidget *window);

    void AddKnop_Click();
    void WijzigKnop_Click();
    void DelKnop_Click();

private:
    // False, after telling the user, when Text1 holds only blanks.
    bool catalogueNumberGiven();

    DetailPanel *Frame1;
    QAbstractItemView *ListView1;
    OpenCollection &m_collection;
    QWidget *m_window; // asks the questions
};
