#include "common/TestFolder.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/SaveForm.h"
#include "mainwindow/Main.h"
#include "mainwindow/WindowFixture.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include "widgets/RecordListView.h"
#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

std::vector<StampRecord> stamps()
{
    return {makeRecord({"1999", "9", "b", "Molens"}), makeRecord({"1952", "MBund 152", "A", "Koning"}),
            makeRecord({"2001", "10", "", "Bloemen"})};
}

// The window with collection Nederland open, its list watched by the model tester.
struct UndoFixture {
    UndoFixture()
    {
        writeCollection(folder, QStringLiteral("Nederland"), stamps());
        window = startWindow(folder);
        tester = std::make_unique<QAbstractItemModelTester>(
            control<RecordListView>(*window, "ListView1")->model(),
            QAbstractItemModelTester::FailureReportingMode::QtTest);
        openCollection(*window, QStringLiteral("Nederland"));
    }

    QAction *undo() const { return window->findChild<QAction *>(QStringLiteral("ToolsUndo")); }
    QAction *redo() const { return window->findChild<QAction *>(QStringLiteral("ToolsRedo")); }
    void deleteRow(int row)
    {
        clickRow(*window, row);
        BoxRecorder yes(MessageBox::Answer::Yes);
        clickButton(control<VistaButton>(*window, "DelKnop"));
    }

    TestFolder folder;
    std::unique_ptr<Main> window;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void theToolsMenuNamesTheStepAndGreysWhenThereIsNone();
    void anUndoneStepShowsItsRecord();
    void aTextBoxKeepsCtrlZWhileItHasTypingToUndo();
    void deleteAndSortUndoneSaveTheOriginalFile();
};

void UndoTest::theToolsMenuNamesTheStepAndGreysWhenThereIsNone()
{
    UndoFixture fixture;
    Main &window = *fixture.window;
    const QList<QAction *> tools = control<QMenu>(window, "Tools")->actions();
    const qsizetype at = tools.indexOf(fixture.undo());
    QVERIFY(at > 0);
    QVERIFY(tools[at - 1]->isSeparator());
    QCOMPARE(tools.value(at + 1), fixture.redo());
    QCOMPARE(fixture.undo()->shortcuts(), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Z"))}));
    QCOMPARE(fixture.redo()->shortcuts(),
             QList<QKeySequence>(
                 {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

    QVERIFY(!fixture.undo()->isEnabled());
    QVERIFY(!fixture.redo()->isEnabled());
    QCOMPARE(fixture.undo()->text(), QStringLiteral("Ongedaan maken"));
    fixture.deleteRow(1);
    QCOMPARE(fixture.undo()->text(), QStringLiteral("Ongedaan maken: Delete 1952 MBund 152"));
    QVERIFY(fixture.undo()->isEnabled());
    clickHeader(window, 1);
    QCOMPARE(fixture.undo()->text(), QStringLiteral("Ongedaan maken: sorteren op Jaartal"));
    fixture.undo()->trigger();
    QCOMPARE(fixture.redo()->text(), QStringLiteral("Opnieuw: sorteren op Jaartal"));
    QVERIFY(fixture.redo()->isEnabled());
    fixture.undo()->trigger();
    QCOMPARE(fixture.redo()->text(), QStringLiteral("Opnieuw: Delete 1952 MBund 152"));
    QVERIFY(!fixture.undo()->isEnabled());
    // The deleted record is back and shown.
    QCOMPARE(control<QLabel>(window, "Label6")->text(), QStringLiteral("Aantal Gegevens : 3"));
    QCOMPARE(window.selectedRow(), 1);
}

void UndoTest::anUndoneStepShowsItsRecord()
{
    UndoFixture fixture;
    Main &window = *fixture.window;
    clickRow(window, 2);
    auto *subject = control<QLineEdit>(window, "Text2");
    subject->setText(QStringLiteral("Tulpen"));
    clickButton(control<VistaButton>(window, "WijzigKnop"));
    clickRow(window, 0);

    fixture.undo()->trigger();
    QCOMPARE(window.selectedRow(), 2);
    QCOMPARE(subject->text(), QStringLiteral("Bloemen"));
    QVERIFY(!window.collection().unsavedChanges());
    fixture.redo()->trigger();
    QCOMPARE(subject->text(), QStringLiteral("Tulpen"));
    // Undone to the state it was opened in: closing asks nothing.
    fixture.undo()->trigger();
    {
        BoxRecorder boxes(MessageBox::Answer::No);
        QVERIFY(window.close());
        QVERIFY(boxes.requests.isEmpty());
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A deleted record comes back selected, also from the picture viewer.
    fixture.deleteRow(0);
    QCOMPARE(window.selectedRow(), -1);
    fixture.undo()->trigger();
    QCOMPARE(window.selectedRow(), 0);
    QCOMPARE(subject->text(), QStringLiteral("Molens"));
    QCOMPARE(columnTexts(window, StampRecord::CatalogueNumber), QStringList({"9", "MBund 152", "10"}));
}

void UndoTest::aTextBoxKeepsCtrlZWhileItHasTypingToUndo()
{
    UndoFixture fixture;
    Main &window = *fixture.window;
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *number = control<QLineEdit>(window, "Text1");
    number->setText(QStringLiteral("77"));
    clickButton(control<VistaButton>(window, "AddKnop"));
    QCOMPARE(window.collection().records().count(), 4);

    auto *subject = control<QLineEdit>(window, "Text2");
    subject->setFocus();
    QTest::keyClicks(subject, QStringLiteral("abc"));
    QTest::keyClick(subject, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(subject->text(), QString());
    QCOMPARE(window.collection().records().count(), 4);
    // Nothing of its own left to undo: the window undoes the add.
    QTest::keyClick(subject, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.collection().records().count(), 3);
    // Redo the same way: the box's own typing first.
    QTest::keyClick(subject, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(subject->text(), QStringLiteral("abc"));
    QCOMPARE(window.collection().records().count(), 3);
    subject->setText(QString());
    QTest::keyClick(subject, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(window.collection().records().count(), 4);

    // The same for the editable word-list boxes.
    auto *category = control<QComboBox>(window, "Combo2");
    category->setFocus();
    QTest::keyClicks(category, QStringLiteral("x"));
    QTest::keyClick(category, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.collection().records().count(), 4);
    QTest::keyClick(category, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(category->currentText(), QStringLiteral("x"));
}

void UndoTest::deleteAndSortUndoneSaveTheOriginalFile()
{
    UndoFixture fixture;
    Main &window = *fixture.window;
    const QByteArray original = fixture.folder.read(QStringLiteral("Verzameling/Nederland.col"));
    fixture.deleteRow(0);
    clickHeader(window, 2);
    QCOMPARE(columnTexts(window, StampRecord::CatalogueNumber), QStringList({"MBund 152", "10"}));
    fixture.undo()->trigger();
    fixture.undo()->trigger();
    QCOMPARE(columnTexts(window, StampRecord::CatalogueNumber), QStringList({"9", "MBund 152", "10"}));
    QCOMPARE(headerPicture(window, 1), QStringLiteral("down"));
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op :"));
    // The delete question marked the collection changed, answered or not.
    QVERIFY(window.collection().unsavedChanges());

    QVERIFY(withModalDialog(menuItem(window, "FileSave"), [](QWidget *dialog) {
        click(control<VistaButton>(*qobject_cast<SaveForm *>(dialog), "SaveKnop"));
    }));
    QCOMPARE(fixture.folder.read(QStringLiteral("Verzameling/Nederland.col")), original);
    QVERIFY(!window.collection().unsavedChanges());
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
