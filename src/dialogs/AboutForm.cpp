#include "dialogs/AboutForm.h"

#include "storage/folder/ProgramFolder.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/VistaButton.h"

#include <QDir>
#include <QLabel>

namespace {

constexpr int OuterWidth = 7200;
constexpr int OuterHeight = 4050;
constexpr QColor Background{170, 240, 240};

QString line(const QString &caption, const QString &path)
{
    return AboutForm::tr("%1 : %2").arg(caption, QDir::toNativeSeparators(path));
}

} // namespace

AboutForm::AboutForm(const ProgramFolder &folder, const QString &language, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("Over Tessaron2"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, Background);

    Label1 = DialogLayout::addLabel(
        this, "Label1", tr("Tessaron2 Zegelarchief %1").arg(QStringLiteral(T2_VERSION)), 180, 150, 6600, 420);
    Label1->setFont(MainLook::titleFont());
    Label2 = DialogLayout::addLabel(
        this, "Label2",
        tr("Licentie : alle rechten voorbehouden door de ontwikkelaars van Tessaron2. De "
           "verspreider van dit pakket vermeldt de voorwaarden waaronder het wordt verspreid."),
        180, 690, 6600, 480);
    Label3 = DialogLayout::addLabel(this, "Label3",
                                    QStringList{line(tr("Programmamap"), folder.root()),
                                                line(tr("Verzamelingen"), folder.collectionFolder()),
                                                line(tr("Woordenlijsten"), folder.dataFolder()),
                                                line(tr("Instellingen"), folder.settingsFile()),
                                                line(tr("Help"), folder.helpFile(language))}
                                        .join(u'\n'),
                                    180, 1290, 6600, 1500);
    // The paths can be copied into a file manager or a message.
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);

    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 5940, 3000, 840, 330);
    connect(OkKnop, &VistaButton::Click, this, &QDialog::accept);
    new EnterConfirms(this, OkKnop);
}

void AboutForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}
