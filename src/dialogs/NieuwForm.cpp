#include "dialogs/NieuwForm.h"

#include "dialogs/ConfirmReplaceCollection.h"
#include "storage/document/OpenCollection.h"
#include "storage/formats/LookupList.h"
#include "storage/keeping/CollectionFiles.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"
#include "widgets/Windows1252Validator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int OuterWidth = 4950;
constexpr int OuterHeight = 2100;
constexpr QColor Background{170, 240, 240};
constexpr QColor ComboBackground{230, 230, 230};

} // namespace

NieuwForm::NieuwForm(OpenCollection &collection, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
{
    setObjectName(QStringLiteral("NieuwForm"));
    setWindowTitle(tr("Nieuwe Verzameling"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, Background);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // The name is exactly what was typed: no inline completion, no list entry taken on leaving.
    Combo1->setCompleter(nullptr);
    Combo1->lineEdit()->setValidator(new Windows1252Validator(Combo1));
    MainLook::setBackground(Combo1, QPalette::Base, ComboBackground);
    Combo1->move(Twips::toPixels(150), Twips::toPixels(150));
    Combo1->resize(Twips::toPixels(3000), Combo1->sizeHint().height());

    Label1 = DialogLayout::addLabel(this, "Label1", tr("Landen / Motief"), 3210, 195);
    ReaderNames::labelField(Label1, Combo1);

    const ProgramFolder &folder = collection.programFolder();
    Combo1->addItems(LookupList::readTrimmed(folder.dataFile(QStringLiteral("Landen.txt"))));
    Combo1->addItems(LookupList::readTrimmed(folder.dataFile(QStringLiteral("Motief.txt"))));
    Combo1->setCurrentIndex(0);

    Label2 = DialogLayout::addLabel(
        this, "Label2",
        tr("Maak een keuze uit het rolmenu voor het aanmaken van één van de %1 landen of motief "
           "verzamelingen, of typ zelf een gekozen naam in.")
            .arg(Combo1->count()),
        180, 615, 2700, 960);

    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 3030, 1200, 840, 330);
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 3900, 1200, 840, 330);

    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(OkKnop, &VistaButton::Click, this, &NieuwForm::OkKnop_Click);
    new EnterConfirms(this, OkKnop);
}

void NieuwForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

void NieuwForm::OkKnop_Click()
{
    // Taken as typed: a name of spaces only is a name.
    const QString name = Combo1->currentText();
    if (name.isEmpty())
        return;
    const QString errorCaption = tr("Error");
    // The name becomes a file and a folder name at the first save.
    if (const StorageResult named = CollectionFiles::checkNewName(m_collection.programFolder(), name);
        !named) {
        MessageBox::show(this, named.reason, errorCaption);
        return;
    }
    // Also in another spelling: that is the same collection.
    if (const CollectionFiles existing(m_collection.programFolder(), name); existing.exists()) {
        MessageBox::show(this, tr("Verzameling '%1' bestaat reeds!").arg(existing.name()), errorCaption);
        return;
    }
    if (!ConfirmReplaceCollection(m_collection, this))
        return;
    m_collection.startNew(name);
    accept();
}
