#pragma once

#include "storage/catalogue/CatalogueEntries.h"

#include <QDialog>
#include <QImage>

class OpenCollection;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class VistaButton;

// "Catalogusnummers": the numbers a record's stamp has in other catalogue
// systems, with their values and editions. The collector adds, changes and
// removes entries in a list of the window's own; Ok gives the collection the
// whole list as one step of its history (none when nothing changed), Cancel
// gives it nothing. The systems offered are the known ones, those the
// collection uses and the collector's own, kept in the word list
// Data/Catalogi.txt, to which a system first typed here is added.
class CatalogueEntriesDialog : public QDialog {
    Q_OBJECT

public:
    // row: the record whose stamp's entries are edited; it must exist.
    CatalogueEntriesDialog(OpenCollection &collection, int row, QWidget *parent);

    // The list as the window holds it now, in the order it shows.
    const CatalogueEntries::List &entries() const { return m_entries; }
    // The chart as shown (empty image while no system is chosen).
    const QImage &chartImage() const { return m_chart; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void AddKnop_Click();
    void ChangeKnop_Click();
    void RemoveKnop_Click();
    void OkKnop_Click();
    // The entry the fields hold; false (and the collector told) when its
    // system or number is missing.
    bool entryInFields(CatalogueEntry &entry);
    // Puts the entry into the list, in the place of the one at replacing
    // (-1: none) and of any other of the same system and edition.
    void place(const CatalogueEntry &entry, qsizetype replacing);
    void showEntries(qsizetype selected);
    void entrySelected();
    void drawChart();
    qsizetype selectedIndex() const;
    // The fields hold an entry the list does not have.
    bool fieldsPending() const;
    void keepNewSystems();

    QLabel *StampLabel = nullptr;
    QTableWidget *EntryTable = nullptr;
    QLabel *SystemLabel = nullptr;
    QComboBox *SystemCombo = nullptr;
    QLabel *NumberLabel = nullptr;
    QLineEdit *NumberText = nullptr;
    QLabel *ValueLabel = nullptr;
    QLineEdit *ValueText = nullptr;
    QLabel *EditionLabel = nullptr;
    QLineEdit *EditionText = nullptr;
    VistaButton *AddKnop = nullptr;
    VistaButton *ChangeKnop = nullptr;
    VistaButton *RemoveKnop = nullptr;
    QLabel *ChartCaption = nullptr;
    QLabel *ValueChart = nullptr;
    QLabel *HintLabel = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

    OpenCollection &m_collection;
    int m_row;
    const CatalogueEntries::List m_original;
    CatalogueEntries::List m_entries;
    QStringList m_ownSystems; // Data/Catalogi.txt as read
    QImage m_chart;
};
