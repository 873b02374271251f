#pragma once

#include <QDialog>

class Main;
class QLabel;
class QListWidget;
class VistaButton;

// Lists the collections of the collection folder to open or delete one; in
// import mode (the main window's OpenDialogMode false) it lists the old-format
// files and imports the chosen one instead.
class OpenFile : public QDialog {
    Q_OBJECT

public:
    explicit OpenFile(Main &main);

    QListWidget *List1 = nullptr; // names without their extension
    QLabel *Label2 = nullptr;
    VistaButton *DelKnop = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OkKnop_Click();
    void DelKnop_Click();
    QString selectedName() const;

    Main &m_main;
    bool m_openMode;
};
