#include "common/TestFolder.h"
#include "listeditor/EditData.h"
#include "listeditor/SweepStrip.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QColor StripBackground(20, 20, 60);
// The strip is 2190 twips wide: 146 pixel columns, every one reached by the sweep.
constexpr int StripColumns = 146;

// The dialog, shown, with its controls found by name as a user would see them.
struct Editor {
    explicit Editor(const TestFolder &folder)
        : dialog(std::make_unique<EditData>(folder.folder()))
    {
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            qWarning("dialog not exposed");
        Combo1 = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
        List1 = dialog->findChild<QListWidget *>(QStringLiteral("List1"));
        Label2 = dialog->findChild<QLabel *>(QStringLiteral("Label2"));
        Text1 = dialog->findChild<QLineEdit *>(QStringLiteral("Text1"));
        Bar = dialog->findChild<SweepStrip *>(QStringLiteral("Bar"));
        AddKnop = dialog->findChild<VistaButton *>(QStringLiteral("AddKnop"));
        DeleteKnop = dialog->findChild<VistaButton *>(QStringLiteral("DeleteKnop"));
        CancelKnop = dialog->findChild<VistaButton *>(QStringLiteral("CancelKnop"));
        OkKnop = dialog->findChild<VistaButton *>(QStringLiteral("OkKnop"));
    }

    QStringList words() const
    {
        QStringList entries;
        for (int row = 0; row < List1->count(); ++row)
            entries.append(List1->item(row)->text());
        return entries;
    }
    QStringList files() const
    {
        QStringList names;
        for (int index = 0; index < Combo1->count(); ++index)
            names.append(Combo1->itemText(index));
        return names;
    }
    void click(VistaButton *button) const
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    void clickWord(int row) const
    {
        QTest::mouseClick(List1->viewport(), Qt::LeftButton, {},
                          List1->visualItemRect(List1->item(row)).center());
    }
    void add(const QString &word) const
    {
        Text1->setText(word);
        click(AddKnop);
    }

    std::unique_ptr<EditData> dialog;
    QComboBox *Combo1 = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text1 = nullptr;
    SweepStrip *Bar = nullptr;
    VistaButton *AddKnop = nullptr;
    VistaButton *DeleteKnop = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;
};

// Looks at the strip again and again while OK runs: the drawn columns must
// always be a run from the left, each in its colour, and the run never starts
// over. The first time the strip is seen, a chosen action runs.
class SweepWatcher : public QObject {
public:
    SweepWatcher(const SweepStrip *strip, std::function<void()> whileSweeping = {})
        : m_strip(strip)
        , m_whileSweeping(std::move(whileSweeping))
    {
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, &SweepWatcher::look);
        m_timer.start();
    }

    int mostColumns = 0;
    bool startedOver = false;
    QString wrongPixel;

private:
    void look()
    {
        if (!m_strip->isVisible())
            return;
        if (m_whileSweeping) {
            const std::function<void()> action = std::exchange(m_whileSweeping, {});
            action();
        }
        const QImage image = m_strip->image();
        int drawn = 0;
        while (drawn < image.width() && image.pixelColor(drawn, 0) != StripBackground)
            ++drawn;
        for (int column = 0; column < image.width() && wrongPixel.isEmpty(); ++column) {
            const QColor expected = column < drawn ? QColor(column + 40, column + 100, 0) : StripBackground;
            for (int y = 0; y < image.height(); ++y) {
                const QColor wanted = y < 20 ? expected : StripBackground;
                if (image.pixelColor(column, y) != wanted) {
                    wrongPixel = QStringLiteral("(%1, %2) is %3, not %4 (%5 columns drawn)")
                                     .arg(column)
                                     .arg(y)
                                     .arg(image.pixelColor(column, y).name(), wanted.name())
                                     .arg(drawn);
                    break;
                }
            }
        }
        if (drawn < mostColumns)
            startedOver = true;
        mostColumns = std::max(mostColumns, drawn);
    }

    const SweepStrip *m_strip;
    std::function<void()> m_whileSweeping;
    QTimer m_timer;
};

} // namespace

class tst_EditData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowAndControls();
    void listsTheTextFilesOfTheDataFolder();
    void dataFolderWithoutLists();
    void loadSkipsBlankLinesAndSaves();
    void addKeepsTheOrderWithoutRegardToCase();
    void text1RefusesCharactersOutsideTheCodePage();
    void deleteNeedsASelectedWord();
    void deletingEveryWordSavesAnEmptyFileUndisturbed();
    void choosingAnotherListDropsChanges();
    void failedSaveKeepsTheWords();

