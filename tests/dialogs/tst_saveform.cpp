#include "DialogTestSupport.h"
#include "common/CollectionState.h"
#include "common/TestFolder.h"
#include "dialogs/SaveForm.h"
#include "mainwindow/Main.h"
#include "storage/formats/CollectionFile.h"
#include "widgets/BusyGuard.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class SaveFormTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheCollectionName();
    void refusedNamesWriteNothing();
    void savesUnderANewNameAndIgnoresClicksMeanwhile();
    void otherCollectionIsOverwrittenOnlyWhenConfirmed();
    void failedSaveIsReportedAndNothingIsCleared();
    void fileChangedElsewhereIsOverwrittenOnlyWhenConfirmed();
    void copiesFailedLoadsAndBlockedVersionsAskFirst();
};

namespace {

// Main with collection "Oud" loaded: its file, its records, unsaved changes.
std::unique_ptr<Main> mainWithOldCollection(const TestFolder &folder, const std::vector<StampRecord> &records)
{
    writeCollection(folder, QStringLiteral("Oud"), QStringLiteral("Oud"), records);
    auto main = startMain(folder);
    arrangeCollection(main->collection(), QStringLiteral("Oud"), records);
    main->collection().markChangedWithoutEdit();
    return main;
}

int percentOf(const QLabel *label)
{
    QString text = label->text();
    text.chop(1);
    return text.toInt();
}

} // namespace

void SaveFormTest::opensWithTheCollectionName()
{
    TestFolder folder;
    auto main = mainWithOldCollection(folder, sampleRecords(1));
    SaveForm dialog(main->collection(), main->fieldColour(), main.get());
    dialog.show();
    auto *Text1 = control<QLineEdit>(dialog, "Text1");
    auto *Bar = control<QLabel>(dialog, "Bar");
    auto *Label1 = control<QLabel>(dialog, "Label1");
    auto *CancelKnop = control<VistaButton>(dialog, "CancelKnop");
    auto *SaveKnop = control<VistaButton>(dialog, "SaveKnop");
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Verzameling Opslaan"));
    QCOMPARE(dialog.frameGeometry().size(), QSize(Twips::toPixels(4800), Twips::toPixels(1500)));
    QCOMPARE(Text1->text(), QStringLiteral("Oud"));
    QCOMPARE(Text1->geometry(), Twips::rect(120, 150, 4470, 300));
    QCOMPARE(Label1->text(), QStringLiteral("0%"));
    QVERIFY(!Bar->isVisible());
    QCOMPARE(Bar->geometry(), QRect(8, 10, 300, 20));
    QCOMPARE(SaveKnop->caption(), QStringLiteral("Save"));
    QCOMPARE(CancelKnop->caption(), QStringLiteral("Cancel"));
    const QImage look = dialog.grab().toImage();
    QCOMPARE(look.pixelColor(dialog.width() - 3, dialog.height() - 3), QColor(170, 240, 240));
    QCOMPARE(look.pixelColor(Text1->geometry().topRight() + QPoint(-6, 10)), main->fieldColour());

    click(CancelKnop);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(main->collection().unsavedChanges());
}

