#include "catalogue/CatalogueEntriesDialog.h"

#include "catalogue/CatalogueValueChart.h"
#include "storage/document/OpenCollection.h"
#include "storage/formats/LookupList.h"
#include "storage/text/Windows1252.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QTableWidget>
#include <QValidator>

#include <algorithm>

namespace {

constexpr int OuterWidth = 8820;
constexpr int OuterHeight = 5280;
constexpr QColor BackgroundColour{220, 220, 190};
constexpr int Left = 180;
constexpr int TableTop = 480;
constexpr int TableWidth = 4560;
constexpr int TableHeight = 2340;
constexpr int FieldCaptionTop = 2940;
constexpr int FieldTop = 3180;
constexpr int EditButtonTop = 3630;
constexpr int ChartLeft = Left + TableWidth + 180;
constexpr int ChartWidth = 3780;
constexpr int BottomButtonTop = 4170;
constexpr int ButtonHeight = 330;

const QString CatalogueList = QStringLiteral("Catalogi.txt");

// A field of an entry holds one line the collection's files can keep: TAB, CR,
// LF and characters Windows-1252 cannot hold are dropped as typed or pasted.
class EntryFieldValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const QString kept = keptOf(input);
        if (kept.size() != input.size()) {
            pos = static_cast<int>(keptOf(QStringView(input).left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }

private:
    static QString keptOf(QStringView text)
    {
        QString kept = Windows1252::filtered(text);
        kept.removeIf([](QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; });
        return kept;
    }
};

bool sameEdition(const QString &left, const QString &right)
{
    return left.trimmed() == right.trimmed();
}

QLineEdit *newField(QWidget *parent, const char *name, int left, int width)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(Twips::rect(left, FieldTop, width, 300));
    field->setValidator(new EntryFieldValidator(field));
    return field;
}

} // namespace

