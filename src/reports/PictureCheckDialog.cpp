#include "reports/PictureCheckDialog.h"

#include "storage/document/OpenCollection.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPalette>

namespace {

constexpr int OuterWidth = 7500;
constexpr int OuterHeight = 6600;
constexpr QColor BackgroundColour{220, 220, 190};
constexpr QColor MissingColour{150, 30, 30};
constexpr QColor UnusedColour{30, 30, 120};

} // namespace

PictureCheckDialog::PictureCheckDialog(const OpenCollection &collection, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
{
    setObjectName(QStringLiteral("PictureCheckDialog"));
    setWindowTitle(tr("Afbeeldingen controleren"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BackgroundColour);
    setPalette(palette);

    Label1 = DialogLayout::addLabel(this, "Label1", QString(), 180, 150, 7000, 255);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    ReaderNames::name(List1, tr("Uitkomst van de controle"));
    List1->setGeometry(Twips::rect(180, 450, 7000, 4350));
    Label2 = DialogLayout::addLabel(
        this, "Label2",
        tr("Een afbeelding hoort bij een record als ze in de map van het jaartal staat en het "
           "catalogusnummer met .jpg als naam heeft (hoofdletters tellen niet). Andere bestanden, "
           "ook die geen .jpg zijn, tellen als niet gebruikt. Dubbelklik op een regel om het "
           "record in de lijst te kiezen."),
        180, 4920, 7000, 840);
    AddPictureKnop =
        DialogLayout::addButton(this, "AddPictureKnop", tr("Afbeelding toevoegen..."), 180, 5820, 2200, 330);
    AddPictureKnop->setEnabled(false);
    connect(AddPictureKnop, &VistaButton::Click, this, &PictureCheckDialog::AddPictureKnop_Click);
    connect(List1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *current) {
        AddPictureKnop->setEnabled(current && current->data(MissingRole).toBool());
    });
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 6340, 5820, 840, 330);
    connect(OkKnop, &VistaButton::Click, this, &QDialog::accept);
    new EnterConfirms(this, OkKnop);
    connect(List1, &QListWidget::itemDoubleClicked, this, &PictureCheckDialog::List1_DblClick);

    refresh();
}

void PictureCheckDialog::refresh()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    List1->clear();
    fill(PictureCheck::run(m_collection.programFolder(), m_collection.name(), m_collection.records()));
    QApplication::restoreOverrideCursor();
}

void PictureCheckDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

void PictureCheckDialog::fill(const PictureCheck &check)
{
    Label1->setText(tr("Ontbrekende afbeeldingen : %1        Niet gebruikte bestanden : %2")
                        .arg(check.missing.size())
                        .arg(check.unused.size()));
    for (const PictureCheck::MissingPicture &missing : check.missing) {
        auto *item = new QListWidgetItem(
            tr("Ontbrekende afbeelding : %1 / %2").arg(missing.year, missing.catalogueNumber), List1);
        item->setForeground(MissingColour);
        item->setData(RowRole, missing.row);
        item->setData(MissingRole, true);
    }
    for (const PictureCheck::UnusedFile &unused : check.unused) {
        QString line = tr("Niet gebruikt bestand : %1").arg(unused.relativePath);
        if (unused.likelyRow >= 0) {
            const RecordList &list = m_collection.records();
            line = tr("%1   (record %2 / %3?)")
                       .arg(line, list.cell(unused.likelyRow, StampRecord::Year),
                            list.cell(unused.likelyRow, StampRecord::CatalogueNumber));
        }
        auto *item = new QListWidgetItem(line, List1);
        item->setForeground(UnusedColour);
        item->setData(RowRole, unused.likelyRow);
    }
}

void PictureCheckDialog::List1_DblClick(QListWidgetItem *item)
{
    const int row = item->data(RowRole).toInt();
    if (row >= 0)
        emit recordPicked(row);
}

void PictureCheckDialog::AddPictureKnop_Click()
{
    const QListWidgetItem *item = List1->currentItem();
    if (!item || !item->data(MissingRole).toBool())
        return;
    emit pictureWanted(item->data(RowRole).toInt());
    refresh();
}
