#include "dialogs/ColnectImportForm.h"

#include "importing/ColnectMapping.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/OpenCollection.h"
#include "storage/folder/CollectionName.h"
#include "storage/text/Trim.h"
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
#include <QRadioButton>

#include <algorithm>

namespace {

// The system Cat.nr. comes from unless the collector chooses another.
const QString DefaultSystem = QStringLiteral("Mi");

} // namespace

ColnectImportForm::ColnectImportForm(OpenCollection &collection, const QColor &background,
                                     const QColor &fieldColour, const QString &fileName, QWidget *parent)
    : ImportForm(collection, background, fieldColour, fileName, tr("Importeren uit Colnect"), parent)
{
    setObjectName(QStringLiteral("ColnectImportForm"));
    // Countries, lists and choices side by side.
    List1->setGeometry(Twips::rect(180, 3930, 2700, 1800));
    QLabel *Label10 = DialogLayout::addLabel(this, "Label10", tr("Lijsten"), 3030, 3660);
    List2 = new QListWidget(this);
    Label10->setBuddy(List2);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(Twips::rect(3030, 3930, 2250, 1800));
    List2->setSelectionMode(QAbstractItemView::NoSelection);
    MainLook::setBackground(List2, QPalette::Base, m_fieldColour);

    QLabel *Label7 = DialogLayout::addLabel(this, "Label7", tr("Cat.nr. uit"), 5430, 3975);
    Combo1 = new QComboBox(this);
    Label7->setBuddy(Combo1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(Twips::rect(6930, 3930, 2250, 315));
    MainLook::setBackground(Combo1, QPalette::Base, m_fieldColour);
    Check1->setGeometry(Twips::rect(5430, 4350, 3750, 285));
    Label6->move(Twips::toPixels(5430), Twips::toPixels(4725));
    Text1->setGeometry(Twips::rect(6930, 4680, 2250, 315));
    Option1 = new QRadioButton(tr("Nieuw (bestaande vervangen)"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(Twips::rect(5430, 5100, 3750, 285));
    Option1->setChecked(true);
    Option2 = new QRadioButton(tr("Bestaande bijwerken"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(Twips::rect(5430, 5400, 3750, 285));
    for (QWidget *choice : std::initializer_list<QWidget *>{List2, Combo1, Option1, Option2})
        choice->setEnabled(false);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &ColnectImportForm::updatePreview);
    connect(List2, &QListWidget::itemChanged, this, &ColnectImportForm::updatePreview);
    connect(Check1, &QCheckBox::toggled, this, &ColnectImportForm::updatePreview);
    connect(Option2, &QRadioButton::toggled, this, &ColnectImportForm::updatePreview);
    connect(Text1, &QLineEdit::textChanged, this, &ColnectImportForm::updatePreview);
    connect(OkKnop, &VistaButton::Click, this, &ColnectImportForm::OkKnop_Click);
    orderTabs({List1, List2, Combo1, Check1, Text1, Option1, Option2});
}

StorageResult ColnectImportForm::read(const std::function<bool(double done)> &progress)
{
    return m_import.read(m_fileName, progress);
}

QString ColnectImportForm::readFailure(const QString &reason) const
{
    return tr("Colnect-bestand kon niet worden gelezen!\r\n%1").arg(reason);
}

void ColnectImportForm::showContents()
{
    const std::vector<ColnectImport::Count> systems = m_import.systems();
    QStringList named;
    for (const ColnectImport::Count &system : systems) {
        if (named.size() == SystemsNamed) {
            named << tr("en nog %1").arg(systems.size() - SystemsNamed);
            break;
        }
        named << QStringLiteral("%1 (%2)").arg(system.name).arg(system.records);
    }
    Label2->setText(tr("Postzegels : %1    Catalogi : %2")
                        .arg(m_import.rowCount())
                        .arg(named.isEmpty() ? tr("geen") : named.join(QStringLiteral(", "))));
    showCountries(countsOf(m_import.countries()));

    // The systems found, most used first; Michel also when the file has none.
    const QSignalBlocker quiet(Combo1);
    for (const ColnectImport::Count &system : systems)
        Combo1->addItem(QStringLiteral("%1 (%2)").arg(system.name).arg(system.records), system.name);
    const auto michel = std::find_if(systems.begin(), systems.end(), [](const ColnectImport::Count &system) {
        return CatalogueEntries::sameSystem(system.name, DefaultSystem);
    });
    if (michel == systems.end())
        Combo1->insertItem(0, DefaultSystem, DefaultSystem);
    Combo1->setCurrentIndex(michel == systems.end() ? 0 : static_cast<int>(michel - systems.begin()));

    const QSignalBlocker quietLists(List2);
    for (const QString &list : m_import.listNames()) {
        auto *item = new QListWidgetItem(list, List2);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Checked);
    }
    Text1->setText(QFileInfo(m_fileName).completeBaseName());
    for (QWidget *choice : std::initializer_list<QWidget *>{List2, Combo1, Option1, Option2})
        choice->setEnabled(true);
    updatePreview();
}

ColnectImport::Options ColnectImportForm::options() const
{
    ColnectImport::Options chosen;
    chosen.name = Text1->text();
    chosen.perCountry = Check1->isChecked();
    chosen.system = Combo1->currentData().toString();
    for (int row = 0; row < List2->count(); ++row) {
        if (List2->item(row)->checkState() != Qt::Checked)
            chosen.leftOutLists << List2->item(row)->text();
    }
    chosen.update = Option2->isChecked();
    return chosen;
}

void ColnectImportForm::updatePreview()
{
    if (isReading() || m_import.rowCount() == 0)
        return;
    const ColnectImport::Options chosen = options();
    showPreview(m_import.firstRecords(PreviewRows, chosen));
    const ColnectImport::Report plan = m_import.plan(chosen);
    showPlan(chosen.update ? tr("Wordt bijgewerkt of geschreven : %1") : tr("Wordt geschreven : %1"),
             countsOf(plan.collections), plan.notes);
    OkKnop->setEnabled(!isBlank(chosen.name) && !plan.collections.empty());
}

bool ColnectImportForm::updatesOpen(const ColnectImport::Options &chosen) const
{
    if (!chosen.update || m_collection.name().isEmpty())
        return false;
    const std::vector<ColnectImport::Count> planned = m_import.plan(chosen).collections;
    return std::any_of(planned.begin(), planned.end(), [this](const ColnectImport::Count &count) {
        return CollectionName::sameCollection(count.name, m_collection.name());
    });
}

void ColnectImportForm::OkKnop_Click()
{
    const ColnectImport::Options chosen = options();
    if (!checkName(chosen.name))
        return;
    // An update of the open collection keeps it open; otherwise the first
    // collection is opened in its place.
    const bool inWindow = updatesOpen(chosen);
    const QStringList replaced =
        chosen.update ? QStringList() : m_import.existingCollections(m_collection.programFolder(), chosen);
    if (!confirmReplacing(replaced, !inWindow))
        return;

    // The open collection is brought up to date as it stands in the window,
    // unsaved edits included, and not behind its back in its file.
    ColnectImport::Open open;
    if (inWindow) {
        open.name = m_collection.name();
        const RecordSpan records = m_collection.records().records();
        open.there.records.assign(records.begin(), records.end());
        open.there.entries = m_collection.catalogueEntries();
    }
    ColnectImport::Report report;
    const StorageResult written = writeBusy([&](const std::function<void(double)> &progress) {
        return m_import.write(m_collection.programFolder(), chosen, false, report, progress,
                              inWindow ? &open : nullptr);
    });
    if (!written) {
        showFailure(tr("Colnect-bestand kon niet worden geïmporteerd!\r\n%1").arg(written.reason));
        return;
    }
    if (open.updated)
        m_collection.replaceContents(std::move(open.made.records), open.made.entries,
                                     tr("bijwerken uit Colnect"));
    const ColnectImport::Count &total = report.total;
    showReport(chosen.update ? tr("%1 records in %2 verzameling(en): %3 gewijzigd, %4 ongewijzigd, %5 nieuw.")
                                   .arg(total.records)
                                   .arg(report.collections.size())
                                   .arg(total.changed)
                                   .arg(total.unchanged)
                                   .arg(total.records - total.changed - total.unchanged)
                             : tr("%1 records geïmporteerd in %2 verzameling(en).")
                                   .arg(total.records)
                                   .arg(report.collections.size()),
               report.notes);
    if (open.updated)
        accept();
    else
        openAndClose(report.collections.front().name);
}
