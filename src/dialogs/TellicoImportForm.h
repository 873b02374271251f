#pragma once

#include "importing/TellicoImport.h"

#include <QDialog>

class OpenCollection;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QTableWidget;
class VistaButton;

// "Importeren uit Tellico": reads the file behind a progress bar, then shows
// what it holds (entries, countries with their counts, pictures found, the
// first records as they will be stored) with the choices of Categorie, Soort
// and Type, the per-country split and the name. Ok writes the collections and
// files the pictures, then opens the first collection; Cancel writes nothing.
class TellicoImportForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int PreviewRows = 8;

    // background: the window; fieldColour: the lists and input fields.
    TellicoImportForm(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                      const QString &fileName, QWidget *parent);

public slots:
    // While reading: stops the reading (nothing is written). Ignored while writing.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QComboBox *addChoice(const char *labelName, const char *name, const QString &caption,
                         const QString &listFile, int top);
    void readFile();
    void showContents();
    TellicoImport::Options options() const;
    void updatePreview();
    bool confirmReplacing(const TellicoImport::Options &options);
    void OkKnop_Click();

    QLabel *Label1 = nullptr;          // the file
    QProgressBar *Progress1 = nullptr; // reading and writing
    QLabel *Label2 = nullptr;          // entries and pictures
    QTableWidget *Grid1 = nullptr;     // the first records as they will be stored
    QListWidget *List1 = nullptr;      // countries with their counts
    QComboBox *Combo1 = nullptr;       // Categorie
    QComboBox *Combo2 = nullptr;       // Soort
    QComboBox *Combo3 = nullptr;       // Type
    QCheckBox *Check1 = nullptr;       // one collection per country
    QLineEdit *Text1 = nullptr;        // the name
    QLabel *Label3 = nullptr;          // the collections that will be written
    QLabel *Label4 = nullptr;          // what the collector should know
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

    OpenCollection &m_collection;
    QString m_fileName;
    QColor m_fieldColour;
    TellicoImport m_import;
    bool m_readStarted = false;
    bool m_reading = false;
    bool m_stopReading = false;
};
