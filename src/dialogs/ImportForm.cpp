#include "dialogs/ImportForm.h"

#include "dialogs/ConfirmReplaceCollection.h"
#include "storage/document/OpenCollection.h"
#include "storage/keeping/CollectionFiles.h"
#include "widgets/BusyGuard.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"
#include "widgets/Windows1252Validator.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
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

} // namespace

ImportForm::ImportForm(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                       const QString &fileName, const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_fileName(fileName)
    , m_fieldColour(fieldColour)
{
    setWindowTitle(title);
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

    Label5 = DialogLayout::addLabel(this, "Label5", tr("Landen"), 180, 3660);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(Twips::rect(180, 3930, 3600, 1800));
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    MainLook::setBackground(List1, QPalette::Base, m_fieldColour);
    Label5->setBuddy(List1);

    Check1 = new QCheckBox(tr("Eén verzameling per land"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(Twips::rect(4080, 5190, 5000, 285));
    Label6 = DialogLayout::addLabel(this, "Label6", tr("Naam verzameling"), 4080, 5565);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(Twips::rect(5580, 5520, 3600, 315));
    Text1->setValidator(new Windows1252Validator(Text1));
    MainLook::setBackground(Text1, QPalette::Base, m_fieldColour);
    Label6->setBuddy(Text1);

    Label3 = DialogLayout::addLabel(this, "Label3", QString(), 180, 5910, 9000, 420);
    Label4 = DialogLayout::addLabel(this, "Label4", QString(), 180, 6360, 9000, 720);
    MainLook::setTextColour(Label4, WarningText);

    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 7380, 7170, 840, 330);
    OkKnop = DialogLayout::addButton(this, "OkKnop", tr("Ok"), 8280, 7170, 840, 330);
    OkKnop->setEnabled(false);
    Check1->setEnabled(false);
    Text1->setEnabled(false);
    connect(CancelKnop, &VistaButton::Click, this, &ImportForm::reject);
    new EnterConfirms(this, OkKnop);
}

void ImportForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
    // Read once the window shows, so that the progress bar can be seen.
    if (!m_readStarted) {
        m_readStarted = true;
        QTimer::singleShot(0, this, &ImportForm::readFile);
    }
}

void ImportForm::reject()
{
    if (m_reading)
        m_stopReading = true;
    else if (!BusyGuard::isBusy(this))
        QDialog::reject();
}

void ImportForm::readFile()
{
    m_reading = true;
    const StorageResult result = read([this](double done) {
        showProgress(done);
        QCoreApplication::processEvents();
        return !m_stopReading;
    });
    m_reading = false;
    if (m_stopReading) {
        QDialog::reject();
        return;
    }
    if (!result) {
        MessageBox::show(this, readFailure(result.reason), tr("Error"), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Critical);
        QDialog::reject();
        return;
    }
    showProgress(1);
    Check1->setEnabled(true);
    Text1->setEnabled(true);
    showContents();
}

void ImportForm::orderTabs(std::initializer_list<QWidget *> choices)
{
    QWidget *previous = nullptr;
    for (QWidget *next : choices) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, CancelKnop);
    setTabOrder(CancelKnop, OkKnop);
}

void ImportForm::showProgress(double done)
{
    Progress1->setValue(static_cast<int>(done * ProgressSteps));
}

void ImportForm::showPreview(const std::vector<StampRecord> &records)
{
    Grid1->setRowCount(static_cast<int>(records.size()));
    for (size_t row = 0; row < records.size(); ++row) {
        for (int field = 0; field < StampRecord::FieldCount; ++field)
            Grid1->setItem(static_cast<int>(row), field, new QTableWidgetItem(records[row][field]));
    }
    Grid1->resizeColumnsToContents();
}

void ImportForm::showCountries(const std::vector<std::pair<QString, int>> &countries)
{
    for (const auto &[name, records] : countries)
        List1->addItem(QStringLiteral("%1 (%2)").arg(name.isEmpty() ? tr("(geen land)") : name).arg(records));
}

void ImportForm::showPlan(const QString &caption, const std::vector<std::pair<QString, int>> &collections,
                          const QStringList &notes)
{
    QStringList written;
    for (const auto &[name, records] : collections)
        written << QStringLiteral("%1 (%2)").arg(name).arg(records);
    Label3->setText(caption.arg(written.join(QStringLiteral(", "))));
    Label4->setText(notes.join(u' '));
}

bool ImportForm::confirmReplacing(const QStringList &existing, bool replacesOpen)
{
    for (const QString &name : existing) {
        const QString question =
            tr("Verzameling '%1' bestaat reeds!\r\nWilt u deze overschrijven?").arg(name);
        if (MessageBox::show(this, question, MessageBox::programTitle(), MessageBox::Buttons::YesNo) !=
            MessageBox::Answer::Yes)
            return false;
    }
    return !replacesOpen || ConfirmReplaceCollection(m_collection, this);
}

bool ImportForm::checkName(const QString &name)
{
    const StorageResult named = CollectionFiles::checkNewName(m_collection.programFolder(), name);
    if (!named) {
        MessageBox::show(this, named.reason, tr("Error"), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Critical);
        Text1->setFocus();
    }
    return static_cast<bool>(named);
}

StorageResult
ImportForm::writeBusy(const std::function<StorageResult(const std::function<void(double)> &)> &write)
{
    const BusyGuard busy(this);
    showProgress(0);
    return write([this](double done) {
        showProgress(done);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void ImportForm::showReport(const QString &summary, const QStringList &notes)
{
    QString text = summary;
    if (!notes.isEmpty()) {
        text += tr("\r\n\r\nLet op:\r\n%1")
                    .arg(QStringList(notes.mid(0, NotesShown)).join(QStringLiteral("\r\n")));
        if (notes.size() > NotesShown)
            text += tr("\r\n... en nog %1.").arg(notes.size() - NotesShown);
    }
    // The notes belong to a done import: a report, not a warning.
    MessageBox::show(this, text, MessageBox::programTitle(), MessageBox::Buttons::Ok,
                     MessageBox::Icon::Information);
}

void ImportForm::showFailure(const QString &message)
{
    MessageBox::show(this, message, tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
    QDialog::reject();
}

void ImportForm::openAndClose(const QString &name)
{
    const StorageResult opened = m_collection.open(name);
    if (!opened)
        MessageBox::show(this, tr("Verzameling kon niet worden geopend!\r\n%1").arg(opened.reason),
                         tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
    accept();
}
