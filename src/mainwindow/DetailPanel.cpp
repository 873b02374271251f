#include "mainwindow/DetailPanel.h"

#include "mainwindow/LoadLookupList.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/text/Trim.h"
#include "storage/text/Windows1252.h"
#include "widgets/MainLook.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/Windows1252Validator.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr int TextBoxHeight = 285;
constexpr int ComboHeight = 315;
constexpr int FirstYear = 1850;
constexpr int LastYear = 2050;
constexpr int YearShownAtStart = 1870;

void showInCombo(QComboBox *box, const QString &text)
{
    // The entry itself when there is one, so that the drop-down list opens on it.
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(text);
}

// The box's text exactly as it stands, a line break (however the document keeps
// it) becoming one space.
QString remarksLine(const QPlainTextEdit *box)
{
    QString text = box->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

} // namespace

DetailPanel::DetailPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAutoFillBackground(true);

    Label9 = new QLabel(tr("Record"), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setFont(MainLook::titleFont());
    MainLook::setTextColour(Label9, QColor(170, 170, 170));
    Label9->move(Twips::toPixels(3660), Twips::toPixels(210));
    Label9->adjustSize();

    Combo1 = addCombo("Combo1", 150, 240, 900);
    for (int year = FirstYear; year <= LastYear; ++year)
        Combo1->addItem(QString::number(year));
    Combo1->setCurrentIndex(YearShownAtStart - FirstYear);
    addCaption(0, tr("Jaar van uitgifte"), 1110, 295);

    Text1 = addLineEdit("Text1", 150, 660, 1200);
    addCaption(1, tr("Cat.nummer"), 1440, 705);
    Combo2 = addCombo("Combo2", 150, 1080, 2700);
    addCaption(2, tr("Categorie"), 2910, 1125);
    Text2 = addLineEdit("Text2", 150, 1500, 3300);
    addCaption(3, tr("Onderwerp"), 3510, 1545);
    Combo3 = addCombo("Combo3", 150, 1920, 2400);
    addCaption(4, tr("Soort zegel"), 2610, 1965);
    Combo4 = addCombo("Combo4", 150, 2340, 2400);
    addCaption(5, tr("Type zegel"), 2610, 2385);
    Text3 = addLineEdit("Text3", 150, 2760, 3000);
    addCaption(6, tr("Waarde opdruk"), 3210, 2805);
    Text4 = addLineEdit("Text4", 150, 3180, 3660);
    addCaption(7, tr("Afbeelding"), 3870, 3235);

    Text5 = new QPlainTextEdit(this);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setGeometry(Twips::rect(150, 3780, 4500, 510));
    Text5->setTabChangesFocus(true);
    connect(Text5, &QPlainTextEdit::textChanged, this, &DetailPanel::dropUnwritableRemarks);
    addCaption(8, tr("Informatie"), 165, 3555);

    Combo5 = addCombo("Combo5", 150, 4395, 2100);
    addCaption(9, tr("Conditie"), 2310, 4440);
    Text6 = addLineEdit("Text6", 150, 4830, 1050);
    Text7 = addLineEdit("Text7", 2400, 4830, 1050);
    // One caption names both price boxes; the blanks carry "Mijn Prijs" over to the second.
    addCaption(10, tr("Cat.Prijs") + QString(37, QLatin1Char(' ')) + tr("Mijn Prijs"), 1290, 4860);

    // A screen reader names each field after its caption; the price caption serves two fields.
    const std::array<QWidget *, 10> captioned{Combo1, Text1, Combo2, Text2, Combo3,
                                              Combo4, Text3, Text4,  Text5, Combo5};
    for (size_t i = 0; i < captioned.size(); ++i)
        ReaderNames::labelField(Label1[i], captioned[i]);
    ReaderNames::name(Text6, tr("Cat.Prijs"));
    ReaderNames::name(Text7, tr("Mijn Prijs"));

    // In the free room between the prices and the buttons; no control moves for it.
    CatalogueLine = new QLabel(this);
    CatalogueLine->setObjectName(QStringLiteral("CatalogueLine"));
    CatalogueLine->setGeometry(Twips::rect(150, 5250, 4530, 255));
    CatalogueLine->setTextFormat(Qt::PlainText);
    CatalogueLine->installEventFilter(this);
    showCatalogueLine(QString());
}

void DetailPanel::showCatalogueLine(const QString &line)
{
    m_catalogueLine = line;
    // A line too long for the panel ends in "..."; the whole line is in its tooltip.
    const QFontMetrics metrics(CatalogueLine->font());
    CatalogueLine->setText(metrics.elidedText(line, Qt::ElideRight, CatalogueLine->width()));
    CatalogueLine->setToolTip(line.isEmpty() ? tr("Dubbelklik om de catalogusnummers te bewerken")
                                             : line + QLatin1Char('\n') +
                                                   tr("Dubbelklik om de catalogusnummers te bewerken"));
    ReaderNames::name(CatalogueLine,
                      line.isEmpty() ? tr("Catalogusnummers: geen") : tr("Catalogusnummers: %1").arg(line));
}

