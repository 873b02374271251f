#include "listeditor/EditData.h"

#include "listeditor/SweepStrip.h"
#include "storage/folder/WaitSeconds.h"
#include "storage/formats/LookupList.h"
#include "widgets/BusyGuard.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"
#include "widgets/Windows1252Validator.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace {

// The window's outer size, frame and caption included.
constexpr int OuterWidth = 3300;
constexpr int OuterHeight = 5250;
// The height Windows gives a drop-down list in this font.
constexpr int ComboHeight = 315;

constexpr QColor BackgroundColour{220, 220, 190};
constexpr QColor FieldColour{20, 20, 60};
constexpr QColor FieldTextColour{220, 240, 220};

// The save sweep: lines at x = 0, 0.5, ... 145, a short wait after each.
constexpr int SweepSteps = 291;
constexpr float SweepStepSeconds = 0.01f;
constexpr float FinalWaitSeconds = 0.5f;

const char *const CountAfterLoad = QT_TRANSLATE_NOOP("EditData", "%1 woorden");
const char *const CountAfterChange = QT_TRANSLATE_NOOP("EditData", "%1 woorden.");

QFont dialogFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

// The list, the combo box and the input field: light text on dark blue. A
// drop-down list draws with the button roles, the others with base and text.
void paintAsField(QWidget *widget)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, FieldColour);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, FieldTextColour);
    widget->setPalette(palette);
}

QLabel *newLabel(QWidget *parent, const char *name, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(Twips::toPixels(left), Twips::toPixels(top));
    label->adjustSize();
    return label;
}

VistaButton *newButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new VistaButton(QLatin1String(name), parent);
    button->setCaption(caption);
    button->setFont(dialogFont());
    button->setGeometry(geometry);
    return button;
}

} // namespace

EditData::EditData(const ProgramFolder &folder, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("EditData"));
    setWindowTitle(tr("Data Bewerken"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(dialogFont());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BackgroundColour);
    setPalette(palette);
    setFixedSize(Twips::toPixels(OuterWidth), Twips::toPixels(OuterHeight));

    m_order.setCaseSensitivity(Qt::CaseInsensitive);

    buildControls();
    Form_Load();
}

void EditData::buildControls()
{
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(Twips::rect(150, 150, 2895, ComboHeight));
    paintAsField(Combo1);
    // A pick from the list, even of the list already shown, loads it afresh.
    connect(Combo1, &QComboBox::activated, this, &EditData::Combo1_Click);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    ReaderNames::name(Combo1, tr("Woordenlijst"));
    ReaderNames::name(List1, tr("Woorden"));
    List1->setGeometry(Twips::rect(150, 540, 2880, 2370));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    paintAsField(List1);
    // Chosen by the pointer or the arrow keys alike.
    connect(List1, &QListWidget::itemSelectionChanged, this, &EditData::List1_Click);

    Label2 = newLabel(this, "Label2", QString(), 165, 2940);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    ReaderNames::name(Text1, tr("Nieuw woord"));
    Text1->setGeometry(Twips::rect(150, 3315, 2190, 315));
    Text1->setValidator(new Windows1252Validator(Text1));
    paintAsField(Text1);

    Bar = new SweepStrip(this);
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setGeometry(Twips::rect(150, 3315, 2190, 315));
    Bar->hide();

    AddKnop = newButton(this, "AddKnop", tr("Add"), Twips::rect(2460, 3315, 570, 300));
    connect(AddKnop, &VistaButton::Click, this, &EditData::AddKnop_Click);
    DeleteKnop = newButton(this, "DeleteKnop", tr("Delete"), Twips::rect(150, 3750, 840, 330));
    connect(DeleteKnop, &VistaButton::Click, this, &EditData::DeleteKnop_Click);
    Label5 = newLabel(this, "Label5", tr("Verwijder Item"), 1080, 3810);
    CancelKnop = newButton(this, "CancelKnop", tr("Cancel"), Twips::rect(1470, 4320, 780, 330));
    connect(CancelKnop, &VistaButton::Click, this, &EditData::reject);
    OkKnop = newButton(this, "OkKnop", tr("Ok"), Twips::rect(2280, 4320, 780, 330));
    connect(OkKnop, &VistaButton::Click, this, &EditData::OkKnop_Click);
    // Enter in the word box adds the word; elsewhere it confirms the lists.
    auto *enter = new EnterConfirms(this, OkKnop);
    enter->pressFrom(Text1, AddKnop);
}