CatalogueEntriesDialog::CatalogueEntriesDialog(OpenCollection &collection, int row, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_row(row)
    , m_original(CatalogueEntries::ordered(collection.catalogueEntriesOf(row)))
    , m_entries(m_original)
{
    setObjectName(QStringLiteral("CatalogueEntriesDialog"));
    const StampRecord record = collection.records().record(row);
    const QString stamp =
        record[StampRecord::Year].trimmed() + QLatin1Char(' ') + record[StampRecord::CatalogueNumber];
    setWindowTitle(tr("Catalogusnummers %1").arg(stamp));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, BackgroundColour);

    const QString subject = record[StampRecord::Subject].trimmed();
    StampLabel = DialogLayout::addLabel(this, "StampLabel",
                                        subject.isEmpty() || subject == QLatin1String("-")
                                            ? tr("Zegel %1").arg(stamp)
                                            : tr("Zegel %1 - %2").arg(stamp, subject),
                                        Left, 165, TableWidth, 255);

    EntryTable = new QTableWidget(0, 4, this);
    EntryTable->setObjectName(QStringLiteral("EntryTable"));
    EntryTable->setGeometry(Twips::rect(Left, TableTop, TableWidth, TableHeight));
    EntryTable->setHorizontalHeaderLabels({tr("Systeem"), tr("Nummer"), tr("Waarde"), tr("Editie")});
    EntryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    EntryTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    EntryTable->setSelectionMode(QAbstractItemView::SingleSelection);
    EntryTable->setWordWrap(false);
    EntryTable->setTabKeyNavigation(false);
    EntryTable->verticalHeader()->hide();
    EntryTable->verticalHeader()->setDefaultSectionSize(EntryTable->fontMetrics().height() + 6);
    EntryTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ReaderNames::name(EntryTable, tr("Catalogusnummers"));

    SystemLabel = DialogLayout::addLabel(this, "SystemLabel", tr("Systeem"), Left, FieldCaptionTop);
    SystemCombo = new QComboBox(this);
    SystemCombo->setObjectName(QStringLiteral("SystemCombo"));
    SystemCombo->setEditable(true);
    SystemCombo->setInsertPolicy(QComboBox::NoInsert);
    // What was typed stays as typed: no inline completion, no re-casing to an entry.
    SystemCombo->setCompleter(nullptr);
    SystemCombo->lineEdit()->setValidator(new EntryFieldValidator(SystemCombo));
    SystemCombo->setGeometry(Twips::rect(Left, FieldTop - 15, 1260, 315));
    NumberLabel = DialogLayout::addLabel(this, "NumberLabel", tr("Nummer"), Left + 1350, FieldCaptionTop);
    NumberText = newField(this, "NumberText", Left + 1350, 1200);
    ValueLabel = DialogLayout::addLabel(this, "ValueLabel", tr("Waarde"), Left + 2640, FieldCaptionTop);
    ValueText = newField(this, "ValueText", Left + 2640, 960);
    EditionLabel = DialogLayout::addLabel(this, "EditionLabel", tr("Editie"), Left + 3690, FieldCaptionTop);
    EditionText = newField(this, "EditionText", Left + 3690, 870);
    ReaderNames::labelField(SystemLabel, SystemCombo);
    ReaderNames::labelField(NumberLabel, NumberText);
    ReaderNames::labelField(ValueLabel, ValueText);
    ReaderNames::labelField(EditionLabel, EditionText);

    AddKnop =
        DialogLayout::addButton(this, "AddKnop", tr("Toevoegen"), Left, EditButtonTop, 1260, ButtonHeight);
    ChangeKnop = DialogLayout::addButton(this, "ChangeKnop", tr("Wijzigen"), Left + 1350, EditButtonTop, 1200,
                                         ButtonHeight);
    RemoveKnop = DialogLayout::addButton(this, "RemoveKnop", tr("Verwijderen"), Left + 2640, EditButtonTop,
                                         1200, ButtonHeight);
    AddKnop->setToolTip(tr(" Nummer toevoegen; dezelfde editie van een systeem wordt vervangen "));
    ChangeKnop->setToolTip(tr(" Gekozen nummer wijzigen "));
    RemoveKnop->setToolTip(tr(" Gekozen nummer verwijderen "));

    ChartCaption = DialogLayout::addLabel(this, "ChartCaption", QString(), ChartLeft, 165, ChartWidth, 255);
    ValueChart = new QLabel(this);
    ValueChart->setObjectName(QStringLiteral("ValueChart"));
    ValueChart->setFrameStyle(QFrame::Box | QFrame::Plain);
    ValueChart->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ValueChart->setGeometry(Twips::rect(ChartLeft, TableTop, ChartWidth, TableHeight));
    HintLabel = DialogLayout::addLabel(
        this, "HintLabel",
        tr("Een systeem kan een nummer hebben per editie van zijn catalogus. Toevoegen met een "
           "systeem en editie die er al zijn, vervangt dat nummer."),
        ChartLeft, FieldCaptionTop, ChartWidth, 1000);

    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), ChartLeft + ChartWidth - 1770,
                                         BottomButtonTop, 840, ButtonHeight);
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), ChartLeft + ChartWidth - 840, BottomButtonTop,
                                     840, ButtonHeight);

    // The systems offered: the known ones, those in use, then the collector's own.
    m_ownSystems = LookupList::readNonBlank(collection.programFolder().dataFile(CatalogueList));
    QStringList offered;
    const auto offer = [&offered](const QString &system) {
        const QString trimmed = system.trimmed();
        if (trimmed.isEmpty() || !CatalogueEntries::isStorable(trimmed))
            return;
        if (std::none_of(offered.cbegin(), offered.cend(),
                         [&](const QString &seen) { return CatalogueEntries::sameSystem(seen, trimmed); }))
            offered.append(trimmed);
    };
    for (const QStringList &systems :
         {CatalogueEntries::knownSystems(), collection.catalogueEntries().systemsInUse(), m_ownSystems}) {
        for (const QString &system : systems)
            offer(system);
    }
    SystemCombo->addItems(offered);
    SystemCombo->setCurrentIndex(-1);
    SystemCombo->setEditText(QString());

    setTabOrder(EntryTable, SystemCombo);
    setTabOrder(SystemCombo, NumberText);
    setTabOrder(NumberText, ValueText);
    setTabOrder(ValueText, EditionText);
    setTabOrder(EditionText, AddKnop);
    setTabOrder(AddKnop, ChangeKnop);
    setTabOrder(ChangeKnop, RemoveKnop);
    setTabOrder(RemoveKnop, CancelKnop);
    setTabOrder(CancelKnop, OkKnop);

    connect(AddKnop, &VistaButton::Click, this, &CatalogueEntriesDialog::AddKnop_Click);
    connect(ChangeKnop, &VistaButton::Click, this, &CatalogueEntriesDialog::ChangeKnop_Click);
    connect(RemoveKnop, &VistaButton::Click, this, &CatalogueEntriesDialog::RemoveKnop_Click);
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(OkKnop, &VistaButton::Click, this, &CatalogueEntriesDialog::OkKnop_Click);
    connect(EntryTable, &QTableWidget::itemSelectionChanged, this, &CatalogueEntriesDialog::entrySelected);
    connect(SystemCombo, &QComboBox::editTextChanged, this, &CatalogueEntriesDialog::drawChart);
    auto *enter = new EnterConfirms(this, OkKnop);
    // Enter in a field adds what the fields hold.
    for (QWidget *field : std::initializer_list<QWidget *>{SystemCombo, SystemCombo->lineEdit(), NumberText,
                                                           ValueText, EditionText})
        enter->pressFrom(field, AddKnop);

    showEntries(m_entries.isEmpty() ? -1 : 0);
    SystemCombo->setFocus();
}

void CatalogueEntriesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

qsizetype CatalogueEntriesDialog::selectedIndex() const
{
    const QList<QTableWidgetItem *> selected = EntryTable->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void CatalogueEntriesDialog::showEntries(qsizetype selected)
{
    const QSignalBlocker blocker(EntryTable);
    EntryTable->clearSelection();
    EntryTable->setRowCount(static_cast<int>(m_entries.size()));
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        const CatalogueEntry &entry = m_entries.at(row);
        const QString fields[] = {entry.system, entry.number, entry.value, entry.edition};
        for (int column = 0; column < 4; ++column) {
            auto *item = new QTableWidgetItem(fields[column]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            EntryTable->setItem(row, column, item);
        }
    }
    if (selected >= 0 && selected < m_entries.size()) {
        EntryTable->selectRow(static_cast<int>(selected));
        EntryTable->scrollToItem(EntryTable->item(static_cast<int>(selected), 0));
    }
    entrySelected();
}

void CatalogueEntriesDialog::entrySelected()
{
    const qsizetype index = selectedIndex();
    ChangeKnop->setEnabled(index >= 0);
    RemoveKnop->setEnabled(index >= 0);
    if (index >= 0) {
        const CatalogueEntry &entry = m_entries.at(index);
        SystemCombo->setCurrentIndex(
            SystemCombo->findText(entry.system, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        SystemCombo->setEditText(entry.system);
        NumberText->setText(entry.number);
        ValueText->setText(entry.value);
        EditionText->setText(entry.edition);
    }
    drawChart();
}

void CatalogueEntriesDialog::drawChart()
{
    const QString system = SystemCombo->currentText().trimmed();
    if (system.isEmpty()) {
        ChartCaption->setText(tr("Verloop van de waarde"));
        m_chart = QImage();
        ValueChart->clear();
        ReaderNames::name(ValueChart, tr("Verloop van de waarde"));
        return;
    }
    const std::vector<CatalogueValueChart::Point> points = CatalogueValueChart::pointsOf(m_entries, system);
    ChartCaption->setText(tr("Verloop van de waarde in %1").arg(system));
    const int frame = ValueChart->frameWidth();
    m_chart =
        CatalogueValueChart::render(points, ValueChart->size() - QSize(2 * frame, 2 * frame), QLocale());
    ValueChart->setPixmap(QPixmap::fromImage(m_chart));
    ReaderNames::name(ValueChart, ChartCaption->text());
}

bool CatalogueEntriesDialog::entryInFields(CatalogueEntry &entry)
{
    entry.system = SystemCombo->currentText().trimmed();
    entry.number = NumberText->text();
    entry.value = ValueText->text();
    entry.edition = EditionText->text().trimmed();
    QWidget *missing = entry.system.isEmpty()             ? static_cast<QWidget *>(SystemCombo)
                       : entry.number.trimmed().isEmpty() ? static_cast<QWidget *>(NumberText)
                                                          : nullptr;
    if (missing) {
        MessageBox::show(this, tr("Vul een systeem en een nummer in."), windowTitle(),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Information);
        missing->setFocus();
        return false;
    }
    // The validators keep out what a file cannot hold; a text set otherwise is checked too.
    for (const QString *text : {&entry.system, &entry.number, &entry.value, &entry.edition}) {
        if (!CatalogueEntries::isStorable(*text))
            return false;
    }
    return true;
}

void CatalogueEntriesDialog::place(const CatalogueEntry &entry, qsizetype replacing)
{
    CatalogueEntries::List kept;
    for (qsizetype index = 0; index < m_entries.size(); ++index) {
        const CatalogueEntry &other = m_entries.at(index);
        // One entry per system and edition: the new one takes the old one's place.
        const bool sameEntry = CatalogueEntries::sameSystem(other.system, entry.system) &&
                               sameEdition(other.edition, entry.edition);
        if (index != replacing && !sameEntry)
            kept.append(other);
    }
    kept.append(entry);
    m_entries = CatalogueEntries::ordered(kept);
    const auto placed = std::find(m_entries.cbegin(), m_entries.cend(), entry);
    showEntries(placed - m_entries.cbegin());
}

void CatalogueEntriesDialog::AddKnop_Click()
{
    CatalogueEntry entry;
    if (!entryInFields(entry))
        return;
    place(entry, -1);
    // Ready for the next number: the system stays, the rest goes.
    const QSignalBlocker blocker(EntryTable);
    EntryTable->clearSelection();
    ChangeKnop->setEnabled(false);
    RemoveKnop->setEnabled(false);
    NumberText->clear();
    ValueText->clear();
    EditionText->clear();
    NumberText->setFocus();
}

void CatalogueEntriesDialog::ChangeKnop_Click()
{
    const qsizetype index = selectedIndex();
    CatalogueEntry entry;
    if (index < 0 || !entryInFields(entry))
        return;
    place(entry, index);
}

void CatalogueEntriesDialog::RemoveKnop_Click()
{
    const qsizetype index = selectedIndex();
    if (index < 0)
        return;
    m_entries.removeAt(index);
    showEntries(std::min(index, m_entries.size() - 1));
    if (m_entries.isEmpty()) {
        NumberText->clear();
        ValueText->clear();
        EditionText->clear();
    }
}

bool CatalogueEntriesDialog::fieldsPending() const
{
    const QString system = SystemCombo->currentText().trimmed();
    const QString number = NumberText->text();
    if (system.isEmpty() || number.trimmed().isEmpty())
        return false;
    const CatalogueEntry typed{system, number, ValueText->text(), EditionText->text().trimmed()};
    return std::none_of(m_entries.cbegin(), m_entries.cend(), [&](const CatalogueEntry &entry) {
        return CatalogueEntries::sameSystem(entry.system, typed.system) && entry.number == typed.number &&
               entry.value == typed.value && sameEdition(entry.edition, typed.edition);
    });
}

void CatalogueEntriesDialog::OkKnop_Click()
{
    if (fieldsPending()) {
        const MessageBox::Answer answer =
            MessageBox::show(this,
                             tr("Het nummer in de velden is nog niet toegevoegd.\r\n"
                                "Wilt u het toevoegen?"),
                             windowTitle(), MessageBox::Buttons::YesNo, MessageBox::Icon::None);
        if (answer == MessageBox::Answer::Yes) {
            CatalogueEntry entry;
            if (!entryInFields(entry))
                return;
            const qsizetype selected = selectedIndex();
            place(entry, selected);
        }
    }
    if (m_entries != m_original)
        m_collection.setCatalogueEntries(m_row, m_entries);
    keepNewSystems();
    accept();
}

void CatalogueEntriesDialog::keepNewSystems()
{
    QStringList added;
    for (const CatalogueEntry &entry : std::as_const(m_entries)) {
        const auto known = [&](const QStringList &systems) {
            return std::any_of(systems.cbegin(), systems.cend(), [&](const QString &system) {
                return CatalogueEntries::sameSystem(system.trimmed(), entry.system);
            });
        };
        if (!known(CatalogueEntries::knownSystems()) && !known(m_ownSystems) && !known(added))
            added.append(entry.system);
    }
    if (added.isEmpty())
        return;
    // The entries are in the collection already; a list that cannot be written
    // only offers fewer systems next time, so the collector is told and goes on.
    const StorageResult written =
        LookupList::write(m_collection.programFolder().dataFile(CatalogueList), m_ownSystems + added);
    if (!written)
        MessageBox::show(this, tr("Lijst kon niet worden opgeslagen!\r\n%1").arg(written.reason), tr("Error"),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
    else
        m_ownSystems += added;
}
