#include "WindowFixture.h"
#include "WindowHelpers.h"
#include "common/TestFolder.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/keeping/RecoveryFile.h"
#include "widgets/MessageBox.h"
#include "widgets/RecordListView.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTest>

#include "common/Control.h"
#include <QFrame>
#include <memory>

namespace {

const QString IniName = QStringLiteral("Tessaron2.ini");
const QColor DefaultPanel(220, 220, 190);
const QColor DefaultField(200, 220, 220);
const int DefaultWidths[12] = {900, 1500, 1500, 2100, 1200, 1200, 1800, 2100, 3000, 1200, 1200, 1200};

QStringList defaultIniLines()
{
    QStringList lines{
        QStringLiteral("\"Tessaron2 Zegelarchief\u00ae 2.00\""),
        QStringLiteral("\"----------------------------\""),
        QStringLiteral("220,220,190"),
        QStringLiteral("200,220,220"),
        QStringLiteral("\"----------------------------\""),
    };
    for (const int width : DefaultWidths)
        lines.append(QString::number(width));
    return lines;
}

QColor pixelOf(QWidget *widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

// A point inside the field, right of any text, clear of the frame.
QColor fieldPixel(QWidget *field)
{
    return pixelOf(field, QPoint(field->width() - 6, field->height() / 2));
}

// Delivers the text as one typed key, as an input method does.
void typeText(QWidget *widget, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}

const QString RecoveryPath = QStringLiteral("Verzameling/.herstel/Land.col");

// Opens Land, deletes its first record through the window and turns to another
// program, which writes the recovery file.
void editWithoutSaving(const TestFolder &folder, const std::vector<StampRecord> &records,
                       std::unique_ptr<Main> &window)
{
    writeCollection(folder, QStringLiteral("Land"), records);
    window = startWindow(folder);
    openCollection(*window, QStringLiteral("Land"));
    BoxRecorder yes(MessageBox::Answer::Yes);
    clickRow(*window, 0);
    clickButton(control<VistaButton>(*window, "DelKnop"));
    QApplication::setActiveWindow(nullptr);
    QTRY_VERIFY(folder.exists(RecoveryPath));
}

} // namespace

class MainTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartShowsDefaultsAndWritesSettings();
    void whitePanelLineKeepsFieldColour();
    void widenedColumnsComeBackNextStart();
    void unreadableSettingsAreRewritten();
    void closingWithUnsavedChangesAsks();
    void settingsThatCannotBeWrittenAreReported();
    void narrowWindowKeepsListWidth();
    void lookupListsFillTheirBoxes();
    void detailFieldsDropUnwritableCharacters();
    void crashLeavesARecoveryThatTheNextStartOffers();
    void aRecoveryFileBelongsToTheWindowThatWritesIt();
};