bool DetailPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CatalogueLine && event->type() == QEvent::MouseButtonDblClick) {
        emit catalogueLineActivated();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void DetailPanel::loadLookupLists(const ProgramFolder &folder)
{
    LoadLookupList(folder.dataFile(QStringLiteral("Categorie.txt")), Combo2);
    LoadLookupList(folder.dataFile(QStringLiteral("Soort.txt")), Combo3);
    LoadLookupList(folder.dataFile(QStringLiteral("Type.txt")), Combo4);
    LoadLookupList(folder.dataFile(QStringLiteral("Conditie.txt")), Combo5);
}

void DetailPanel::setFieldColour(const QColor &colour)
{
    for (QWidget *field : std::initializer_list<QWidget *>{Combo1, Combo2, Combo3, Combo4, Combo5, Text1,
                                                           Text2, Text3, Text4, Text5, Text6, Text7})
        MainLook::setBackground(field, QPalette::Base, colour);
}

void DetailPanel::showRecord(const StampRecord &record)
{
    showInCombo(Combo1, record[StampRecord::Year]);
    Text1->setText(record[StampRecord::CatalogueNumber]);
    showInCombo(Combo2, record[StampRecord::Category]);
    Text2->setText(record[StampRecord::Subject]);
    showInCombo(Combo3, record[StampRecord::Kind]);
    showInCombo(Combo4, record[StampRecord::Type]);
    Text3->setText(record[StampRecord::FaceValue]);
    Text4->setText(record[StampRecord::Depiction]);
    Text5->setPlainText(record[StampRecord::Info]);
    showInCombo(Combo5, record[StampRecord::Condition]);
    Text6->setText(record[StampRecord::CataloguePrice]);
    Text7->setText(record[StampRecord::OwnPrice]);
}

StampRecord DetailPanel::recordInFields() const
{
    StampRecord record;
    record[StampRecord::Year] = Combo1->currentText();
    record[StampRecord::CatalogueNumber] = Text1->text();
    record[StampRecord::Category] = Combo2->currentText();
    record[StampRecord::Subject] = Text2->text();
    record[StampRecord::Kind] = Combo3->currentText();
    record[StampRecord::Type] = Combo4->currentText();
    record[StampRecord::FaceValue] = Text3->text();
    record[StampRecord::Depiction] = Text4->text();
    record[StampRecord::Info] = remarksLine(Text5);
    record[StampRecord::Condition] = Combo5->currentText();
    record[StampRecord::CataloguePrice] = Text6->text();
    record[StampRecord::OwnPrice] = Text7->text();
    return record;
}

void DetailPanel::fillEmptyTexts()
{
    const QString placeholder = QStringLiteral("-");
    for (QLineEdit *box : {Text2, Text3, Text4}) {
        if (isBlank(box->text()))
            box->setText(placeholder);
    }
    if (isBlank(Text5->document()->toRawText()))
        Text5->setPlainText(placeholder);
    for (QLineEdit *box : {Text6, Text7}) {
        if (isBlank(box->text()))
            box->setText(placeholder);
    }
}

// Emptied by the program, not by typing: the boxes forget their own undo steps
// too, so that Ctrl+Z goes to the collection's history.
void DetailPanel::clearTexts()
{
    clearForNewCollection();
    Text6->setText(QString());
    Text7->setText(QString());
}

void DetailPanel::clearForNewCollection()
{
    for (QLineEdit *box : {Text1, Text2, Text3, Text4})
        box->setText(QString());
    Text5->clear();
}

void DetailPanel::focusCatalogueNumber()
{
    Text1->setFocus();
}

QComboBox *DetailPanel::addCombo(const char *name, int left, int top, int width)
{
    auto *box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // What was typed stays as typed: no inline completion, no list entry taken on leaving.
    box->setCompleter(nullptr);
    box->setGeometry(Twips::rect(left, top, width, ComboHeight));
    box->setValidator(new Windows1252Validator(box));
    return box;
}

QLineEdit *DetailPanel::addLineEdit(const char *name, int left, int top, int width)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(Twips::rect(left, top, width, TextBoxHeight));
    edit->setValidator(new Windows1252Validator(edit));
    return edit;
}

void DetailPanel::addCaption(int index, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->move(Twips::toPixels(left), Twips::toPixels(top));
    label->adjustSize();
    Label1[static_cast<size_t>(index)] = label;
}

void DetailPanel::dropUnwritableRemarks()
{
    if (m_droppingCharacters)
        return;
    const QString text = Text5->toPlainText();
    if (Windows1252::filtered(text).size() == text.size())
        return;
    // Removed in place, last first, so that the cursor stays where the user
    // typed, joined to the edit that brought them so one undo takes back both.
    m_droppingCharacters = true;
    QTextCursor cursor(Text5->document());
    cursor.joinPreviousEditBlock();
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (Windows1252::canEncode(text[i]))
            continue;
        cursor.setPosition(static_cast<int>(i));
        cursor.setPosition(static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    m_droppingCharacters = false;
}