private:
    QList<MessageBox::Request> m_boxes;
};

void tst_EditData::initTestCase()
{
    // Word order follows the user's language; this collector writes Dutch.
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
}

void tst_EditData::init()
{
    m_boxes.clear();
    MessageBox::setTestHook([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return MessageBox::Answer::Ok;
    });
}

void tst_EditData::cleanup()
{
    MessageBox::setTestHook({});
}

void tst_EditData::windowAndControls()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/Soort.txt"), crlf({QStringLiteral("Blok")}));
    Editor editor(folder);

    QCOMPARE(editor.dialog->windowTitle(), QStringLiteral("Data Bewerken"));
    QVERIFY(editor.dialog->isModal());
    QCOMPARE(editor.dialog->frameGeometry().size(), Twips::rect(0, 0, 3300, 5250).size());
    const struct {
        const char *name;
        QRect place;
    } controls[] = {
        {"List1", Twips::rect(150, 540, 2880, 2370)},     {"Text1", Twips::rect(150, 3315, 2190, 315)},
        {"Bar", Twips::rect(150, 3315, 2190, 315)},       {"AddKnop", Twips::rect(2460, 3315, 570, 300)},
        {"DeleteKnop", Twips::rect(150, 3750, 840, 330)}, {"CancelKnop", Twips::rect(1470, 4320, 780, 330)},
        {"OkKnop", Twips::rect(2280, 4320, 780, 330)},
    };
    for (const auto &control : controls) {
        const QWidget *widget = editor.dialog->findChild<QWidget *>(QLatin1String(control.name));
        QVERIFY2(widget, control.name);
        QCOMPARE(widget->geometry(), control.place);
    }
    // Labels and the drop-down list take the height of their font.
    QCOMPARE(editor.Combo1->geometry().topLeft(), Twips::rect(150, 150, 0, 0).topLeft());
    QCOMPARE(editor.Combo1->width(), Twips::toPixels(2895));
    QCOMPARE(editor.Label2->pos(), Twips::rect(165, 2940, 0, 0).topLeft());
    const auto *label5 = editor.dialog->findChild<QLabel *>(QStringLiteral("Label5"));
    QVERIFY(label5);
    QCOMPARE(label5->pos(), Twips::rect(1080, 3810, 0, 0).topLeft());
    QCOMPARE(label5->text(), QStringLiteral("Verwijder Item"));
    const QStringList captions{editor.AddKnop->caption(), editor.DeleteKnop->caption(),
                               editor.CancelKnop->caption(), editor.OkKnop->caption()};
    QCOMPARE(captions, QStringList({"Add", "Delete", "Cancel", "Ok"}));
    for (const QWidget *widget : std::initializer_list<const QWidget *>{
             editor.Combo1, editor.List1, editor.Label2, editor.Text1, label5, editor.OkKnop}) {
        QCOMPARE(widget->font().family(), QStringLiteral("Arial"));
        QCOMPARE(widget->font().pointSizeF(), 8.25);
        QVERIFY(!widget->font().bold());
    }
    QVERIFY(editor.Bar->isHidden());
    QVERIFY(editor.Text1->isVisible());

    // The colours as they reach the screen.
    const QImage shot = editor.dialog->grab().toImage();
    QCOMPARE(shot.pixelColor(2, 2), QColor(220, 220, 190));
    const QRect list = editor.List1->geometry();
    QCOMPARE(shot.pixelColor(list.right() - 8, list.bottom() - 8), QColor(20, 20, 60));
    const QRect text = editor.Text1->geometry();
    QCOMPARE(shot.pixelColor(text.right() - 6, text.center().y()), QColor(20, 20, 60));
    QCOMPARE(editor.List1->palette().color(QPalette::Text), QColor(220, 240, 220));
    QCOMPARE(editor.Text1->palette().color(QPalette::Text), QColor(220, 240, 220));
    QCOMPARE(editor.Combo1->palette().color(QPalette::ButtonText), QColor(220, 240, 220));
}

