#include "dialogs/OpenFile.h"

#include "dialogs/ConfirmReplaceCollection.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainLook.h"
#include "storage/CollectionFile.h"
#include "storage/CollectionListing.h"
#include "storage/FileHelpers.h"
#include "storage/OldDataFile.h"
#include "widgets/DialogLayout.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr int OuterWidth = 4485;
constexpr int OuterHeight = 3795;
constexpr QColor ListBackground{200, 220, 220};
constexpr QColor ListText{60, 60, 60};

} // namespace

OpenFile::OpenFile(Main &main)
    : QDialog(&main)
    , m_main(main)
    , m_openMode(main.openDialogMode())
{
    setObjectName(QStringLiteral("OpenFile"));
    setWindowTitle(m_openMode ? QStringLiteral("Open Verzameling") : QStringLiteral("Oude Data Importeren"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, main.panelColour());

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(Twips::rect(180, 180, 2400, 3000));
    MainLook::setBackground(List1, QPalette::Base, ListBackground);
    MainLook::setTextColour(List1, ListText);
    List1->addItems(m_openMode ? CollectionListing::collectionNames(main.programFolder())
                               : CollectionListing::oldDataNames(main.programFolder()));

    Label2 = DialogLayout::addLabel(
        this, "Label2",
        QStringLiteral("Maak d.m.v. de linker lijst een keuze uit de verzameling die u wilt openen."), 2700,
        180, 1500, 2100);

    DelKnop = DialogLayout::addButton(this, "DelKnop", QStringLiteral("Delete"), 2730, 2260, 1530, 330);
    CancelKnop = DialogLayout::addButton(this, "CancelKnop", QStringLiteral("Cancel"), 2730, 2830, 750, 330);
    OkKnop = DialogLayout::addButton(this, "OkKnop", QStringLiteral("Ok"), 3510, 2830, 750, 330);
    // Old-format files are never deleted, and no collection may be deleted
    // by a name that only an old file carries.
    DelKnop->setEnabled(m_openMode);

    connect(List1, &QListWidget::itemDoubleClicked, this, &OpenFile::OkKnop_Click);
    connect(OkKnop, &VistaButton::Click, this, &OpenFile::OkKnop_Click);
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
    if (!ConfirmReplaceCollection(m_main, this))
        return;

    // Loading may rename the collection after line 2 of its file.
    QString collectionName = name;
    if (m_openMode)
        LoadCollection(m_main.programFolder(), name, m_main.recordList(), collectionName);
    else
        ImportOldData(m_main.programFolder(), name, m_main.recordList());
    m_main.setCollectionName(collectionName);
    m_main.Label2->setText(QStringLiteral("Verzamelgebied : ") + collectionName);
    m_main.Label6->setText(QStringLiteral("Aantal Records : ") +
                           QString::number(m_main.recordList().count()));
    m_main.setUnsavedChanges(false);
    accept();
}

void OpenFile::DelKnop_Click()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    const QString question =
        QStringLiteral("Wilt u de verzameling '") + name +
        QStringLiteral("' verwijderen\r\ninclusief eventuele sub-mappen en afbeeldingen?");
    if (MessageBox::show(this, question, QStringLiteral("Delete"), MessageBox::Buttons::YesNo) !=
        MessageBox::Answer::Yes)
        return;

    // Failures are not reported: what can be removed is removed.
    const ProgramFolder &folder = m_main.programFolder();
    QFile::remove(folder.collectionFile(name));
    const QString pictures = CollectionListing::pictureFolderToDelete(folder, name);
    if (!pictures.isEmpty())
        DeleteFolderTree(pictures);
    delete List1->selectedItems().first();
    List1->clearSelection();
    List1->setCurrentItem(nullptr);
}
