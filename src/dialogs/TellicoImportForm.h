#pragma once

#include "dialogs/ImportForm.h"
#include "importing/TellicoImport.h"

class QComboBox;

// "Importeren uit Tellico": reads the file behind a progress bar, then shows
// what it holds (entries, countries with their counts, pictures found, the
// first records as they will be stored) with the choices of Categorie, Soort
// and Type, the per-country split and the name. Ok writes the collections and
// files the pictures, then opens the first collection; Cancel writes nothing.
class TellicoImportForm : public ImportForm {
    Q_OBJECT

public:
    // background: the window; fieldColour: the lists and input fields.
    TellicoImportForm(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                      const QString &fileName, QWidget *parent);

private:
    QComboBox *addChoice(const char *labelName, const char *name, const QString &caption,
                         const QString &listFile, int top);
    StorageResult read(const std::function<bool(double done)> &progress) override;
    void showContents() override;
    QString readFailure(const QString &reason) const override;
    TellicoImport::Options options() const;
    void updatePreview();
    void OkKnop_Click();

    QComboBox *Combo1 = nullptr; // Categorie
    QComboBox *Combo2 = nullptr; // Soort
    QComboBox *Combo3 = nullptr; // Type

    TellicoImport m_import;
};