void MainTest::firstStartShowsDefaultsAndWritesSettings()
{
    TestFolder folder;
    BoxRecorder boxes(MessageBox::Answer::Ok);
    auto window = startWindow(folder);

    QCOMPARE(window->windowTitle(), QStringLiteral("Tessaron (2)"));
    QCOMPARE(window->frameGeometry().size(), QSize(1000, 630));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->collection().name(), QString());
    QVERIFY(!window->collection().unsavedChanges());
    QCOMPARE(window->collection().records().count(), 0);

    // Colours painted on the window, a frame, the title strip, the list and the fields.
    auto *frame3 = window->findChild<QWidget *>(QStringLiteral("Frame3"));
    QVERIFY(frame3);
    QCOMPARE(pixelOf(frame3, QPoint(frame3->width() - 10, frame3->height() - 10)), DefaultPanel);
    QCOMPARE(pixelOf(window.get(), QPoint(2, 300)), DefaultPanel);
    QCOMPARE(pixelOf(control<QFrame>(*window, "MenuPic"),
                     QPoint(control<QFrame>(*window, "MenuPic")->width() / 2,
                            control<QFrame>(*window, "MenuPic")->height() - 5)),
             QColor(200, 190, 190));
    QCOMPARE(pixelOf(control<RecordListView>(*window, "ListView1")->viewport(), QPoint(50, 50)),
             QColor(190, 220, 220));
    auto *text1 = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    QVERIFY(text1);
    QCOMPARE(fieldPixel(text1), DefaultField);
    QCOMPARE(fieldPixel(window->findChild<QComboBox *>(QStringLiteral("Combo2"))->lineEdit()), DefaultField);

    // Column widths and the start-up captions.
    for (int column = 0; column < 12; ++column)
        QCOMPARE(control<RecordListView>(*window, "ListView1")->header()->sectionSize(column),
                 DefaultWidths[column] / 15);
    QCOMPARE(window->columnWidths()[8], 3000);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label10"))->text(),
             QStringLiteral("Gesorteerd op :"));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label6"))->text(),
             QStringLiteral("Aantal Records : 0"));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Verzamelgebied : "));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label1_10"))->text(),
             QStringLiteral("Cat.Prijs                                     Mijn Prijs"));
    auto *combo1 = window->findChild<QComboBox *>(QStringLiteral("Combo1"));
    QCOMPARE(combo1->count(), 201);
    QCOMPARE(combo1->itemText(200), QStringLiteral("2050"));
    QCOMPARE(combo1->currentText(), QStringLiteral("1870"));
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("Frame5"))->isVisible());
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Frame2"))->isVisible());

    // Only the header of column 2 shows a direction image, "down".
    const QAbstractItemModel *model = control<RecordListView>(*window, "ListView1")->model();
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Cat.nr."));
    QCOMPARE(headerPicture(*window, 1), QStringLiteral("down"));
    for (const int column : {0, 2, 11})
        QCOMPARE(headerPicture(*window, column), QString());

    // The missing settings file was written at start-up; closing asks nothing
    // and leaves the same seventeen lines.
    QCOMPARE(folder.read(IniName), crlf(defaultIniLines()));
    folder.write(IniName, "stale");
    QVERIFY(window->close());
    QVERIFY(boxes.requests.isEmpty());
    QCOMPARE(folder.read(IniName), crlf(defaultIniLines()));
}

void MainTest::whitePanelLineKeepsFieldColour()
{
    TestFolder folder;
    QStringList lines = defaultIniLines();
    lines[2] = QStringLiteral("255,255,255");
    folder.write(IniName, crlf(lines));
    auto window = startWindow(folder);

    QCOMPARE(window->panelColour(), QColor(255, 255, 255));
    QCOMPARE(pixelOf(window.get(), QPoint(2, 300)), QColor(255, 255, 255));
    for (const char *name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"}) {
        auto *frame = window->findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(frame, name);
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(255, 255, 255));
    }
    auto *frame1 = window->findChild<QWidget *>(QStringLiteral("Frame1"));
    QCOMPARE(pixelOf(frame1, QPoint(frame1->width() - 10, frame1->height() - 10)), QColor(255, 255, 255));
    QCOMPARE(window->fieldColour(), DefaultField);
    QCOMPARE(fieldPixel(window->findChild<QLineEdit *>(QStringLiteral("Text7"))), DefaultField);
    QCOMPARE(fieldPixel(window->findChild<QComboBox *>(QStringLiteral("Combo5"))->lineEdit()), DefaultField);

    // The colours go back unchanged at closing.
    QVERIFY(window->close());
    QCOMPARE(folder.read(IniName), crlf(lines));
}

void MainTest::widenedColumnsComeBackNextStart()
{
    TestFolder folder;
    QStringList lines = defaultIniLines();
    lines[5 + 6] = QStringLiteral("1234"); // not a whole number of pixels
    folder.write(IniName, crlf(lines));
    {
        auto window = startWindow(folder);
        QCOMPARE(control<RecordListView>(*window, "ListView1")->header()->sectionSize(6), 82);
        control<RecordListView>(*window, "ListView1")->header()->resizeSection(0, 123);
        control<RecordListView>(*window, "ListView1")->header()->resizeSection(3, 77);
        QVERIFY(window->close());
    }
    QStringList expected = lines;
    expected[5 + 0] = QStringLiteral("1845");
    expected[5 + 3] = QStringLiteral("1155");
    // The column left alone keeps its width to the twip.
    QCOMPARE(folder.read(IniName), crlf(expected));

    auto again = startWindow(folder);
    QCOMPARE(control<RecordListView>(*again, "ListView1")->header()->sectionSize(0), 123);
    QCOMPARE(control<RecordListView>(*again, "ListView1")->header()->sectionSize(3), 77);
    QCOMPARE(control<RecordListView>(*again, "ListView1")->header()->sectionSize(1), 100);
    QCOMPARE(again->columnWidths()[0], 1845);
}

