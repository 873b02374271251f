#pragma once

#include <QDialog>

class ProgramFolder;
class QLabel;
class VistaButton;

// Help > "Over Tessaron2...": the version, the licence, the folders the program
// works on and the help document it opens, so that a collector can tell which
// copy of the program runs on which data.
class AboutForm : public QDialog {
    Q_OBJECT

public:
    // language: the language this run speaks, whose help document is named.
    AboutForm(const ProgramFolder &folder, const QString &language, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *Label1 = nullptr; // name and version
    QLabel *Label2 = nullptr; // the licence
    QLabel *Label3 = nullptr; // the folders and the help document
    VistaButton *OkKnop = nullptr;
};
