#pragma once

#include "storage/StampRecord.h"
#include "storage/formats/CsvFile.h"
#include "storage/formats/CsvMapping.h"

#include <QDialog>

#include <array>
#include <vector>

class OpenCollection;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTableWidget;
class VistaButton;

// Brings the rows of a spreadsheet file into the list: shows the first rows,
// lets the user choose which column fills which field and which columns hold
// numbers in other catalogue systems (those the header names and those the
// collection uses), and appends the records to the list or replaces the list
// with them. Nothing is written to disk; the list is marked as changed.
class CsvImportForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int PreviewRows = 8;

    // background: the window; fieldColour: the preview and the column boxes.
    CsvImportForm(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                  const QString &fileName, CsvFile::Table table, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildPreview();
    void buildMapping();
    void buildSystemMapping(const QStringList &systems);
    // A caption and a box listing the columns, with their names.
    QComboBox *addColumnChoice(const QString &labelName, const QString &boxName, const QString &caption,
                               int left, int top);
    void Check1_Click();
    void showMapping(const CsvMapping &mapping);
    CsvMapping chosenMapping() const;
    void updateResult();
    void OkKnop_Click();

    QLabel *Label1 = nullptr;      // the file
    QTableWidget *Grid1 = nullptr; // the first rows as read
    QLabel *Label2 = nullptr;      // number of rows and the separator
    QCheckBox *Check1 = nullptr;   // the first row holds column names
    // Per field, in field order: the column that fills it, or "(leeg)".
    std::array<QComboBox *, StampRecord::FieldCount> Combo{};
    // Per system offered: the column that holds its numbers, or "(leeg)".
    struct SystemChoice {
        QString system;
        QComboBox *box = nullptr;
    };
    std::vector<SystemChoice> m_systemChoices;
    QRadioButton *Option1 = nullptr; // append to the list
    QRadioButton *Option2 = nullptr; // replace the list
    QLabel *Label3 = nullptr;        // number of records to import
    QLabel *Label4 = nullptr;        // characters a collection file cannot hold
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

    OpenCollection &m_collection;
    QColor m_fieldColour;
    int m_outerHeight = 0;
    CsvFile::Table m_table;
    QStringList m_collectionSystems;
    CsvMapping::Result m_result;
};
