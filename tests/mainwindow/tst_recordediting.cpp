#include "WindowFixture.h"
#include "common/CollectionState.h"
#include "common/TestFolder.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include "widgets/RecordListView.h"
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

const QStringList Fields = {"1950", "560",  "Zomerzegels",    "Kinderen", "Toeslagzegel", "Los",
                            "2 ct", "Kind", "Serie van vijf", "Postfris", "3,00",         "2,50"};

struct EditingFixture {
    EditingFixture()
    {
        writeCollection(
            folder, QStringLiteral("Nederland"),
            {makeRecord(Fields), makeRecord({"1951", "561", "", "-"}), makeRecord({"1952", "562"})});
        window = startWindow(folder);
        openCollection(*window, QStringLiteral("Nederland"));
    }

    DetailPanel &panel() { return *control<DetailPanel>(*window, "Frame1"); }

    TestFolder folder;
    std::unique_ptr<Main> window;
};

} // namespace

class RecordEditingTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsStandUnderThePanel();
    void addAppendsThePanelWithPlaceholders();
    void addWithoutCatalogueNumberAsks();
    void remarksLineBreaksBecomeSpaces();
    void changeRewritesTheSelectedRow();
    void changeWithoutSelectionChangesNoRow();
    void deleteAsksFirst();
    void deleteOnEmptyListDoesNothing();
    void largeListTakesEditsWithoutReset();
    void comboBoxesKeepWhatWasTyped();
};

void RecordEditingTest::buttonsStandUnderThePanel()
{
    TestFolder folder;
    auto window = startWindow(folder);
    const struct {
        VistaButton *button;
        const char *name;
        const char *caption;
        const char *toolTip;
        int left;
    } buttons[] = {
        {control<VistaButton>(*window, "AddKnop"), "AddKnop", "Add", " Record Toevoegen ", 150},
        {control<VistaButton>(*window, "WijzigKnop"), "WijzigKnop", "Wijzig", " Record Wijzigen ", 1020},
        {control<VistaButton>(*window, "DelKnop"), "DelKnop", "Delete", " Record Verwijderen ", 1890},
    };
    for (const auto &expected : buttons) {
        QCOMPARE(window->findChild<VistaButton *>(QLatin1String(expected.name)), expected.button);
        QCOMPARE(expected.button->parentWidget(), control<DetailPanel>(*window, "Frame1"));
        QCOMPARE(expected.button->caption(), QLatin1String(expected.caption));
        QCOMPARE(expected.button->toolTip(), QLatin1String(expected.toolTip));
        QCOMPARE(expected.button->geometry(), QRect(expected.left / 15, 5700 / 15, 56, 22));
        QVERIFY(expected.button->enabled());
    }
}

void RecordEditingTest::addAppendsThePanelWithPlaceholders()
{
    EditingFixture fixture;
    Main &window = *fixture.window;
    DetailPanel &panel = fixture.panel();
    clickRow(window, 1);
    control<QComboBox>(panel, "Combo1")->setEditText(QStringLiteral("1760"));
    control<QComboBox>(panel, "Combo2")->setEditText(QStringLiteral("Proef"));
    control<QComboBox>(panel, "Combo3")->setEditText(QString());
    control<QLineEdit>(panel, "Text1")->setText(QStringLiteral(" 12b "));
    control<QLineEdit>(panel, "Text2")->setText(QStringLiteral("   "));
    control<QLineEdit>(panel, "Text3")->clear();
    control<QLineEdit>(panel, "Text4")->setText(QStringLiteral("\t"));
    control<QPlainTextEdit>(panel, "Text5")->clear();
    control<QLineEdit>(panel, "Text6")->clear();
    control<QLineEdit>(panel, "Text7")->setText(QStringLiteral("4"));

    clickButton(control<VistaButton>(window, "AddKnop"));
    QVERIFY(window.collection().unsavedChanges());
    QCOMPARE(window.collection().records().count(), 4);
    QCOMPARE(window.collection().records().record(3),
             makeRecord({"1760", " 12b ", "Proef", "-", "", "", "-", "\t", "-", "", "-", "4"}));
    QCOMPARE(control<QLabel>(window, "Label6")->text(), QStringLiteral("Aantal Records : 4"));
    // Ready for the next stamp of the same kind: text boxes empty, combo boxes kept.
    for (QLineEdit *box : {control<QLineEdit>(panel, "Text1"), control<QLineEdit>(panel, "Text2"),
                           control<QLineEdit>(panel, "Text3"), control<QLineEdit>(panel, "Text4"),
                           control<QLineEdit>(panel, "Text6"), control<QLineEdit>(panel, "Text7")})
        QCOMPARE(box->text(), QString());
    QCOMPARE(control<QPlainTextEdit>(panel, "Text5")->toPlainText(), QString());
    QCOMPARE(control<QComboBox>(panel, "Combo1")->currentText(), QStringLiteral("1760"));
    QCOMPARE(control<QComboBox>(panel, "Combo2")->currentText(), QStringLiteral("Proef"));
    // The row selected before stays selected.
    QCOMPARE(window.selectedRow(), 1);
}

