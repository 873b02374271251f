#pragma once

#include "storage/folder/ProgramFolder.h"

#include <QCollator>
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class SweepStrip;
class VistaButton;

// The word-list editor: pick one list of the data folder, add and delete words,
// and write the list back with OK. Only OK writes: choosing another list or
// Cancel drops what was changed. Open it modally with exec().
class EditData : public QDialog {
    Q_OBJECT

public:
    explicit EditData(const ProgramFolder &folder, QWidget *parent = nullptr);

public slots:
    // Escape and the close box come here too; both are ignored while OK is saving.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void Combo1_Click();
    void List1_Click();
    void AddKnop_Click();
    void DeleteKnop_Click();
    void OkKnop_Click();

    void showCount(const char *wording);
    void sortInOrder(QStringList &texts) const;
    QStringList words() const;
    void sweep();
    // While OK saves, the window ignores its buttons, its close box and the list choice.

    ProgramFolder m_folder;
    // Words and file names are ordered without regard to case, as the user's
    // language orders them.
    QCollator m_order;

    QComboBox *Combo1 = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *Label2 = nullptr; // word count
    QLineEdit *Text1 = nullptr;
    SweepStrip *Bar = nullptr;
    VistaButton *AddKnop = nullptr;
    VistaButton *DeleteKnop = nullptr;
    QLabel *Label5 = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;
};