void MainTest::unreadableSettingsAreRewritten()
{
    TestFolder folder;
    QStringList lines = defaultIniLines();
    lines[2] = QStringLiteral("10,20,30");
    lines[5] = QStringLiteral("3000");
    lines[7] = QStringLiteral("breed");
    folder.write(IniName, crlf(lines));
    {
        auto window = startWindow(folder);
        // Colours read before the failure are painted; widths wait for the next start.
        QCOMPARE(pixelOf(window.get(), QPoint(2, 300)), QColor(10, 20, 30));
        QCOMPARE(control<RecordListView>(*window, "ListView1")->header()->sectionSize(0), 60);
        QStringList rewritten = defaultIniLines();
        rewritten[2] = QStringLiteral("10,20,30");
        rewritten[5] = QStringLiteral("3000");
        QCOMPARE(folder.read(IniName), crlf(rewritten));
        // Closing keeps the width that was read, since the user did not touch it.
        QVERIFY(window->close());
        QCOMPARE(folder.read(IniName), crlf(rewritten));
    }
    auto again = startWindow(folder);
    QCOMPARE(control<RecordListView>(*again, "ListView1")->header()->sectionSize(0), 200);
}

void MainTest::closingWithUnsavedChangesAsks()
{
    TestFolder folder;
    QStringList lines = defaultIniLines();
    lines[3] = QStringLiteral("1,2,3");
    const QByteArray before = crlf(lines) + "extra\r\n";
    folder.write(IniName, before);
    auto window = startWindow(folder);
    control<RecordListView>(*window, "ListView1")->header()->resizeSection(2, 200);
    window->collection().markChangedWithoutEdit();

    {
        BoxRecorder boxes(MessageBox::Answer::No);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(boxes.requests.size(), 1);
        const MessageBox::Request &asked = boxes.requests.first();
        QCOMPARE(asked.text, QStringLiteral("Wijzigingen zijn nog niet opgeslagen...\r\n"
                                            "wilt u het programma toch afsluiten?"));
        QCOMPARE(asked.caption, QStringLiteral(" Sluiten"));
        QVERIFY(asked.buttons == MessageBox::Buttons::YesNo);
        QVERIFY(asked.icon == MessageBox::Icon::None);
        QCOMPARE(folder.read(IniName), before);
        QVERIFY(window->collection().unsavedChanges());
    }
    {
        BoxRecorder boxes(MessageBox::Answer::Yes);
        QVERIFY(window->close());
        QCOMPARE(boxes.requests.size(), 1);
    }
    lines[5 + 2] = QStringLiteral("3000");
    QCOMPARE(folder.read(IniName), crlf(lines));
    // Leaving without saving writes no collection.
    QCOMPARE(
        QDir(folder.path(QStringLiteral("Verzameling"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList());
}

void MainTest::settingsThatCannotBeWrittenAreReported()
{
    TestFolder folder;
    // A folder where the file should be: it can be neither read nor replaced.
    QVERIFY(QDir(folder.path(QString())).mkdir(IniName));
    BoxRecorder boxes(MessageBox::Answer::Ok);
    auto window = startWindow(folder);
    QVERIFY(boxes.requests.isEmpty());
    QCOMPARE(window->panelColour(), DefaultPanel);

    QVERIFY(window->close());
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY(boxes.requests.first().text.startsWith(
        QStringLiteral("Instellingen konden niet worden opgeslagen!\r\n")));
    QVERIFY(boxes.requests.first().text.size() > 45);
    QVERIFY(boxes.requests.first().buttons == MessageBox::Buttons::Ok);
}

void MainTest::narrowWindowKeepsListWidth()
{
    TestFolder folder;
    auto window = startWindow(folder);
    auto *frame2 = window->findChild<QWidget *>(QStringLiteral("Frame2"));
    auto *frame4 = window->findChild<QWidget *>(QStringLiteral("Frame4"));
    auto *frame5 = window->findChild<QWidget *>(QStringLiteral("Frame5"));
    auto *label8 = window->findChild<QWidget *>(QStringLiteral("Label8"));

    // At the start size: W = 15000, H = 9450.
    QCOMPARE(control<QFrame>(*window, "MenuPic")->width(), (15000 - 420) / 15);
    QCOMPARE(frame2->size(), QSize((15000 - 5340) / 15, (9450 - 2400) / 15));
    QCOMPARE(control<RecordListView>(*window, "ListView1")->size(),
             QSize((15000 - 5580) / 15, (9450 - 2760) / 15));
    QCOMPARE(frame4->y(), (9450 - 1785) / 15);
    QCOMPARE(label8->x(), frame4->width() - 2640 / 15);
    QCOMPARE(control<QLabel>(*window, "KlokLabel")->x(), (15000 - 1800) / 15);

    // W = 8100, H = 6000: everything follows.
    setOuterSize(window.get(), QSize(540, 400));
    QCOMPARE(window->frameGeometry().size(), QSize(540, 400));
    QCOMPARE(control<RecordListView>(*window, "ListView1")->width(), (8100 - 5580) / 15);
    QCOMPARE(frame5->height(), (6000 - 2400) / 15);
    const int listHeight = control<RecordListView>(*window, "ListView1")->height();
    QCOMPARE(listHeight, (6000 - 2760) / 15);

    // W = 5400: the list cannot get a negative width and keeps its last one,
    // while the frames, still at least zero wide, follow.
    setOuterSize(window.get(), QSize(360, 400));
    QCOMPARE(control<RecordListView>(*window, "ListView1")->width(), (8100 - 5580) / 15);
    QCOMPARE(frame2->width(), (5400 - 5340) / 15);
    QCOMPARE(frame4->width(), (5400 - 5340) / 15);
    QCOMPARE(control<QFrame>(*window, "MenuPic")->width(), (5400 - 420) / 15);
    QCOMPARE(label8->x(), frame4->width() - 2640 / 15); // a place may be negative

    // W = 4500, H = 2250: heights below zero are skipped too; tops still move.
    setOuterSize(window.get(), QSize(300, 150));
    QCOMPARE(frame2->width(), (5400 - 5340) / 15);
    QCOMPARE(frame2->height(), (6000 - 2400) / 15);
    QCOMPARE(control<RecordListView>(*window, "ListView1")->height(), listHeight);
    QCOMPARE(frame4->y(), (2250 - 1785) / 15);
    QCOMPARE(control<QFrame>(*window, "MenuPic")->width(), (4500 - 420) / 15);
}

void MainTest::lookupListsFillTheirBoxes()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/Categorie.txt"), "A\r\n\r\nB\r\n");
    folder.write(QStringLiteral("Data/Type.txt"), "  Gestempeld\r\nPostfris");
    folder.write(QStringLiteral("Data/Conditie.txt"), "Goed\r\n");
    auto window = startWindow(folder);

    auto *combo2 = window->findChild<QComboBox *>(QStringLiteral("Combo2"));
    QCOMPARE(combo2->count(), 3);
    QCOMPARE(combo2->itemText(1), QString());
    QCOMPARE(combo2->currentText(), QStringLiteral("A"));
    QVERIFY(combo2->isEditable());

    auto *combo3 = window->findChild<QComboBox *>(QStringLiteral("Combo3"));
    QCOMPARE(combo3->count(), 0);
    QCOMPARE(combo3->currentIndex(), -1);
    QCOMPARE(combo3->currentText(), QString());

    auto *combo4 = window->findChild<QComboBox *>(QStringLiteral("Combo4"));
    QCOMPARE(combo4->count(), 2);
    QCOMPARE(combo4->currentText(), QStringLiteral("  Gestempeld"));
    QCOMPARE(combo4->itemText(1), QStringLiteral("Postfris"));

    auto *combo5 = window->findChild<QComboBox *>(QStringLiteral("Combo5"));
    QCOMPARE(combo5->count(), 1);
    QCOMPARE(combo5->currentIndex(), 0);
}

void MainTest::detailFieldsDropUnwritableCharacters()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const QString check = QString(QChar(0x2713));
    const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80");

    auto *text1 = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    typeText(text1, QStringLiteral("12"));
    typeText(text1, check);
    typeText(text1, QStringLiteral("\u20ac") + smiley + QStringLiteral("\u00e9"));
    QCOMPARE(text1->text(), QStringLiteral("12\u20ac\u00e9"));
    text1->setCursorPosition(1);
    text1->insert(QStringLiteral("a") + check + QStringLiteral("b"));
    QCOMPARE(text1->text(), QStringLiteral("1ab2\u20ac\u00e9"));
    QCOMPARE(text1->cursorPosition(), 3);

    QLineEdit *comboText = window->findChild<QComboBox *>(QStringLiteral("Combo3"))->lineEdit();
    typeText(comboText, QStringLiteral("Blok") + smiley);
    QCOMPARE(comboText->text(), QStringLiteral("Blok"));

    auto *text5 = window->findChild<QPlainTextEdit *>(QStringLiteral("Text5"));
    typeText(text5, QStringLiteral("eerste"));
    text5->insertPlainText(check + QStringLiteral("\nregel ") + smiley + QStringLiteral("\u20ac"));
    QCOMPARE(text5->toPlainText(), QStringLiteral("eerste\nregel \u20ac"));
    QCOMPARE(text5->textCursor().position(), text5->toPlainText().size());
    text5->undo();
    QCOMPARE(text5->toPlainText(), QStringLiteral("eerste"));
}

// A crash is a window destroyed without being closed, as a killed process
// never closes its window.
void MainTest::crashLeavesARecoveryThatTheNextStartOffers()
{
    TestFolder folder;
    const std::vector<StampRecord> records{makeRecord({"1990", "12", "A"}), makeRecord({"1991", "13", "B"})};
    const QByteArray edited =
        CollectionFile::serialize(QStringLiteral("Land"), RecordSpan(records).subspan(1));
    std::unique_ptr<Main> window;
    editWithoutSaving(folder, records, window);
    window.reset();
    const RecoveryFile::LeftBehind left = RecoveryFile(folder.folder()).leftBehind().at(0);
    std::vector<StampRecord> recovered;
    QVERIFY(RecoveryFile::read(left, recovered));
    QCOMPARE(recovered, std::vector<StampRecord>{records[1]});

    const QDateTime at = left.writtenAt;
    BoxRecorder yes(MessageBox::Answer::Yes);
    window = startWindow(folder);
    window->offerRecovery();
    QCOMPARE(yes.requests.size(), 1);
    QCOMPARE(yes.requests[0].text, QStringLiteral("Er zijn niet-opgeslagen wijzigingen van %1 %2 gevonden "
                                                  "(verzameling 'Land').\r\nWilt u deze herstellen?")
                                       .arg(QLocale().toString(at.date(), QLocale::ShortFormat),
                                            at.time().toString(QStringLiteral("h:mm:ss"))));
    QVERIFY(window->collection().unsavedChanges());
    QVERIFY(window->collection().saveAs(QStringLiteral("Land")));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Land.col")), edited);
    QVERIFY(!folder.exists(RecoveryPath));

    // Declined: removed, and kept as a version of its collection.
    editWithoutSaving(folder, records, window);
    window.reset();
    const CollectionVersions versions(folder.folder());
    const size_t versionsBefore = versions.versions(QStringLiteral("Land")).size();
    BoxRecorder no(MessageBox::Answer::No);
    window = startWindow(folder);
    window->offerRecovery();
    QCOMPARE(no.requests.size(), 1);
    QVERIFY(!folder.exists(RecoveryPath));
    QCOMPARE(versions.versions(QStringLiteral("Land")).size(), versionsBefore + 1);

    // A clean exit, "Yes" to the closing question, leaves none behind.
    editWithoutSaving(folder, records, window);
    {
        BoxRecorder closing(MessageBox::Answer::Yes);
        QVERIFY(window->close());
    }
    QVERIFY(!folder.exists(RecoveryPath));

    // Rewritten by another program after opening: the recovery file starts
    // from the window's list, not from the file as it is now.
    writeCollection(folder, QStringLiteral("Land"), records);
    window = startWindow(folder);
    openCollection(*window, QStringLiteral("Land"));
    writeCollection(folder, QStringLiteral("Land"), {records[0], records[0], records[1]});
    {
        BoxRecorder yesToDelete(MessageBox::Answer::Yes);
        clickRow(*window, 0);
        clickButton(control<VistaButton>(*window, "DelKnop"));
    }
    window.reset();
    QVERIFY(RecoveryFile::read(RecoveryFile(folder.folder()).leftBehind().at(0), recovered));
    QCOMPARE(recovered, std::vector<StampRecord>{records[1]});
    QVERIFY(RecoveryFile(folder.folder()).remove(QStringLiteral("Land")));

    // An import that replaced every record, saved, then undone: the recovery
    // file starts from the saved file, which lacks the list the undo brought back.
    writeCollection(folder, QStringLiteral("Land"), records);
    window = startWindow(folder);
    openCollection(*window, QStringLiteral("Land"));
    window->collection().addImportedRecords({records[1]}, true);
    QVERIFY(window->collection().saveAs(QStringLiteral("Land")));
    window->collection().undo();
    const RecoveryFile::LeftBehind written{QStringLiteral("Land"), {}, folder.path(RecoveryPath), {}};
    const auto writtenState = [&] {
        std::vector<StampRecord> state;
        static_cast<void>(RecoveryFile::read(written, state));
        return state;
    };
    QTRY_COMPARE(writtenState(), records);
}

void MainTest::aRecoveryFileBelongsToTheWindowThatWritesIt()
{
    TestFolder folder;
    const std::vector<StampRecord> records{makeRecord({"1990", "12", "A"}), makeRecord({"1991", "13", "B"})};
    std::unique_ptr<Main> window;
    editWithoutSaving(folder, records, window);

    // A second window on the same folder does not take it for a crash's.
    {
        BoxRecorder none(MessageBox::Answer::No);
        const std::unique_ptr<Main> second = startWindow(folder);
        second->offerRecovery();
        QCOMPARE(none.requests.size(), 0);
        QVERIFY(folder.exists(RecoveryPath));
    }

    // A second window that opens the same collection is told so at once, and
    // keeps its work in a recovery file of its own: after a crash it is offered.
    {
        BoxRecorder yes(MessageBox::Answer::Yes);
        std::unique_ptr<Main> second = startWindow(folder);
        openCollection(*second, QStringLiteral("Land"));
        QCOMPARE(yes.requests.size(), 1);
        QVERIFY(yes.requests[0].text.startsWith(QStringLiteral("Verzameling 'Land' is ook geopend")));
        clickRow(*second, 1);
        clickButton(control<VistaButton>(*second, "DelKnop"));
    }
    const std::vector<RecoveryFile::LeftBehind> left = RecoveryFile(folder.folder()).leftBehind();
    QCOMPARE(left.size(), size_t(1));
    QVERIFY(left[0].path != folder.path(RecoveryPath));
    std::vector<StampRecord> recovered;
    QVERIFY(RecoveryFile::read(left[0], recovered));
    QCOMPARE(recovered, std::vector<StampRecord>{records[0]});
    QVERIFY(RecoveryFile::forget(left[0]));

    // After a clean close, the focus leaving writes nothing any more.
    BoxRecorder closing(MessageBox::Answer::Yes);
    QVERIFY(window->close());
    QVERIFY(!folder.exists(RecoveryPath));
    QVERIFY(window->collection().unsavedChanges());
    QApplication::setActiveWindow(nullptr);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(window.get(), &deactivate);
    // Time for a write to start on the worker, had one been asked for.
    QTest::qWait(300);
    window.reset();
    QVERIFY(!folder.exists(RecoveryPath));
}

QTEST_MAIN(MainTest)
#include "tst_main.moc"