void tst_EditData::listsTheTextFilesOfTheDataFolder()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/soort.txt"), crlf({QStringLiteral("Blok")}));
    folder.write(QStringLiteral("Data/Type.TXT"), crlf({QStringLiteral("Gestempeld")}));
    folder.write(QStringLiteral("Data/Categorie.txt"),
                 crlf({QStringLiteral("Zegel"), QStringLiteral("Blok")}));
    folder.write(QStringLiteral("Data/help.pdf"), "%PDF");
    folder.write(QStringLiteral("Data/Oud.txt.bak"), crlf({QStringLiteral("x")}));
    QVERIFY(QDir(folder.path(QStringLiteral("Data"))).mkdir(QStringLiteral("Map.txt")));
    Editor editor(folder);

    QCOMPARE(editor.files(), QStringList({"Categorie.txt", "soort.txt", "Type.TXT"}));
    QCOMPARE(editor.Combo1->currentIndex(), 0);
    QCOMPARE(editor.words(), QStringList({"Blok", "Zegel"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("2 woorden"));
    QVERIFY(!editor.DeleteKnop->enabled());

    // A list picked from the box is loaded, its name matched whatever its case.
    QTest::keyClick(editor.Combo1, Qt::Key_End);
    QCOMPARE(editor.Combo1->currentText(), QStringLiteral("Type.TXT"));
    QCOMPARE(editor.words(), QStringList({"Gestempeld"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("1 woorden"));
}

void tst_EditData::dataFolderWithoutLists()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/help.pdf"), "%PDF");
    Editor editor(folder);

    QCOMPARE(editor.Combo1->count(), 0);
    QCOMPARE(editor.Combo1->currentIndex(), -1);
    QCOMPARE(editor.List1->count(), 0);
    QCOMPARE(editor.Label2->text(), QStringLiteral("0 woorden"));

    // With no list there is nothing to save: OK closes and writes nothing.
    editor.click(editor.OkKnop);
    QVERIFY(!editor.dialog->isVisible());
    QCOMPARE(editor.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(QDir(folder.path(QStringLiteral("Data"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"help.pdf"}));
    QVERIFY(m_boxes.isEmpty());

    // No data folder at all looks the same.
    QVERIFY(QDir(folder.path(QStringLiteral("Data"))).removeRecursively());
    Editor withoutFolder(folder);
    QCOMPARE(withoutFolder.Combo1->count(), 0);
    QCOMPARE(withoutFolder.Label2->text(), QStringLiteral("0 woorden"));
}

void tst_EditData::loadSkipsBlankLinesAndSaves()
{
    TestFolder folder;
    const QByteArray other = "Rood\nGroen\rBlauw";
    folder.write(QStringLiteral("Data/Categorie.txt"), "Zegel  \r\n\r\n   \r\nBrief\r\n");
    folder.write(QStringLiteral("Data/Kleur.txt"), other);
    Editor editor(folder);

    // Lone LF and CR end lines too; the last line needs no ending.
    QCOMPARE(editor.files(), QStringList({"Categorie.txt", "Kleur.txt"}));
    QTest::keyClick(editor.Combo1, Qt::Key_Down);
    QCOMPARE(editor.words(), QStringList({"Blauw", "Groen", "Rood"}));
    QTest::keyClick(editor.Combo1, Qt::Key_Up);
    QCOMPARE(editor.words(), QStringList({"Brief", "Zegel  "}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("2 woorden"));

    SweepWatcher watcher(editor.Bar);
    editor.click(editor.OkKnop);

    QCOMPARE(folder.read(QStringLiteral("Data/Categorie.txt")), QByteArray("Brief\r\nZegel  \r\n"));
    QCOMPARE(folder.read(QStringLiteral("Data/Kleur.txt")), other);
    QVERIFY(!editor.dialog->isVisible());
    QCOMPARE(editor.dialog->result(), int(QDialog::Accepted));
    QVERIFY(m_boxes.isEmpty());
    // Column n ends in RGB(n + 40, n + 100, 0): halves round to even, so the
    // line at n + 0.5 lands on an even column in that column's own colour.
    QVERIFY2(watcher.wrongPixel.isEmpty(), qPrintable(watcher.wrongPixel));
    QVERIFY(!watcher.startedOver);
    QCOMPARE(watcher.mostColumns, StripColumns);
}

void tst_EditData::addKeepsTheOrderWithoutRegardToCase()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/Motief.txt"), crlf({QStringLiteral("Noot"), QStringLiteral("Mies")}));
    Editor editor(folder);
    QCOMPARE(editor.words(), QStringList({"Mies", "Noot"}));

    // Empty: nothing changes, not even the count text.
    editor.Text1->clear();
    editor.click(editor.AddKnop);
    QCOMPARE(editor.words(), QStringList({"Mies", "Noot"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("2 woorden"));

    editor.add(QStringLiteral("Aap"));
    QCOMPARE(editor.words(), QStringList({"Aap", "Mies", "Noot"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("3 woorden."));
    QCOMPARE(editor.Text1->text(), QStringLiteral("Aap"));

    // The same word again gives two entries.
    editor.click(editor.AddKnop);
    QCOMPARE(editor.words(), QStringList({"Aap", "Aap", "Mies", "Noot"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("4 woorden."));

    // Case does not count; a word equal but for case goes behind its twin.
    // Accents sort as in the language, not by character code.
    editor.add(QStringLiteral("mies"));
    editor.add(QStringLiteral("aardbei"));
    editor.add(QStringLiteral("\u00c9mile"));
    editor.add(QStringLiteral("Eiland"));
    editor.add(QStringLiteral("fries"));
    editor.add(QStringLiteral("  Vis"));
    QCOMPARE(editor.words(), QStringList({"  Vis", "Aap", "Aap", "aardbei", "Eiland", "\u00c9mile", "fries",
                                          "Mies", "mies", "Noot"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("10 woorden."));
}

void tst_EditData::text1RefusesCharactersOutsideTheCodePage()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/Type.txt"), QByteArray());
    Editor editor(folder);

    // Typed as an input method delivers it: the whole text in one key event.
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                    QStringLiteral("Caf\u00e9 \u20ac\u2713\u4e2d"));
    QCoreApplication::sendEvent(editor.Text1, &typed);
    QCOMPARE(editor.Text1->text(), QStringLiteral("Caf\u00e9 \u20ac"));
    editor.click(editor.AddKnop);
    QCOMPARE(editor.words(), QStringList({QStringLiteral("Caf\u00e9 \u20ac")}));
}

void tst_EditData::deleteNeedsASelectedWord()
{
    TestFolder folder;
    folder.write(
        QStringLiteral("Data/Conditie.txt"),
        crlf({QStringLiteral("Postfris"), QStringLiteral("Gestempeld"), QStringLiteral("Beschadigd")}));
    Editor editor(folder);

    QVERIFY(!editor.DeleteKnop->enabled());
    editor.click(editor.DeleteKnop);
    QVERIFY(m_boxes.isEmpty());

    editor.clickWord(1);
    QVERIFY(editor.DeleteKnop->enabled());
    editor.click(editor.DeleteKnop);
    QCOMPARE(editor.words(), QStringList({"Beschadigd", "Postfris"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("2 woorden."));
    QVERIFY(editor.List1->selectedItems().isEmpty());
    QVERIFY(editor.DeleteKnop->enabled());
    QVERIFY(m_boxes.isEmpty());

    // Right after a delete nothing is selected.
    editor.click(editor.DeleteKnop);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().text, QStringLiteral("Eerst een tekst selecteren!"));
    QCOMPARE(m_boxes.first().caption, QStringLiteral("Tessaron2"));
    QCOMPARE(m_boxes.first().buttons, MessageBox::Buttons::Ok);
    QCOMPARE(editor.words(), QStringList({"Beschadigd", "Postfris"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("2 woorden."));

    // The arrow keys choose a word as well as the pointer does.
    editor.List1->setFocus();
    QTest::keyClick(editor.List1, Qt::Key_Down);
    editor.click(editor.DeleteKnop);
    QCOMPARE(editor.words().size(), 1);
    QCOMPARE(m_boxes.size(), 1);

    // Cancel writes nothing.
    editor.click(editor.CancelKnop);
    QVERIFY(!editor.dialog->isVisible());
    QCOMPARE(editor.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(folder.read(QStringLiteral("Data/Conditie.txt")),
             crlf({QStringLiteral("Postfris"), QStringLiteral("Gestempeld"), QStringLiteral("Beschadigd")}));
}

void tst_EditData::deletingEveryWordSavesAnEmptyFileUndisturbed()
{
    TestFolder folder;
    const QByteArray landen = crlf({QStringLiteral("Nederland"), QStringLiteral("Belgi\u00eb")});
    folder.write(QStringLiteral("Data/Landen.txt"), landen);
    folder.write(QStringLiteral("Data/Soort.txt"), crlf({QStringLiteral("Blok")}));
    Editor editor(folder);
    QCOMPARE(editor.Combo1->currentText(), QStringLiteral("Landen.txt"));
    while (editor.List1->count() > 0) {
        editor.clickWord(0);
        editor.click(editor.DeleteKnop);
    }
    QCOMPARE(editor.Label2->text(), QStringLiteral("0 woorden."));
    editor.Text1->setText(QStringLiteral("Aap"));

    // While the strip fills, the window's buttons, its close box, Escape and the
    // list choice do nothing.
    bool stayedOpen = false;
    SweepWatcher watcher(editor.Bar, [&editor, &stayedOpen] {
        editor.click(editor.CancelKnop);
        editor.click(editor.OkKnop);
        editor.click(editor.AddKnop);
        editor.click(editor.DeleteKnop);
        editor.dialog->close();
        QTest::keyClick(editor.dialog.get(), Qt::Key_Escape);
        QTest::keyClick(editor.Combo1, Qt::Key_Down);
        stayedOpen = editor.dialog->isVisible();
    });
    editor.click(editor.OkKnop);

    QVERIFY(stayedOpen);
    QVERIFY(!editor.dialog->isVisible());
    QCOMPARE(editor.dialog->result(), int(QDialog::Accepted));
    QVERIFY(folder.exists(QStringLiteral("Data/Landen.txt")));
    QCOMPARE(folder.read(QStringLiteral("Data/Landen.txt")), QByteArray());
    QCOMPARE(folder.read(QStringLiteral("Data/Soort.txt")), crlf({QStringLiteral("Blok")}));
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(!watcher.startedOver);
    QCOMPARE(watcher.mostColumns, StripColumns);
}

void tst_EditData::choosingAnotherListDropsChanges()
{
    TestFolder folder;
    const QByteArray kinds = crlf({QStringLiteral("Blok"), QStringLiteral("Zegel")});
    const QByteArray types = crlf({QStringLiteral("Postfris")});
    folder.write(QStringLiteral("Data/Soort.txt"), kinds);
    folder.write(QStringLiteral("Data/Type.txt"), types);
    Editor editor(folder);

    editor.add(QStringLiteral("Vel"));
    editor.clickWord(0);
    editor.click(editor.DeleteKnop);
    QCOMPARE(editor.words(), QStringList({"Vel", "Zegel"}));

    QTest::keyClick(editor.Combo1, Qt::Key_Down);
    QCOMPARE(editor.words(), QStringList({"Postfris"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("1 woorden"));
    QVERIFY(!editor.DeleteKnop->enabled());

    QTest::keyClick(editor.Combo1, Qt::Key_Up);
    QCOMPARE(editor.words(), QStringList({"Blok", "Zegel"}));
    QCOMPARE(editor.Label2->text(), QStringLiteral("2 woorden"));

    // Picking the list shown once more loads it afresh as well.
    editor.add(QStringLiteral("Vel"));
    emit editor.Combo1->activated(editor.Combo1->currentIndex());
    QCOMPARE(editor.words(), QStringList({"Blok", "Zegel"}));

    // Opened modally, as the menu command does; Cancel ends it and writes nothing.
    editor.add(QStringLiteral("Vel"));
    QTimer::singleShot(0, editor.dialog.get(), [&editor] { editor.click(editor.CancelKnop); });
    QCOMPARE(editor.dialog->exec(), int(QDialog::Rejected));
    QCOMPARE(folder.read(QStringLiteral("Data/Soort.txt")), kinds);
    QCOMPARE(folder.read(QStringLiteral("Data/Type.txt")), types);
}

void tst_EditData::failedSaveKeepsTheWords()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/Motief.txt"), crlf({QStringLiteral("Schip")}));
    Editor editor(folder);
    editor.add(QStringLiteral("Bloem"));

    // Something in the way of the file: a folder of the same name.
    const QString listFile = folder.path(QStringLiteral("Data/Motief.txt"));
    QVERIFY(QFile::remove(listFile));
    QVERIFY(QDir().mkdir(listFile));
    editor.click(editor.OkKnop);

    QCOMPARE(m_boxes.size(), 1);
    const QStringList message = m_boxes.first().text.split(QStringLiteral("\r\n"));
    QCOMPARE(message.size(), 2);
    QCOMPARE(message.first(), QStringLiteral("Lijst kon niet worden opgeslagen!"));
    QVERIFY(!message.last().isEmpty());
    QCOMPARE(m_boxes.first().caption, QStringLiteral("Error"));
    QCOMPARE(m_boxes.first().icon, MessageBox::Icon::Critical);
    QVERIFY(editor.dialog->isVisible());
    QVERIFY(editor.Bar->isHidden());
    QCOMPARE(editor.words(), QStringList({"Bloem", "Schip"}));

    // The window works as before; once the way is clear, OK saves.
    editor.add(QStringLiteral("Trein"));
    QCOMPARE(editor.words(), QStringList({"Bloem", "Schip", "Trein"}));
    QVERIFY(QDir().rmdir(listFile));
    editor.click(editor.OkKnop);
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(!editor.dialog->isVisible());
    QCOMPARE(folder.read(QStringLiteral("Data/Motief.txt")),
             crlf({QStringLiteral("Bloem"), QStringLiteral("Schip"), QStringLiteral("Trein")}));
}

QTEST_MAIN(tst_EditData)
#include "tst_editdata.moc"
