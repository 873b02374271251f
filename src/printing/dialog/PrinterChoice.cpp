#include "printing/dialog/PrinterChoice.h"

#include "printing/dialog/CurrentPrinter.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int OuterWidth = 4500;
constexpr int OuterHeight = 1650;
constexpr QColor Background{170, 240, 240};
// The printer box's colour in the print dialog.
constexpr QColor BoxColour{240, 210, 210};

} // namespace

PrinterChoice::PrinterChoice(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PrinterChoice"));
    setWindowTitle(tr("Afdrukken"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, Background);

    Label1 = DialogLayout::addLabel(this, "Label1", tr("Printerkeuze"), 180, 150);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(Twips::rect(180, 390, 4020, 315));
    MainLook::setBackground(Combo1, QPalette::Button, BoxColour);
    MainLook::setBackground(Combo1, QPalette::Base, BoxColour);
    ReaderNames::labelField(Label1, Combo1);
    Combo1->addItems(CurrentPrinter::choices());
    Combo1->setCurrentIndex(static_cast<int>(CurrentPrinter::choices().indexOf(CurrentPrinter::name())));

    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 2460, 870, 840, 330);
    PrintKnop = DialogLayout::addButton(this, "PrintKnop", tr("Print"), 3360, 870, 840, 330);
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(PrintKnop, &VistaButton::Click, this, [this] {
        CurrentPrinter::select(Combo1->currentIndex());
        accept();
    });
    new EnterConfirms(this, PrintKnop);
    Combo1->setFocus();
}

void PrinterChoice::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}
