#pragma once

#include <QDialog>

class OpenCollection;
class QComboBox;
class QLabel;
class VistaButton;

// Starts a new, empty collection under a name from the country and theme lists
// or one the user types. Nothing is written: the file and the picture folder
// come with the first save.
class NieuwForm : public QDialog {
    Q_OBJECT

public:
    NieuwForm(OpenCollection &collection, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OkKnop_Click();

    QComboBox *Combo1 = nullptr; // the name
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr; // instruction with the number of names offered
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

    OpenCollection &m_collection;
};
