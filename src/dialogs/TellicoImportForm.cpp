#include "dialogs/TellicoImportForm.h"

#include "storage/document/OpenCollection.h"
#include "storage/folder/CollectionName.h"
#include "storage/formats/LookupList.h"
#include "storage/text/Trim.h"
#include "storage/text/Windows1252.h"
#include "widgets/DialogLayout.h"
#include "widgets/MainLook.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

TellicoImportForm::TellicoImportForm(OpenCollection &collection, const QColor &background,
                                     const QColor &fieldColour, const QString &fileName, QWidget *parent)
    : ImportForm(collection, background, fieldColour, fileName, tr("Importeren uit Tellico"), parent)
{
    setObjectName(QStringLiteral("TellicoImportForm"));
    const ProgramFolder &folder = collection.programFolder();
    Combo1 = addChoice("Label7", "Combo1", StampRecord::columnTitle(StampRecord::Category),
                       folder.dataFile(QStringLiteral("Categorie.txt")), 3930);
    Combo2 = addChoice("Label8", "Combo2", StampRecord::columnTitle(StampRecord::Kind),
                       folder.dataFile(QStringLiteral("Soort.txt")), 4350);
    Combo3 = addChoice("Label9", "Combo3", StampRecord::columnTitle(StampRecord::Type),
                       folder.dataFile(QStringLiteral("Type.txt")), 4770);
    for (QComboBox *box : {Combo1, Combo2, Combo3}) {
        box->setEnabled(false);
        connect(box, &QComboBox::currentIndexChanged, this, &TellicoImportForm::updatePreview);
    }
    connect(Check1, &QCheckBox::toggled, this, &TellicoImportForm::updatePreview);
    connect(Text1, &QLineEdit::textChanged, this, &TellicoImportForm::updatePreview);
    connect(OkKnop, &VistaButton::Click, this, &TellicoImportForm::OkKnop_Click);
    orderTabs({List1, Combo1, Combo2, Combo3, Check1, Text1});
}

QComboBox *TellicoImportForm::addChoice(const char *labelName, const char *name, const QString &caption,
                                        const QString &listFile, int top)
{
    QLabel *label = DialogLayout::addLabel(this, labelName, caption, 4080, top + 45);
    auto *box = new QComboBox(this);
    label->setBuddy(box);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(Twips::rect(5580, top, 3600, 315));
    MainLook::setBackground(box, QPalette::Base, m_fieldColour);
    box->addItem(QStringLiteral("-"));
    for (const QString &word : LookupList::readNonBlank(listFile))
        box->addItem(word);
    return box;
}

StorageResult TellicoImportForm::read(const std::function<bool(double done)> &progress)
{
    return m_import.read(m_fileName, progress);
}

QString TellicoImportForm::readFailure(const QString &reason) const
{
    return tr("Tellico-bestand kon niet worden gelezen!\r\n%1").arg(reason);
}

void TellicoImportForm::showContents()
{
    Label2->setText(tr("Postzegels : %1    Afbeeldingen : %2 gevonden, %3 ontbreken")
                        .arg(m_import.entryCount())
                        .arg(m_import.picturesFound())
                        .arg(m_import.picturesMissing()));
    showCountries(countsOf(m_import.countries()));
    // The collection's own title, when it can be a name, else the file's.
    const QString title = Windows1252::filtered(m_import.title()).trimmed();
    Text1->setText(CollectionName::isValid(title) ? title : QFileInfo(m_fileName).completeBaseName());
    for (QComboBox *box : {Combo1, Combo2, Combo3})
        box->setEnabled(true);
    updatePreview();
}

TellicoImport::Options TellicoImportForm::options() const
{
    TellicoImport::Options chosen;
    chosen.name = Text1->text();
    chosen.perCountry = Check1->isChecked();
    chosen.category = Combo1->currentText();
    chosen.kind = Combo2->currentText();
    chosen.type = Combo3->currentText();
    return chosen;
}

void TellicoImportForm::updatePreview()
{
    if (isReading() || m_import.entryCount() == 0)
        return;
    const TellicoImport::Options chosen = options();
    showPreview(m_import.firstRecords(PreviewRows, chosen));
    const TellicoImport::Report plan = m_import.plan(chosen);
    showPlan(tr("Wordt geschreven : %1"), countsOf(plan.collections), plan.notes);
    OkKnop->setEnabled(!isBlank(chosen.name));
}

void TellicoImportForm::OkKnop_Click()
{
    const TellicoImport::Options chosen = options();
    if (!checkName(chosen.name))
        return;
    // The first collection is opened in place of the one that is open now.
    if (!confirmReplacing(m_import.existingCollections(m_collection.programFolder(), chosen), true))
        return;
    TellicoImport::Report report;
    const StorageResult written = writeBusy([&](const std::function<void(double)> &progress) {
        return m_import.write(m_collection.programFolder(), chosen, false, report, progress);
    });
    if (!written) {
        showFailure(tr("Tellico-bestand kon niet worden geïmporteerd!\r\n%1").arg(written.reason));
        return;
    }
    showReport(tr("%1 records en %2 afbeeldingen geïmporteerd in %3 verzameling(en).")
                   .arg(report.total.records)
                   .arg(report.total.pictures)
                   .arg(report.collections.size()),
               report.notes);
    openAndClose(report.collections.front().name);
}
