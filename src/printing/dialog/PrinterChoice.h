#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class VistaButton;

// The printer box of the print dialog for the windows that print a document
// of their own (want list, trade list, statistics): the system's printers and
// "PDF-bestand", the current printer chosen. "Print" makes the chosen entry the
// current printer, as the print dialog does; "Cancel" leaves it.
class PrinterChoice : public QDialog {
    Q_OBJECT

public:
    explicit PrinterChoice(QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr; // the printers
    VistaButton *CancelKnop = nullptr;
    VistaButton *PrintKnop = nullptr;
};
