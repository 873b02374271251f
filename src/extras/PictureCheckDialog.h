#pragma once

#include "extras/PictureCheck.h"

#include <QDialog>

class Main;
class QLabel;
class QListWidget;
class QListWidgetItem;
class VistaButton;

// "Afbeeldingen controleren": the open collection's records without their
// picture and the files of its picture folder that no record uses, in one
// list. A double click on a line selects its record in the main window.
class PictureCheckDialog : public QDialog {
    Q_OBJECT

public:
    // The record of a line, kept with the line; -1 for a line without one.
    static constexpr int RowRole = Qt::UserRole;

    explicit PictureCheckDialog(Main &main);

    QLabel *Label1 = nullptr; // the counts
    QListWidget *List1 = nullptr;
    QLabel *Label2 = nullptr; // how pictures are matched
    VistaButton *OkKnop = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill(const PictureCheck &check);
    void List1_DblClick(QListWidgetItem *item);

    Main &m_main;
};
