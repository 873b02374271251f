#include "dialogs/TellicoImportForm.h"

#include "dialogs/ConfirmReplaceCollection.h"
#include "storage/document/OpenCollection.h"
#include "storage/folder/CollectionName.h"
#include "storage/formats/LookupList.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/text/Trim.h"
#include "storage/text/Windows1252.h"
#include "widgets/BusyGuard.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"
#include "widgets/Windows1252Validator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int OuterWidth = 9540;
constexpr int OuterHeight = 8040;
constexpr int ProgressSteps = 1000;
// A message box shows this many notes; the rest are counted.
constexpr int NotesShown = 12;
constexpr QColor WarningText{150, 30, 30};

void showProgress(QProgressBar *bar, double done)
{
    bar->setValue(static_cast<int>(done * ProgressSteps));
}

} // namespace

TellicoImportForm::TellicoImportForm(OpenCollection &collection, const QColor &background,
                                     const QColor &fieldColour, const QString &fileName, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_fileName(fileName)
    , m_fieldColour(fieldColour)
{
    setObjectName(QStringLiteral("TellicoImportForm"));
    setWindowTitle(tr("Importeren uit Tellico"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, background);

    Label1 = DialogLayout::addLabel(
        this, "Label1", tr("Bestand : %1").arg(QDir::toNativeSeparators(fileName)), 180, 120, 9000, 285);
    Progress1 = new QProgressBar(this);
    Progress1->setObjectName(QStringLiteral("Progress1"));
    Progress1->setGeometry(Twips::rect(180, 450, 9000, 255));
    Progress1->setRange(0, ProgressSteps);
    Progress1->setTextVisible(false);
    Label2 = DialogLayout::addLabel(this, "Label2", tr("Bestand wordt gelezen..."), 180, 780, 9000, 285);

    Grid1 = new QTableWidget(0, StampRecord::FieldCount, this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setGeometry(Twips::rect(180, 1110, 9000, 2400));
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::NoSelection);
    Grid1->setWordWrap(false);
    Grid1->setFocusPolicy(Qt::NoFocus);
    Grid1->verticalHeader()->setDefaultSectionSize(Twips::toPixels(255));
    // Long texts (Info) are cut, so that more columns show at once.
    Grid1->horizontalHeader()->setMaximumSectionSize(Twips::toPixels(3000));
    MainLook::setBackground(Grid1, QPalette::Base, m_fieldColour);
    QStringList headers;
    for (int field = 0; field < StampRecord::FieldCount; ++field)
        headers << StampRecord::columnTitle(field);
    Grid1->setHorizontalHeaderLabels(headers);

    DialogLayout::addLabel(this, "Label5", tr("Landen"), 180, 3660);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(Twips::rect(180, 3930, 3600, 1800));
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    MainLook::setBackground(List1, QPalette::Base, m_fieldColour);

    const ProgramFolder &folder = collection.programFolder();
    Combo1 = addChoice("Label7", "Combo1", StampRecord::columnTitle(StampRecord::Category),
                       folder.dataFile(QStringLiteral("Categorie.txt")), 3930);
    Combo2 = addChoice("Label8", "Combo2", StampRecord::columnTitle(StampRecord::Kind),
                       folder.dataFile(QStringLiteral("Soort.txt")), 4350);
    Combo3 = addChoice("Label9", "Combo3", StampRecord::columnTitle(StampRecord::Type),
                       folder.dataFile(QStringLiteral("Type.txt")), 4770);
    Check1 = new QCheckBox(tr("Eén verzameling per land"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(Twips::rect(4080, 5190, 5000, 285));
    DialogLayout::addLabel(this, "Label6", tr("Naam verzameling"), 4080, 5565);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(Twips::rect(5580, 5520, 3600, 315));
    Text1->setValidator(new Windows1252Validator(Text1));
    MainLook::setBackground(Text1, QPalette::Base, m_fieldColour);

    Label3 = DialogLayout::addLabel(this, "Label3", QString(), 180, 5910, 9000, 420);
    Label4 = DialogLayout::addLabel(this, "Label4", QString(), 180, 6360, 9000, 720);
    MainLook::setTextColour(Label4, WarningText);

    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 7380, 7170, 840, 330);
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 8280, 7170, 840, 330);
    OkKnop->setEnabled(false);
    for (QWidget *choice : std::initializer_list<QWidget *>{Combo1, Combo2, Combo3, Check1, Text1})
        choice->setEnabled(false);

    for (QComboBox *box : {Combo1, Combo2, Combo3})
        connect(box, &QComboBox::currentIndexChanged, this, &TellicoImportForm::updatePreview);
    connect(Check1, &QCheckBox::toggled, this, &TellicoImportForm::updatePreview);
    connect(Text1, &QLineEdit::textChanged, this, &TellicoImportForm::updatePreview);
    connect(CancelKnop, &VistaButton::Click, this, &TellicoImportForm::reject);
    connect(OkKnop, &VistaButton::Click, this, &TellicoImportForm::OkKnop_Click);
    new EnterConfirms(this, OkKnop);
}

QComboBox *TellicoImportForm::addChoice(const char *labelName, const char *name, const QString &caption,
                                        const QString &listFile, int top)
{
    DialogLayout::addLabel(this, labelName, caption, 4080, top + 45);
    auto *box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(Twips::rect(5580, top, 3600, 315));
    MainLook::setBackground(box, QPalette::Base, m_fieldColour);
    box->addItem(QStringLiteral("-"));
    for (const QString &word : LookupList::readNonBlank(listFile))
        box->addItem(word);
    return box;
}

void TellicoImportForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
    // Read once the window shows, so that the progress bar can be seen.
    if (!m_readStarted) {
        m_readStarted = true;
        QTimer::singleShot(0, this, &TellicoImportForm::readFile);
    }
}

void TellicoImportForm::reject()
{
    if (m_reading)
        m_stopReading = true;
    else if (!BusyGuard::isBusy(this))
        QDialog::reject();
}

void TellicoImportForm::readFile()
{
    m_reading = true;
    const StorageResult read = m_import.read(m_fileName, [this](double done) {
        showProgress(Progress1, done);
        QCoreApplication::processEvents();
        return !m_stopReading;
    });
    m_reading = false;
    if (m_stopReading) {
        QDialog::reject();
        return;
    }
    if (!read) {
        MessageBox::show(this, tr("Tellico-bestand kon niet worden gelezen!\r\n%1").arg(read.reason),
                         tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
        QDialog::reject();
        return;
    }
    showProgress(Progress1, 1);
    showContents();
}

void TellicoImportForm::showContents()
{
    Label2->setText(tr("Postzegels : %1    Afbeeldingen : %2 gevonden, %3 ontbreken")
                        .arg(m_import.entryCount())
                        .arg(m_import.picturesFound())
                        .arg(m_import.picturesMissing()));
    for (const TellicoImport::Count &country : m_import.countries())
        List1->addItem(QStringLiteral("%1 (%2)")
                           .arg(country.name.isEmpty() ? tr("(geen land)") : country.name)
                           .arg(country.records));
    // The collection's own title, when it can be a name, else the file's.
    const QString title = Windows1252::filtered(m_import.title()).trimmed();
    Text1->setText(CollectionName::isValid(title) ? title : QFileInfo(m_fileName).completeBaseName());
    for (QWidget *choice : std::initializer_list<QWidget *>{Combo1, Combo2, Combo3, Check1, Text1})
        choice->setEnabled(true);
    updatePreview();
}

TellicoImport::Options TellicoImportForm::options() const
{
    TellicoImport::Options chosen;
    chosen.name = Text1->text();
    chosen.perCountry = Check1->isChecked();
    chosen.category = Combo1->currentText();
    chosen.kind = Combo2->currentText();
    chosen.type = Combo3->currentText();
    return chosen;
}

void TellicoImportForm::updatePreview()
{
    if (m_reading || m_import.entryCount() == 0)
        return;
    const TellicoImport::Options chosen = options();
    const std::vector<StampRecord> records = m_import.firstRecords(PreviewRows, chosen);
    Grid1->setRowCount(static_cast<int>(records.size()));
    for (size_t row = 0; row < records.size(); ++row) {
        for (int field = 0; field < StampRecord::FieldCount; ++field)
            Grid1->setItem(static_cast<int>(row), field, new QTableWidgetItem(records[row][field]));
    }
    Grid1->resizeColumnsToContents();
    const TellicoImport::Report plan = m_import.plan(chosen);
    QStringList collections;
    for (const TellicoImport::Count &count : plan.collections)
        collections << QStringLiteral("%1 (%2)").arg(count.name).arg(count.records);
    Label3->setText(tr("Wordt geschreven : %1").arg(collections.join(QStringLiteral(", "))));
    Label4->setText(plan.notes.join(u' '));
    OkKnop->setEnabled(!isBlank(chosen.name));
}

bool TellicoImportForm::confirmReplacing(const TellicoImport::Options &chosen)
{
    for (const QString &name : m_import.existingCollections(m_collection.programFolder(), chosen)) {
        const QString question =
            tr("Verzameling '%1' bestaat reeds!\r\nWilt u deze overschrijven?").arg(name);
        if (MessageBox::show(this, question, MessageBox::programTitle(), MessageBox::Buttons::YesNo) !=
            MessageBox::Answer::Yes)
            return false;
    }
    // The first collection is opened in place of the one that is open now.
    return ConfirmReplaceCollection(m_collection, this);
}

void TellicoImportForm::OkKnop_Click()
{
    const TellicoImport::Options chosen = options();
    if (const StorageResult named = CollectionFiles::checkNewName(m_collection.programFolder(), chosen.name);
        !named) {
        MessageBox::show(this, named.reason, tr("Error"), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Critical);
        Text1->setFocus();
        return;
    }
    if (!confirmReplacing(chosen))
        return;

    TellicoImport::Report report;
    StorageResult written;
    {
        const BusyGuard busy(this);
        showProgress(Progress1, 0);
        written = m_import.write(m_collection.programFolder(), chosen, false, report, [this](double done) {
            showProgress(Progress1, done);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    if (!written) {
        MessageBox::show(this, tr("Tellico-bestand kon niet worden geïmporteerd!\r\n%1").arg(written.reason),
                         tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
        QDialog::reject();
        return;
    }
    QString summary = tr("%1 records en %2 afbeeldingen geïmporteerd in %3 verzameling(en).")
                          .arg(report.total.records)
                          .arg(report.total.pictures)
                          .arg(report.collections.size());
    if (!report.notes.isEmpty()) {
        summary += tr("\r\n\r\nLet op:\r\n%1")
                       .arg(QStringList(report.notes.mid(0, NotesShown)).join(QStringLiteral("\r\n")));
        if (report.notes.size() > NotesShown)
            summary += tr("\r\n... en nog %1.").arg(report.notes.size() - NotesShown);
    }
    // The notes (pictures missing, letters replaced) belong to a done import: a report, not a warning.
    MessageBox::show(this, summary, MessageBox::programTitle(), MessageBox::Buttons::Ok,
                     MessageBox::Icon::Information);
    const StorageResult opened = m_collection.open(report.collections.front().name);
    if (!opened)
        MessageBox::show(this, tr("Verzameling kon niet worden geopend!\r\n%1").arg(opened.reason),
                         tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
    accept();
}
