#include "dialogs/CsvImportForm.h"

#include "dialogs/ConfirmReplaceCollection.h"
#include "storage/document/OpenCollection.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int OuterWidth = 9540;
constexpr int OuterHeight = 8040;
constexpr int MappingTop = 3360;
constexpr int MappingRowHeight = 390;
constexpr int MappingRows = 6;
constexpr QColor WarningText{150, 30, 30};

QString separatorName(QChar separator)
{
    if (separator == u'\t')
        return CsvImportForm::tr("tabs");
    if (separator == u',')
        return CsvImportForm::tr("komma's");
    return CsvImportForm::tr("puntkomma's");
}

} // namespace

CsvImportForm::CsvImportForm(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                             const QString &fileName, CsvFile::Table table, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_fieldColour(fieldColour)
    , m_table(std::move(table))
    , m_collectionSystems(collection.catalogueEntries().systemsInUse())
{
    setObjectName(QStringLiteral("CsvImportForm"));
    setWindowTitle(tr("Importeren uit CSV"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, background);

    Label1 = DialogLayout::addLabel(
        this, "Label1", tr("Bestand : %1").arg(QDir::toNativeSeparators(fileName)), 180, 120, 9000, 285);
    buildPreview();
    Label2 = DialogLayout::addLabel(
        this, "Label2",
        tr("%1 regels, gescheiden door %2").arg(m_table.rows.size()).arg(separatorName(m_table.separator)),
        180, 2640, 9000, 285);

    Check1 = new QCheckBox(tr("Eerste regel bevat kolomnamen"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(Twips::rect(180, 2940, 4000, 285));
    Check1->setChecked(CsvMapping::hasHeader(m_table));
    buildMapping();
    // The systems the header names, then those the collection uses.
    QStringList systems;
    if (!m_table.rows.empty()) {
        const CsvMapping named = CsvMapping::byName(m_table.rows.front(), m_collectionSystems);
        for (const CsvMapping::SystemColumn &column : named.systemColumns())
            systems.append(column.system);
    }
    for (const QString &system : m_collectionSystems) {
        if (std::none_of(systems.cbegin(), systems.cend(), [&system](const QString &named) {
                return CatalogueEntries::sameSystem(named, system);
            }))
            systems.append(system);
    }
    buildSystemMapping(systems);
    // The system rows push what follows down.
    const int shift = static_cast<int>((m_systemChoices.size() + 1) / 2) * MappingRowHeight;
    m_outerHeight = OuterHeight + shift;

    Option1 = new QRadioButton(tr("Toevoegen aan de lijst"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(Twips::rect(180, 5850 + shift, 3000, 285));
    Option2 = new QRadioButton(tr("Lijst vervangen"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(Twips::rect(4800, 5850 + shift, 3000, 285));
    // Appending loses nothing, so it is what an unconsidered Ok does.
    Option1->setChecked(true);

    Label3 = DialogLayout::addLabel(this, "Label3", QString(), 180, 6270 + shift, 9000, 285);
    Label4 = DialogLayout::addLabel(this, "Label4", QString(), 180, 6570 + shift, 9000, 570);
    MainLook::setTextColour(Label4, WarningText);

    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 7380, 7170 + shift, 840, 330);
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 8280, 7170 + shift, 840, 330);

    showMapping(CsvMapping::preset(m_table, m_collectionSystems));
    connect(Check1, &QCheckBox::toggled, this, &CsvImportForm::Check1_Click);
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(OkKnop, &VistaButton::Click, this, &CsvImportForm::OkKnop_Click);
    new EnterConfirms(this, OkKnop);
}

void CsvImportForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, m_outerHeight);
}

void CsvImportForm::buildPreview()
{
    const int rows = static_cast<int>(std::min<size_t>(m_table.rows.size(), PreviewRows));
    const int columns = m_table.columnCount();
    Grid1 = new QTableWidget(rows, columns, this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    ReaderNames::name(Grid1, tr("Voorbeeld"));
    Grid1->setGeometry(Twips::rect(180, 450, 9000, 2100));
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::NoSelection);
    Grid1->setWordWrap(false);
    Grid1->setFocusPolicy(Qt::NoFocus);
    MainLook::setBackground(Grid1, QPalette::Base, m_fieldColour);
    QStringList headers;
    for (int column = 1; column <= columns; ++column)
        headers << tr("Kolom %1").arg(column);
    Grid1->setHorizontalHeaderLabels(headers);
    Grid1->verticalHeader()->setDefaultSectionSize(Twips::toPixels(255));
    for (int row = 0; row < rows; ++row) {
        const QStringList &cells = m_table.rows[static_cast<size_t>(row)];
        for (int column = 0; column < cells.size(); ++column)
            Grid1->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

void CsvImportForm::buildMapping()
{
    for (int field = 0; field < StampRecord::FieldCount; ++field) {
        const int left = field < MappingRows ? 180 : 4800;
        const int top = MappingTop + (field % MappingRows) * MappingRowHeight;
        Combo[static_cast<size_t>(field)] =
            addColumnChoice(QStringLiteral("Veld%1").arg(field + 1), QStringLiteral("Combo%1").arg(field + 1),
                            StampRecord::columnTitle(field), left, top);
    }
}

// Under the fields, two systems a row.
void CsvImportForm::buildSystemMapping(const QStringList &systems)
{
    for (qsizetype at = 0; at < systems.size(); ++at) {
        const int left = at % 2 == 0 ? 180 : 4800;
        const int top = MappingTop + static_cast<int>(MappingRows + at / 2) * MappingRowHeight;
        const QString number = QString::number(at + 1);
        m_systemChoices.push_back({systems.at(at), addColumnChoice(QStringLiteral("Systeem") + number,
                                                                   QStringLiteral("SystemCombo") + number,
                                                                   systems.at(at), left, top)});
    }
}

QComboBox *CsvImportForm::addColumnChoice(const QString &labelName, const QString &boxName,
                                          const QString &caption, int left, int top)
{
    QLabel *label = DialogLayout::addLabel(this, qPrintable(labelName), caption, left, top + 45);
    auto *box = new QComboBox(this);
    box->setObjectName(boxName);
    box->setGeometry(Twips::rect(left + 1350, top, 2970, 315));
    MainLook::setBackground(box, QPalette::Base, m_fieldColour);
    label->setBuddy(box);
    connect(box, &QComboBox::currentIndexChanged, this, &CsvImportForm::updateResult);
    return box;
}

void CsvImportForm::Check1_Click()
{
    const bool header = Check1->isChecked();
    showMapping(header && !m_table.rows.empty()
                    ? CsvMapping::byName(m_table.rows.front(), m_collectionSystems)
                    : CsvMapping::byPosition(m_table.columnCount()));
}

// Fills the boxes with the columns (named after the first row when it is a
// header) and selects the mapping's column in each.
void CsvImportForm::showMapping(const CsvMapping &mapping)
{
    const bool header = Check1->isChecked() && !m_table.rows.empty();
    QStringList choices{tr("(leeg)")};
    for (int column = 0; column < m_table.columnCount(); ++column) {
        QString choice = tr("Kolom %1").arg(column + 1);
        if (header && column < m_table.rows.front().size())
            choice = tr("%1: %2").arg(choice, m_table.rows.front().at(column).simplified());
        choices << choice;
    }
    // A header row stands out in the preview.
    for (int column = 0; column < Grid1->columnCount(); ++column) {
        if (QTableWidgetItem *item = Grid1->item(0, column)) {
            QFont font = item->font();
            font.setBold(header);
            item->setFont(font);
        }
    }
    for (int field = 0; field < StampRecord::FieldCount; ++field) {
        QComboBox *box = Combo[static_cast<size_t>(field)];
        const QSignalBlocker blocker(box);
        box->clear();
        box->addItems(choices);
        box->setCurrentIndex(mapping.column(field) + 1);
    }
    for (const SystemChoice &choice : m_systemChoices) {
        const QSignalBlocker blocker(choice.box);
        choice.box->clear();
        choice.box->addItems(choices);
        const std::vector<CsvMapping::SystemColumn> &columns = mapping.systemColumns();
        const auto mapped =
            std::find_if(columns.cbegin(), columns.cend(), [&](const CsvMapping::SystemColumn &column) {
                return CatalogueEntries::sameSystem(column.system, choice.system);
            });
        choice.box->setCurrentIndex(mapped == columns.cend() ? 0 : mapped->column + 1);
    }
    updateResult();
}

CsvMapping CsvImportForm::chosenMapping() const
{
    CsvMapping mapping;
    for (int field = 0; field < StampRecord::FieldCount; ++field)
        mapping.setColumn(field, Combo[static_cast<size_t>(field)]->currentIndex() - 1);
    for (const SystemChoice &choice : m_systemChoices)
        mapping.setSystemColumn(choice.system, choice.box->currentIndex() - 1);
    return mapping;
}

void CsvImportForm::updateResult()
{
    m_result = chosenMapping().records(m_table, Check1->isChecked());
    Label3->setText(tr("Te importeren records : %1").arg(m_result.records.size()));
    const int replaced = m_result.replacedCharacters;
    if (replaced == 0)
        Label4->clear();
    else if (replaced == 1)
        Label4->setText(tr("Let op: 1 teken kan niet in een verzameling worden bewaard en wordt "
                           "vervangen door '?'."));
    else
        Label4->setText(tr("Let op: %1 tekens kunnen niet in een verzameling worden bewaard en "
                           "worden vervangen door '?'.")
                            .arg(replaced));
    OkKnop->setEnabled(!m_result.records.empty());
}

void CsvImportForm::OkKnop_Click()
{
    if (m_result.records.empty())
        return;
    const bool replace = Option2->isChecked();
    // Replacing the list drops what it holds; unsaved work is not dropped unasked.
    if (replace && !ConfirmReplaceCollection(m_collection, this))
        return;
    m_collection.addImportedRecords(std::move(m_result.records), replace, m_result.entries);
    accept();
}