void EditData::Form_Load()
{
    // The name filter matches "X.TXT" too, as on Windows.
    QStringList files =
        QDir(m_folder.dataFolder()).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    sortInOrder(files);
    Combo1->addItems(files);
    if (!files.isEmpty()) {
        Combo1->setCurrentIndex(0);
        Combo1_Click();
    }
    showCount(CountAfterLoad);
}

void EditData::Combo1_Click()
{
    List1->clear();
    QStringList loaded = LookupList::readNonBlank(m_folder.dataFile(Combo1->currentText()));
    sortInOrder(loaded);
    List1->addItems(loaded);
    showCount(CountAfterLoad);
    DeleteKnop->setEnabled(false);
}

void EditData::List1_Click()
{
    if (!List1->selectedItems().isEmpty())
        DeleteKnop->setEnabled(true);
}

void EditData::AddKnop_Click()
{
    const QString word = Text1->text();
    if (word.isEmpty())
        return;
    // After every equal word, so that a word added again lands behind its twin.
    int position = 0;
    int end = List1->count();
    while (position < end) {
        const int middle = position + (end - position) / 2;
        if (m_order(word, List1->item(middle)->text()))
            end = middle;
        else
            position = middle + 1;
    }
    List1->insertItem(position, word);
    showCount(CountAfterChange);
}

void EditData::DeleteKnop_Click()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    if (selected.isEmpty()) {
        MessageBox::show(this, tr("Eerst een tekst selecteren!"));
        return;
    }
    delete List1->takeItem(List1->row(selected.first()));
    List1->clearSelection();
    List1->setCurrentRow(-1);
    showCount(CountAfterChange);
}

void EditData::OkKnop_Click()
{
    // Without a list there is nothing to save.
    if (Combo1->currentIndex() < 0) {
        accept();
        return;
    }
    StorageResult written;
    {
        const BusyGuard busy(this);
        // A list picked meanwhile would be overwritten with the words of the one shown at OK.
        Combo1->setEnabled(false);
        sweep();
        written = LookupList::write(m_folder.dataFile(Combo1->currentText()), words());
        if (written)
            WaitSeconds(FinalWaitSeconds);
        Combo1->setEnabled(true);
    }
    if (!written) {
        Bar->hide();
        // The words are still here: the user may try again or copy them elsewhere.
        MessageBox::show(this, tr("Lijst kon niet worden opgeslagen!\r\n%1").arg(written.reason), tr("Error"),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
        return;
    }
    accept();
}

void EditData::reject()
{
    if (!BusyGuard::isBusy(this))
        QDialog::reject();
}

void EditData::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

void EditData::showCount(const char *wording)
{
    Label2->setText(tr(wording).arg(List1->count()));
    Label2->adjustSize();
}

void EditData::sortInOrder(QStringList &texts) const
{
    // Stable, so that words equal but for case keep the order of the file.
    std::stable_sort(texts.begin(), texts.end(),
                     [this](const QString &left, const QString &right) { return m_order(left, right); });
}

QStringList EditData::words() const
{
    QStringList entries;
    entries.reserve(List1->count());
    for (int row = 0; row < List1->count(); ++row)
        entries.append(List1->item(row)->text());
    return entries;
}

void EditData::sweep()
{
    Bar->clear();
    Bar->show();
    Bar->raise();
    for (int step = 0; step < SweepSteps; ++step) {
        Bar->drawLine(step * 0.5);
        WaitSeconds(SweepStepSeconds);
    }
}
