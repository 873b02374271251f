#pragma once

#include "reports/PictureCheck.h"

#include <QDialog>

class OpenCollection;
class QLabel;
class QListWidget;
class QListWidgetItem;
class VistaButton;

// "Afbeeldingen controleren": the open collection's records without their
// picture and the files of its picture folder that no record uses, in one
// list. A double click on a line picks its record for the main window; a
// missing picture can be added from its line.
class PictureCheckDialog : public QDialog {
    Q_OBJECT

public:
    // The record of a line, kept with the line; -1 for a line without one.
    static constexpr int RowRole = Qt::UserRole;
    // True for a line of a record without its picture.
    static constexpr int MissingRole = Qt::UserRole + 1;

    PictureCheckDialog(const OpenCollection &collection, QWidget *parent);

signals:
    // A line with a record was double-clicked.
    void recordPicked(int row);
    // A picture is wanted for the record of the selected missing line; the
    // lists are checked again afterwards.
    void pictureWanted(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refresh();
    void fill(const PictureCheck &check);
    void AddPictureKnop_Click();
    void List1_DblClick(QListWidgetItem *item);

    QLabel *Label1 = nullptr; // the counts
    QListWidget *List1 = nullptr;
    QLabel *Label2 = nullptr;              // how pictures are matched
    VistaButton *AddPictureKnop = nullptr; // "Afbeelding toevoegen..." for the selected missing line
    VistaButton *OkKnop = nullptr;

    const OpenCollection &m_collection;
};
