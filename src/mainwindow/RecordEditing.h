#pragma once

#include <QObject>

class Main;

// The three buttons under the detail panel: add the panel as a new record,
// write it over the selected record, delete the selected record. Each marks
// the collection as changed; nothing reaches the disk until it is saved.
class RecordEditing : public QObject {
    Q_OBJECT

public:
    // Hangs the commands on AddKnop, WijzigKnop and DelKnop.
    explicit RecordEditing(Main &window);

    void AddKnop_Click();
    void WijzigKnop_Click();
    void DelKnop_Click();

private:
    // False, after telling the user, when Text1 holds only blanks.
    bool catalogueNumberGiven();

    Main &m_window;
};