void RecordEditingTest::addWithoutCatalogueNumberAsks()
{
    EditingFixture fixture;
    Main &window = *fixture.window;
    DetailPanel &panel = fixture.panel();
    control<QLineEdit>(panel, "Text1")->setText(QStringLiteral("   "));
    control<QLineEdit>(panel, "Text2")->clear();

    for (VistaButton *button :
         {control<VistaButton>(window, "AddKnop"), control<VistaButton>(window, "WijzigKnop")}) {
        BoxRecorder boxes(MessageBox::Answer::Ok);
        clickButton(button);
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text, QStringLiteral("Catalogus nummer invullen a.u.b."));
        QCOMPARE(boxes.requests[0].caption, QStringLiteral("Tessaron2"));
        QVERIFY(boxes.requests[0].buttons == MessageBox::Buttons::Ok);
        QVERIFY(boxes.requests[0].icon == MessageBox::Icon::None);
        QCOMPARE(window.focusWidget(), control<QLineEdit>(panel, "Text1"));
        // Nothing else changed: no row, no placeholder, no mark.
        QCOMPARE(window.collection().records().count(), 3);
        QCOMPARE(control<QLineEdit>(panel, "Text2")->text(), QString());
        QCOMPARE(control<QLineEdit>(panel, "Text1")->text(), QStringLiteral("   "));
        QVERIFY(!window.collection().unsavedChanges());
    }
}

void RecordEditingTest::remarksLineBreaksBecomeSpaces()
{
    EditingFixture fixture;
    Main &window = *fixture.window;
    DetailPanel &panel = fixture.panel();
    control<QLineEdit>(panel, "Text1")->setText(QStringLiteral("600"));
    control<QPlainTextEdit>(panel, "Text5")->clear();
    QTest::keyClicks(control<QPlainTextEdit>(panel, "Text5"), QStringLiteral("eerste"));
    QTest::keyClick(control<QPlainTextEdit>(panel, "Text5"), Qt::Key_Return);
    QTest::keyClick(control<QPlainTextEdit>(panel, "Text5"), Qt::Key_Return);
    QTest::keyClicks(control<QPlainTextEdit>(panel, "Text5"), QStringLiteral("derde\u00a0regel"));
    QCOMPARE(control<QPlainTextEdit>(panel, "Text5")->document()->blockCount(), 3);

    clickButton(control<VistaButton>(window, "AddKnop"));
    // One space for each break; the no-break space stays what it is.
    QCOMPARE(window.collection().records().cell(3, StampRecord::Info),
             QStringLiteral("eerste  derde\u00a0regel"));
}

void RecordEditingTest::changeRewritesTheSelectedRow()
{
    EditingFixture fixture;
    Main &window = *fixture.window;
    DetailPanel &panel = fixture.panel();
    clickRow(window, 0);
    control<QLineEdit>(panel, "Text6")->setText(QStringLiteral("3,25"));
    QSignalSpy changed(&window.collection().records(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&window.collection().records(), &QAbstractItemModel::modelReset);

    clickButton(control<VistaButton>(window, "WijzigKnop"));
    QStringList expected = Fields;
    expected[StampRecord::CataloguePrice] = QStringLiteral("3,25");
    QCOMPARE(window.collection().records().record(0), makeRecord(expected));
    QCOMPARE(window.collection().records().record(1), makeRecord({"1951", "561", "", "-"}));
    QVERIFY(window.collection().unsavedChanges());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(reset.size(), 0);
    // The panel stays as it was; so does the count, as the selection wrote it.
    QCOMPARE(control<QLineEdit>(panel, "Text1")->text(), QStringLiteral("560"));
    QCOMPARE(control<QLabel>(window, "Label6")->text(), QStringLiteral("Aantal Gegevens : 3"));

    // A row of placeholders keeps them, and empty boxes of a row get them.
    clickRow(window, 2);
    clickButton(control<VistaButton>(window, "WijzigKnop"));
    QCOMPARE(window.collection().records().record(2),
             makeRecord({"1952", "562", "", "-", "", "", "-", "-", "-", "", "-", "-"}));
}

void RecordEditingTest::changeWithoutSelectionChangesNoRow()
{
    EditingFixture fixture;
    Main &window = *fixture.window;
    DetailPanel &panel = fixture.panel();
    control<QLineEdit>(panel, "Text1")->setText(QStringLiteral("999"));
    const std::vector<StampRecord> before = recordsCopy(window.collection().records().records());

    clickButton(control<VistaButton>(window, "WijzigKnop"));
    QCOMPARE(recordsCopy(window.collection().records().records()), before);
    QVERIFY(window.collection().unsavedChanges());
    QCOMPARE(control<QLineEdit>(panel, "Text2")->text(), QStringLiteral("-"));
    QCOMPARE(control<QLineEdit>(panel, "Text7")->text(), QStringLiteral("-"));
}

void RecordEditingTest::deleteAsksFirst()
{
    EditingFixture fixture;
    Main &window = *fixture.window;
    DetailPanel &panel = fixture.panel();
    clickRow(window, 1);
    {
        BoxRecorder boxes(MessageBox::Answer::No);
        clickButton(control<VistaButton>(window, "DelKnop"));
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text, QStringLiteral("Wilt u (-) verwijderen uit de lijst?"));
        QCOMPARE(boxes.requests[0].caption, QStringLiteral(" Delete"));
        QVERIFY(boxes.requests[0].buttons == MessageBox::Buttons::YesNo);
        QVERIFY(boxes.requests[0].icon == MessageBox::Icon::None);
        // No keeps the row, yet the collection counts as changed.
        QCOMPARE(window.collection().records().count(), 3);
        QVERIFY(window.collection().unsavedChanges());
    }
    clickRow(window, 0);
    {
        BoxRecorder boxes(MessageBox::Answer::Yes);
        clickButton(control<VistaButton>(window, "DelKnop"));
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text, QStringLiteral("Wilt u (Kinderen) verwijderen uit de lijst?"));
    }
    QCOMPARE(columnTexts(window, StampRecord::CatalogueNumber), QStringList({"561", "562"}));
    QCOMPARE(control<QLabel>(window, "Label6")->text(), QStringLiteral("Aantal Records : 2"));
    // The panel keeps the deleted record, and no other row is selected under it,
    // so a change cannot write it over a neighbour.
    QCOMPARE(control<QLineEdit>(panel, "Text2")->text(), QStringLiteral("Kinderen"));
    QCOMPARE(window.selectedRow(), -1);
    clickButton(control<VistaButton>(window, "WijzigKnop"));
    QCOMPARE(columnTexts(window, StampRecord::CatalogueNumber), QStringList({"561", "562"}));

    // Without a selected row: marked changed, nothing asked, nothing removed.
    clearUnsavedChanges(window.collection());
    BoxRecorder boxes(MessageBox::Answer::Yes);
    clickButton(control<VistaButton>(window, "DelKnop"));
    QVERIFY(boxes.requests.isEmpty());
    QCOMPARE(window.collection().records().count(), 2);
    QVERIFY(window.collection().unsavedChanges());
}