void SaveFormTest::refusedNamesWriteNothing()
{
    TestFolder folder;
    auto main = mainWithOldCollection(folder, sampleRecords(2));
    const QStringList treeBefore = treeWithoutRecovery(folder);
    SaveForm dialog(main->collection(), main->fieldColour(), main.get());
    dialog.show();
    auto *Text1 = control<QLineEdit>(dialog, "Text1");
    auto *SaveKnop = control<VistaButton>(dialog, "SaveKnop");
    BoxAnswers boxes;

    const QList<QPair<QString, QString>> cases{
        {QStringLiteral("   "), QStringLiteral("Naam verzameling ontbreekt!")},
        {QString(), QStringLiteral("Naam verzameling ontbreekt!")},
        {QStringLiteral("../Buiten"), QStringLiteral("Ongeldige naam voor een verzameling!")},
        {QStringLiteral(".."), QStringLiteral("Ongeldige naam voor een verzameling!")},
        {QStringLiteral("a\\b"), QStringLiteral("Ongeldige naam voor een verzameling!")},
        {QStringLiteral("Wat?"), QStringLiteral("Ongeldige naam voor een verzameling!")},
        {QStringLiteral("<Land>"), QStringLiteral("Ongeldige naam voor een verzameling!")},
        {QStringLiteral(".Land"), QStringLiteral("Ongeldige naam voor een verzameling!")},
    };
    for (const auto &[name, message] : cases) {
        boxes.requests.clear();
        Text1->setText(name);
        SaveKnop->setFocus();
        QCOMPARE(dialog.focusWidget(), SaveKnop);
        click(SaveKnop);
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text, message);
        QCOMPARE(boxes.requests[0].caption, QStringLiteral("Error"));
        QCOMPARE(boxes.requests[0].buttons, MessageBox::Buttons::Ok);
        QCOMPARE(boxes.requests[0].icon, MessageBox::Icon::Critical);
        QCOMPARE(dialog.focusWidget(), Text1);
        QVERIFY(dialog.isVisible());
    }
    QCOMPARE(main->collection().name(), QStringLiteral("Oud"));
    QVERIFY(main->collection().unsavedChanges());
    QCOMPARE(treeWithoutRecovery(folder), treeBefore);
}

void SaveFormTest::savesUnderANewNameAndIgnoresClicksMeanwhile()
{
    TestFolder folder;
    const std::vector<StampRecord> records = sampleRecords(3);
    auto main = mainWithOldCollection(folder, records);
    const QByteArray oldFile = folder.read(QStringLiteral("Verzameling/Oud.col"));
    BoxAnswers boxes;

    SaveForm dialog(main->collection(), main->fieldColour(), main.get());
    dialog.show();
    auto *Text1 = control<QLineEdit>(dialog, "Text1");
    auto *Bar = control<QLabel>(dialog, "Bar");
    auto *Label1 = control<QLabel>(dialog, "Label1");
    auto *CancelKnop = control<VistaButton>(dialog, "CancelKnop");
    auto *SaveKnop = control<VistaButton>(dialog, "SaveKnop");
    Text1->setText(QStringLiteral("Test"));

    // Looks at the dialog while the animation runs, and clicks and closes it.
    struct Seen {
        QList<int> percentages;
        bool checked = false;
        bool textHidden = false;
        bool barShown = false;
        bool busyPointer = false;
        bool savedBySecondClick = true;
        bool closedByCancel = true;
        bool closed = true;
    } seen;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, &dialog, [&] {
        if (Bar->isVisible())
            seen.percentages.append(percentOf(Label1));
    });
    sampler.start(5);
    QTimer::singleShot(400, &dialog, [&] {
        seen.checked = true;
        seen.textHidden = !Text1->isVisible();
        seen.barShown = Bar->isVisible();
        seen.busyPointer =
            QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        click(SaveKnop);
        // A second save would have run to its end inside the click.
        seen.savedBySecondClick = !main->collection().unsavedChanges();
        click(CancelKnop);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        seen.closedByCancel = !dialog.isVisible();
        seen.closed = dialog.close();
    });
    click(SaveKnop);
    sampler.stop();

    QVERIFY(seen.checked);
    QVERIFY(seen.textHidden);
    QVERIFY(seen.barShown);
    QVERIFY(seen.busyPointer);
    QVERIFY(!seen.savedBySecondClick);
    QVERIFY(!seen.closedByCancel);
    QVERIFY(!seen.closed);
    QVERIFY(!seen.percentages.isEmpty());
    QVERIFY(std::is_sorted(seen.percentages.begin(), seen.percentages.end()));
    QCOMPARE(seen.percentages.last(), 100);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!BusyGuard::isBusy(&dialog));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(Label1->text(), QStringLiteral("100%"));
    const QImage bar = Bar->pixmap().toImage();
    QCOMPARE(bar.pixelColor(299, 18), QColor(0, 240, 0));
    QCOMPARE(bar.pixelColor(0, 0), QColor(0, 240, 0));
    QVERIFY(bar.pixelColor(150, 19) != QColor(0, 240, 0));
    QCOMPARE(boxes.requests.size(), 0);

    QVERIFY(QDir(folder.path(QStringLiteral("Verzameling/Test"))).exists());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Test.col")),
             CollectionFile::serialize(QStringLiteral("Test"), records));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Oud.col")), oldFile);
    QCOMPARE(main->collection().name(), QStringLiteral("Test"));
    QVERIFY(!main->collection().unsavedChanges());
    // The caption of the main window is left as it was.
    QCOMPARE(control<QLabel>(*main, "Label2")->text(), QStringLiteral("Verzamelgebied : Oud"));
}

