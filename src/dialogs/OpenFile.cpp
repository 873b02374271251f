#include "dialogs/OpenFile.h"

#include "dialogs/ConfirmReplaceCollection.h"
#include "storage/document/OpenCollection.h"
#include "storage/folder/CollectionListing.h"
#include "storage/folder/FileHelpers.h"
#include "storage/keeping/CollectionFiles.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QLabel>
#include <QListWidget>

namespace {

constexpr int OuterWidth = 4485;
constexpr int OuterHeight = 3795;
constexpr QColor ListBackground{200, 220, 220};
constexpr QColor ListText{60, 60, 60};

} // namespace

OpenFile::OpenFile(OpenCollection &collection, Mode mode, const QColor &background, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_mode(mode)
{
    const bool openMode = mode == Mode::Open;
    setObjectName(QStringLiteral("OpenFile"));
    setWindowTitle(openMode ? tr("Open Verzameling") : tr("Oude Data Importeren"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, background);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    ReaderNames::name(List1, openMode ? tr("Verzamelingen") : tr("Oude data"));
    List1->setGeometry(Twips::rect(180, 180, 2400, 3000));
    MainLook::setBackground(List1, QPalette::Base, ListBackground);
    MainLook::setTextColour(List1, ListText);
    List1->addItems(openMode ? CollectionListing::collectionNames(collection.programFolder())
                             : CollectionListing::oldDataNames(collection.programFolder()));

    Label2 = DialogLayout::addLabel(
        this, "Label2", tr("Maak d.m.v. de linker lijst een keuze uit de verzameling die u wilt openen."),
        2700, 180, 1500, 2100);

    DelKnop = DialogLayout::addButton(this, "DelKnop", tr("Delete"), 2730, 2260, 1530, 330);
    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 2730, 2830, 750, 330);
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 3510, 2830, 750, 330);
    // Old-format files are never deleted, and no collection may be deleted
    // by a name that only an old file carries.
    DelKnop->setEnabled(openMode);

    connect(List1, &QListWidget::itemDoubleClicked, this, &OpenFile::OkKnop_Click);
    connect(OkKnop, &VistaButton::Click, this, &OpenFile::OkKnop_Click);
    new EnterConfirms(this, OkKnop);
    connect(DelKnop, &VistaButton::Click, this, &OpenFile::DelKnop_Click);
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
}

void OpenFile::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

QString OpenFile::selectedName() const
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void OpenFile::OkKnop_Click()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    if (!ConfirmReplaceCollection(m_collection, this))
        return;

    // A file that cannot be read gives an empty collection, without a word.
    if (m_mode == Mode::Open)
        static_cast<void>(m_collection.open(name));
    else
        static_cast<void>(m_collection.importOldData(name));
    accept();
}

void OpenFile::DelKnop_Click()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    const QString question =
        tr("Wilt u de verzameling '%1' verwijderen\r\ninclusief eventuele sub-mappen en afbeeldingen?")
            .arg(name);
    if (MessageBox::show(this, question, tr("Delete"), MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes)
        return;

    // The file is kept as a version first, so a regretted delete can be undone
    // from "Vorige versies...". When that fails nothing is deleted.
    const ProgramFolder &folder = m_collection.programFolder();
    const StorageResult deleted = CollectionFiles(folder, name).remove();
    if (!deleted) {
        MessageBox::show(this, tr("Verzameling kon niet worden verwijderd!\r\n%1").arg(deleted.reason),
                         tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
        return;
    }
    // Failures within the picture folder are not reported: what can be removed is removed.
    const QString pictures = CollectionListing::pictureFolderToDelete(folder, name);
    if (!pictures.isEmpty())
        static_cast<void>(DeleteFolderTree(pictures));
    delete List1->selectedItems().first();
    List1->clearSelection();
    List1->setCurrentItem(nullptr);
}