void RecordEditingTest::deleteOnEmptyListDoesNothing()
{
    TestFolder folder;
    auto window = startWindow(folder);
    BoxRecorder boxes(MessageBox::Answer::Yes);
    clickButton(control<VistaButton>(*window, "DelKnop"));
    QVERIFY(boxes.requests.isEmpty());
    QVERIFY(!window->collection().unsavedChanges());
    QCOMPARE(control<QLabel>(*window, "Label6")->text(), QStringLiteral("Aantal Records : 0"));
}

void RecordEditingTest::largeListTakesEditsWithoutReset()
{
    TestFolder folder;
    std::vector<StampRecord> records;
    for (int row = 0; row < 100000; ++row)
        records.push_back(makeRecord({QString::number(1850 + row % 200), QString::number(row)}));
    writeCollection(folder, QStringLiteral("Groot"), records);
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Groot"));
    clickRow(*window, 5);
    QSignalSpy reset(&window->collection().records(), &QAbstractItemModel::modelReset);
    QSignalSpy layout(&window->collection().records(), &QAbstractItemModel::layoutChanged);
    QSignalSpy inserted(&window->collection().records(), &QAbstractItemModel::rowsInserted);

    control<QLineEdit>(*window, "Text1")->setText(QStringLiteral("nieuw"));
    clickButton(control<VistaButton>(*window, "AddKnop"));
    QCOMPARE(window->collection().records().count(), 100001);
    QCOMPARE(window->collection().records().cell(100000, StampRecord::CatalogueNumber),
             QStringLiteral("nieuw"));
    QCOMPARE(control<QLabel>(*window, "Label6")->text(), QStringLiteral("Aantal Records : 100001"));
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(reset.size(), 0);
    QCOMPARE(layout.size(), 0);
    QCOMPARE(window->selectedRow(), 5);
    // The list shows the rows without a widget of their own.
    QVERIFY(control<RecordListView>(*window, "ListView1")->findChildren<QWidget *>().size() < 20);
}

// No completion while typing and no list entry's spelling on leaving the box.
void RecordEditingTest::comboBoxesKeepWhatWasTyped()
{
    EditingFixture fixture;
    DetailPanel &panel = fixture.panel();
    fixture.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    const QStringList typed = {"19", "post", "blok", "Post", "postfris"};
    const QList<QComboBox *> boxes = {
        control<QComboBox>(panel, "Combo1"), control<QComboBox>(panel, "Combo2"),
        control<QComboBox>(panel, "Combo3"), control<QComboBox>(panel, "Combo4"),
        control<QComboBox>(panel, "Combo5")};
    for (int index = 0; index < boxes.size(); ++index) {
        boxes[index]->addItems({QStringLiteral("Postfris"), QStringLiteral("Blokken")});
        boxes[index]->setFocus();
        boxes[index]->lineEdit()->clear();
        QTest::keyClicks(boxes[index]->lineEdit(), typed[index]);
        control<QLineEdit>(panel, "Text1")->setFocus();
        QCOMPARE(boxes[index]->currentText(), typed[index]);
    }
}

QTEST_MAIN(RecordEditingTest)
#include "tst_recordediting.moc"