void SaveFormTest::otherCollectionIsOverwrittenOnlyWhenConfirmed()
{
    TestFolder folder;
    const std::vector<StampRecord> records = sampleRecords(2);
    auto main = mainWithOldCollection(folder, records);
    writeCollection(folder, QStringLiteral("Ander"), QStringLiteral("Ander"), sampleRecords(5));
    const QByteArray otherFile = folder.read(QStringLiteral("Verzameling/Ander.col"));

    SaveForm dialog(main->collection(), main->fieldColour(), main.get());
    dialog.show();
    auto *Text1 = control<QLineEdit>(dialog, "Text1");
    auto *Label1 = control<QLabel>(dialog, "Label1");
    auto *SaveKnop = control<VistaButton>(dialog, "SaveKnop");
    // Another spelling of its name is that collection, named as its file is.
    Text1->setText(QStringLiteral("ANDER"));
    {
        BoxAnswers no({MessageBox::Answer::No});
        click(SaveKnop);
        QCOMPARE(no.requests.size(), 1);
        QCOMPARE(no.requests[0].text,
                 QStringLiteral("Verzameling 'Ander' bestaat reeds!\r\nWilt u deze overschrijven?"));
        QCOMPARE(no.requests[0].caption, QStringLiteral("Tessaron2"));
        QCOMPARE(no.requests[0].buttons, MessageBox::Buttons::YesNo);
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(Text1->isVisible());
    QCOMPARE(Label1->text(), QStringLiteral("0%"));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Ander.col")), otherFile);
    QCOMPARE(main->collection().name(), QStringLiteral("Oud"));
    QVERIFY(main->collection().unsavedChanges());

    BoxAnswers yes({MessageBox::Answer::Yes});
    click(SaveKnop);
    QCOMPARE(yes.requests.size(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Ander.col")),
             CollectionFile::serialize(QStringLiteral("Ander"), records));
    QCOMPARE(main->collection().name(), QStringLiteral("Ander"));
    QVERIFY(!main->collection().unsavedChanges());
}

void SaveFormTest::failedSaveIsReportedAndNothingIsCleared()
{
    TestFolder folder;
    auto main = mainWithOldCollection(folder, sampleRecords(2));
    // A folder where the collection file should go: the file cannot be written.
    QVERIFY(QDir().mkpath(folder.path(QStringLiteral("Verzameling/Kapot.col"))));
    BoxAnswers boxes;

    SaveForm dialog(main->collection(), main->fieldColour(), main.get());
    dialog.show();
    auto *Text1 = control<QLineEdit>(dialog, "Text1");
    auto *Bar = control<QLabel>(dialog, "Bar");
    auto *CancelKnop = control<VistaButton>(dialog, "CancelKnop");
    auto *SaveKnop = control<VistaButton>(dialog, "SaveKnop");
    Text1->setText(QStringLiteral("Kapot"));
    click(SaveKnop);

    QCOMPARE(boxes.requests.size(), 1);
    const QString firstLine = QStringLiteral("Verzameling kon niet worden opgeslagen!\r\n");
    QVERIFY(boxes.requests[0].text.startsWith(firstLine));
    QVERIFY(boxes.requests[0].text.size() > firstLine.size()); // the reason follows
    QCOMPARE(boxes.requests[0].caption, QStringLiteral("Error"));
    QCOMPARE(boxes.requests[0].buttons, MessageBox::Buttons::Ok);
    QCOMPARE(boxes.requests[0].icon, MessageBox::Icon::Critical);
    QVERIFY(dialog.isVisible());
    QVERIFY(Text1->isVisible());
    QVERIFY(!Bar->isVisible());
    QCOMPARE(Text1->text(), QStringLiteral("Kapot"));
    QVERIFY(main->collection().unsavedChanges());
    QCOMPARE(main->collection().name(), QStringLiteral("Oud"));
    QVERIFY(!QApplication::overrideCursor());

    // No longer busy: Cancel closes it.
    click(CancelKnop);
    QVERIFY(!dialog.isVisible());
}

void SaveFormTest::fileChangedElsewhereIsOverwrittenOnlyWhenConfirmed()
{
    TestFolder folder;
    const std::vector<StampRecord> records = sampleRecords(2);
    writeCollection(folder, QStringLiteral("Oud"), QStringLiteral("Oud"), records);
    auto main = startMain(folder);
    QVERIFY(main->collection().open(QStringLiteral("Oud")));
    main->collection().markChangedWithoutEdit();

    // Another program writes the file: same size, other bytes, and even the
    // modification time put back, so only the contents tell.
    const QString path = folder.path(QStringLiteral("Verzameling/Oud.col"));
    const QDateTime modified = QFileInfo(path).lastModified();
    QByteArray other = folder.read(QStringLiteral("Verzameling/Oud.col"));
    other.replace("1", "9");
    folder.write(QStringLiteral("Verzameling/Oud.col"), other);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    SaveForm dialog(main->collection(), main->fieldColour(), main.get());
    dialog.show();
    auto *SaveKnop = control<VistaButton>(dialog, "SaveKnop");
    {
        BoxAnswers no({MessageBox::Answer::No});
        click(SaveKnop);
        QCOMPARE(no.requests.size(), 1);
        QCOMPARE(no.requests[0].text, QStringLiteral("Verzameling 'Oud' is intussen door een ander programma "
                                                     "gewijzigd.\r\nWilt u deze toch overschrijven?"));
        QCOMPARE(no.requests[0].caption, QStringLiteral("Tessaron2"));
        QCOMPARE(no.requests[0].buttons, MessageBox::Buttons::YesNo);
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Oud.col")), other);
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/.versies")));
    QVERIFY(main->collection().unsavedChanges());

    // Deleted elsewhere: simply written again, without a question.
    QVERIFY(QFile::remove(path));
    BoxAnswers none;
    click(SaveKnop);
    QCOMPARE(none.requests.size(), 0);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Oud.col")),
             CollectionFile::serialize(QStringLiteral("Oud"), records));
}

void SaveFormTest::copiesFailedLoadsAndBlockedVersionsAskFirst()
{
    TestFolder folder;
    const std::vector<StampRecord> records = sampleRecords(2);
    writeCollection(folder, QStringLiteral("Nederland"), QStringLiteral("Nederland"), sampleRecords(4));
    writeCollection(folder, QStringLiteral("Nederland kopie"), QStringLiteral("Nederland"), records);
    folder.write(QStringLiteral("Verzameling/Kort.col"), "Kop\r\nKort\r\n");
    const QByteArray original = folder.read(QStringLiteral("Verzameling/Nederland.col"));
    auto main = startMain(folder);
    // Every question is asked with the arrow and the name box, not the save's wait cursor and bar.
    bool askedWhileBusy = false;
    const auto saveAnswering = [&](SaveForm &dialog, MessageBox::Answer answer) {
        QList<MessageBox::Request> requests;
        MessageBox::setTestHook([&](const MessageBox::Request &request) {
            askedWhileBusy = askedWhileBusy || QApplication::overrideCursor() ||
                             control<QLabel>(dialog, "Bar")->isVisible();
            requests.append(request);
            return answer;
        });
        click(control<VistaButton>(dialog, "SaveKnop"));
        MessageBox::setTestHook({});
        return requests;
    };
    const auto answerSave = [&](const QString &name, MessageBox::Answer answer) {
        main->collection().markChangedWithoutEdit();
        SaveForm dialog(main->collection(), main->fieldColour(), main.get());
        dialog.show();
        control<QLineEdit>(dialog, "Text1")->setText(name);
        return saveAnswering(dialog, answer);
    };

    // A copy whose line 2 names its original does not save over it unasked.
    QVERIFY(main->collection().open(QStringLiteral("Nederland kopie")));
    QList<MessageBox::Request> asked = answerSave(QStringLiteral("Nederland"), MessageBox::Answer::No);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text,
             QStringLiteral("Verzameling 'Nederland' bestaat reeds!\r\nWilt u deze overschrijven?"));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nederland.col")), original);

    // A file that failed to load is not known as it was.
    QVERIFY(!main->collection().open(QStringLiteral("Kort")));
    asked = answerSave(QStringLiteral("Kort"), MessageBox::Answer::No);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("Verzameling 'Kort' is intussen door een ander programma "
                                           "gewijzigd.\r\nWilt u deze toch overschrijven?"));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Kort.col")), QByteArray("Kop\r\nKort\r\n"));

    // No version can be kept where a file stands in the way: No writes nothing, Yes saves without one.
    folder.write(QStringLiteral("Verzameling/.versies"), "geen map");
    QVERIFY(main->collection().open(QStringLiteral("Nederland")));
    const QString blocked = QStringLiteral("Vorige versie kon niet worden bewaard: map kon niet worden "
                                           "aangemaakt: ") +
                            folder.path(QStringLiteral("Verzameling/.versies/Nederland")) +
                            QStringLiteral(".\r\nToch opslaan zonder vorige versie?");
    asked = answerSave(QStringLiteral("Nederland"), MessageBox::Answer::No);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, blocked);
    QCOMPARE(asked[0].caption, QStringLiteral("Tessaron2"));
    QCOMPARE(asked[0].buttons, MessageBox::Buttons::YesNo);
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nederland.col")), original);
    QVERIFY(main->collection().unsavedChanges());
    asked = answerSave(QStringLiteral("Nederland"), MessageBox::Answer::Yes);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, blocked);
    QVERIFY(!main->collection().unsavedChanges());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/.versies")), QByteArray("geen map"));

    // A reason that ends a sentence itself gets no second full stop: here a folder
    // stands where the version would go (after a newer one, as when the clock went back).
    QVERIFY(QFile::remove(folder.path(QStringLiteral("Verzameling/.versies"))));
    folder.write(QStringLiteral("Verzameling/.versies/Nederland/2099-01-01 00.00.00.col"), "ouder");
    QVERIFY(QDir().mkpath(
        folder.path(QStringLiteral("Verzameling/.versies/Nederland/2099-01-01 00.00.00 (2).col"))));
    asked = answerSave(QStringLiteral("Nederland"), MessageBox::Answer::No);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("Vorige versie kon niet worden bewaard: Dit is een map, geen "
                                           "bestand.\r\nToch opslaan zonder vorige versie?"));
    QVERIFY(!askedWhileBusy);

    // Changed by another program during the animation: asked right before writing.
    const QByteArray elsewhere = "Kop\r\nNederland\r\n-\r\n";
    main->collection().markChangedWithoutEdit();
    SaveForm dialog(main->collection(), main->fieldColour(), main.get());
    dialog.show();
    QTimer::singleShot(400, &dialog,
                       [&] { folder.write(QStringLiteral("Verzameling/Nederland.col"), elsewhere); });
    const QList<MessageBox::Request> requests = saveAnswering(dialog, MessageBox::Answer::No);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].text, QStringLiteral("Verzameling 'Nederland' is intussen door een ander programma "
                                              "gewijzigd.\r\nWilt u deze toch overschrijven?"));
    QVERIFY(!askedWhileBusy);
    QVERIFY(dialog.isVisible());
    QVERIFY(control<QLineEdit>(dialog, "Text1")->isVisible());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nederland.col")), elsewhere);
    QVERIFY(main->collection().unsavedChanges());
}

QTEST_MAIN(SaveFormTest)
#include "tst_saveform.moc"
