#pragma once

#include "dialogs/ImportForm.h"
#include "importing/ColnectImport.h"

class QComboBox;
class QRadioButton;

// "Importeren uit Colnect": reads the stamp list behind a progress bar, then
// shows what it holds (rows, catalogue systems, countries with their counts,
// the first records as they will be stored) with the catalogue of Cat.nr.,
// the lists to take (a stamp only in lists left out is not imported), the
// per-country split, the name and whether existing collections are replaced
// or brought up to date. Ok writes, then opens the first collection; an update
// of the open collection is made in the window as one step that can be undone.
// Cancel writes nothing.
class ColnectImportForm : public ImportForm {
    Q_OBJECT

public:
    // The systems Label2 names; the rest are counted.
    static constexpr int SystemsNamed = 8;

    // background: the window; fieldColour: the lists and input fields.
    ColnectImportForm(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                      const QString &fileName, QWidget *parent);

private:
    StorageResult read(const std::function<bool(double done)> &progress) override;
    void showContents() override;
    QString readFailure(const QString &reason) const override;
    ColnectImport::Options options() const;
    void updatePreview();
    // True when the update brings the open collection up to date.
    bool updatesOpen(const ColnectImport::Options &chosen) const;
    void OkKnop_Click();

    QComboBox *Combo1 = nullptr;     // the catalogue of Cat.nr.
    QListWidget *List2 = nullptr;    // the lists, each with its tick
    QRadioButton *Option1 = nullptr; // new collections, existing ones replaced
    QRadioButton *Option2 = nullptr; // existing collections brought up to date

    ColnectImport m_import;
};
