#include "dialogs/VersionsForm.h"

#include "dialogs/ConfirmReplaceCollection.h"
#include "storage/document/OpenCollection.h"
#include "storage/folder/CollectionListing.h"
#include "storage/folder/CollectionName.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTreeWidget>

namespace {

constexpr int OuterWidth = 7200;
constexpr int OuterHeight = 4200;
constexpr QColor ListBackground{200, 220, 220};
constexpr QColor ListText{60, 60, 60};

} // namespace

VersionsForm::VersionsForm(OpenCollection &collection, const QColor &background, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
{
    setObjectName(QStringLiteral("VersionsForm"));
    setWindowTitle(tr("Vorige versies"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, background);

    Label1 = DialogLayout::addLabel(this, "Label1",
                                    tr("Kies een eerdere versie om deze als huidige verzameling "
                                       "te openen; het bestand verandert pas bij opslaan."),
                                    180, 120, 6600, 480);

    List1 = new QTreeWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    ReaderNames::name(List1, tr("Vorige versies"));
    List1->setGeometry(Twips::rect(180, 660, 6600, 2400));
    List1->setRootIsDecorated(false);
    List1->setHeaderLabels({tr("Datum"), tr("Tijd"), tr("Records"), tr("Naam")});
    MainLook::setBackground(List1, QPalette::Base, ListBackground);
    MainLook::setTextColour(List1, ListText);

    const CollectionVersions versions(collection.programFolder());
    if (!collection.name().isEmpty()) {
        addVersions(versions.versions(collection.name()));
    } else {
        // With no collection open: those of every collection.
        for (const QString &name : CollectionListing::collectionNames(collection.programFolder()))
            addVersions(versions.versions(name));
    }
    for (const QString &deleted : versions.deletedCollections()) {
        if (!CollectionName::sameCollection(deleted, collection.name()))
            addVersions(versions.versions(deleted));
    }
    for (int column = 0; column < List1->columnCount(); ++column)
        List1->resizeColumnToContents(column);

    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 5220, 3240, 750, 330);
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 6030, 3240, 750, 330);

    connect(List1, &QTreeWidget::itemDoubleClicked, this, &VersionsForm::OkKnop_Click);
    connect(OkKnop, &VistaButton::Click, this, &VersionsForm::OkKnop_Click);
    new EnterConfirms(this, OkKnop);
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
}

void VersionsForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

QString VersionsForm::shownName(const CollectionVersions::Version &version)
{
    // A version that holds another collection (from a copy) says so before
    // it is chosen; another spelling of the name is the same collection.
    if (CollectionName::sameCollection(version.storedName, version.collection))
        return version.collection;
    return tr("%1 (inhoud van '%2')").arg(version.collection, version.storedName);
}

void VersionsForm::addVersions(const std::vector<CollectionVersions::Version> &versions)
{
    const QLocale locale;
    for (const CollectionVersions::Version &version : versions) {
        // The moment it was set aside: the state it holds lasted until then.
        auto *item = new QTreeWidgetItem(List1, {locale.toString(version.keptAt.date(), QLocale::ShortFormat),
                                                 version.keptAt.time().toString(QStringLiteral("h:mm:ss")),
                                                 QString::number(version.recordCount), shownName(version)});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        m_versions.push_back(version);
    }
}

void VersionsForm::OkKnop_Click()
{
    const int row = List1->indexOfTopLevelItem(List1->currentItem());
    if (row < 0 || !List1->currentItem()->isSelected())
        return;
    if (!ConfirmReplaceCollection(m_collection, this))
        return;
    const StorageResult restored = m_collection.restoreVersion(m_versions[static_cast<size_t>(row)]);
    if (!restored) {
        MessageBox::show(this, tr("Versie kon niet worden gelezen!\r\n%1").arg(restored.reason), tr("Error"),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
        return;
    }
    accept();
}
