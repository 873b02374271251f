#include "DialogTestSupport.h"
#include "common/CollectionState.h"
#include "common/TestFolder.h"
#include "dialogs/OfferDemoData.h"
#include "dialogs/OpenFile.h"
#include "dialogs/VersionsForm.h"
#include "mainwindow/Main.h"
#include "storage/folder/CollectionName.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/OldDataFile.h"
#include "storage/keeping/CollectionVersions.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class OpenFileTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheFilesOfItsMode();
    void okOpensTheSelectedCollection();
    void okImportsTheSelectedOldFile();
    void unsavedChangesAreAskedAboutFirst();
    void deleteRemovesTheCollectionWithItsPictures();
    void deleteStaysInsideTheCollectionFolder();
    void deleteTakesAFileAlreadyGoneAndARefusedName();
    void importModeDeletesNothing();
    void restoresAVersionAndADeletedCollection();
    void aFolderWithoutProgramDataIsOfferedTheDemo();
};

namespace {

QStringList listed(const OpenFile &dialog)
{
    const auto *list = control<QListWidget>(dialog, "List1");
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names.append(list->item(row)->text());
    return names;
}

void select(OpenFile &dialog, const QString &name)
{
    auto *list = control<QListWidget>(dialog, "List1");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}

// Chooses the newest version of Land with three records in File > "Vorige versies...".
bool restoreThreeRecordsOfLand(Main &main)
{
    bool chosen = false;
    withModalDialog(menuItem(main, "FileVersions"), [&](QWidget *widget) {
        auto *dialog = qobject_cast<VersionsForm *>(widget);
        if (!dialog)
            return;
        auto *list = control<QTreeWidget>(*dialog, "List1");
        for (int row = 0; row < list->topLevelItemCount() && !chosen; ++row) {
            QTreeWidgetItem *item = list->topLevelItem(row);
            chosen = item->text(2) == QStringLiteral("3") && item->text(3) == QStringLiteral("Land");
            if (chosen) {
                list->setCurrentItem(item);
                click(control<VistaButton>(*dialog, "OkKnop"));
            }
        }
    });
    return chosen;
}

} // namespace

void OpenFileTest::listsTheFilesOfItsMode()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("B"), QStringLiteral("B"), sampleRecords(1));
    writeCollection(folder, QStringLiteral("a"), QStringLiteral("a"), sampleRecords(1));
    writeOldData(folder, QStringLiteral("X"), 1);
    auto main = startMain(folder);

    OpenFile open(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    open.show();
    QVERIFY(QTest::qWaitForWindowExposed(&open));
    QCOMPARE(listed(open), QStringList({"a", "B"}));
    QCOMPARE(open.windowTitle(), QStringLiteral("Open Verzameling"));
    QVERIFY(control<VistaButton>(open, "DelKnop")->enabled());
    QCOMPARE(control<VistaButton>(open, "DelKnop")->caption(), QStringLiteral("Delete"));
    QCOMPARE(open.frameGeometry().size(), QSize(Twips::toPixels(4485), Twips::toPixels(3795)));
    QCOMPARE(open.frameGeometry().center(), open.screen()->availableGeometry().center());
    QCOMPARE(control<QListWidget>(open, "List1")->geometry(), Twips::rect(180, 180, 2400, 3000));
    QCOMPARE(control<QLabel>(open, "Label2")->text(),
             QStringLiteral("Maak d.m.v. de linker lijst een keuze uit de verzameling die u wilt openen."));
    QCOMPARE(open.grab().toImage().pixelColor(open.width() - 3, open.height() - 3), main->panelColour());

    OpenFile import(main->collection(), OpenFile::Mode::ImportOldData, main->panelColour(), main.get());
    QCOMPARE(listed(import), QStringList({"X"}));
    QCOMPARE(import.windowTitle(), QStringLiteral("Oude Data Importeren"));
    QCOMPARE(control<QLabel>(import, "Label2")->text(), control<QLabel>(open, "Label2")->text());
}

void OpenFileTest::okOpensTheSelectedCollection()
{
    TestFolder folder;
    const std::vector<StampRecord> records = sampleRecords(12);
    // Renamed outside the program: line 2 names the collection.
    writeCollection(folder, QStringLiteral("Nederland"), QStringLiteral("Holland"), records);
    writeCollection(folder, QStringLiteral("Andere"), QStringLiteral("Andere"), sampleRecords(1));
    auto main = startMain(folder);
    BoxAnswers boxes;

    OpenFile dialog(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    dialog.show();
    // Nothing selected: nothing happens.
    click(control<VistaButton>(dialog, "OkKnop"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(main->collection().records().count(), 0);

    select(dialog, QStringLiteral("Nederland"));
    click(control<VistaButton>(dialog, "OkKnop"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(recordsCopy(main->collection().records().records()), records);
    QCOMPARE(main->collection().name(), QStringLiteral("Holland"));
    QCOMPARE(control<QLabel>(*main, "Label2")->text(), QStringLiteral("Verzamelgebied : Holland"));
    QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 12"));
    QVERIFY(!main->collection().unsavedChanges());
    QCOMPARE(boxes.requests.size(), 0);

    // A double click opens too.
    OpenFile again(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    auto *list = control<QListWidget>(again, "List1");
    QListWidgetItem *other = list->findItems(QStringLiteral("Andere"), Qt::MatchExactly).first();
    const QPoint onOther = list->visualItemRect(other).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onOther);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onOther);
    QVERIFY(!again.isVisible());
    QCOMPARE(main->collection().name(), QStringLiteral("Andere"));
    QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 1"));
}

void OpenFileTest::okImportsTheSelectedOldFile()
{
    TestFolder folder;
    const QByteArray old = writeOldData(folder, QStringLiteral("Oud"), 3);
    auto main = startMain(folder);

    OpenFile dialog(main->collection(), OpenFile::Mode::ImportOldData, main->panelColour(), main.get());
    dialog.show();
    select(dialog, QStringLiteral("Oud"));
    click(control<VistaButton>(dialog, "OkKnop"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(recordsCopy(main->collection().records().records()), OldDataFile::parse(old));
    QCOMPARE(main->collection().name(), QStringLiteral("Oud"));
    QCOMPARE(control<QLabel>(*main, "Label2")->text(), QStringLiteral("Verzamelgebied : Oud"));
    QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 3"));
    QVERIFY(!main->collection().unsavedChanges());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Oud.cat")), old);
}

void OpenFileTest::unsavedChangesAreAskedAboutFirst()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nieuw"), QStringLiteral("Nieuw"), sampleRecords(4));
    writeOldData(folder, QStringLiteral("Oud"), 2);
    auto main = startMain(folder);
    const std::vector<StampRecord> open = sampleRecords(2);
    arrangeCollection(main->collection(), QStringLiteral("Huidig"), open);

    for (const bool openMode : {true, false}) {
        main->collection().markChangedWithoutEdit();
        OpenFile dialog(main->collection(), openMode ? OpenFile::Mode::Open : OpenFile::Mode::ImportOldData,
                        main->panelColour(), main.get());
        dialog.show();
        select(dialog, openMode ? QStringLiteral("Nieuw") : QStringLiteral("Oud"));
        {
            BoxAnswers no({MessageBox::Answer::No});
            click(control<VistaButton>(dialog, "OkKnop"));
            QCOMPARE(no.requests.size(), 1);
            QCOMPARE(no.requests[0].text, QStringLiteral("Wijzigingen zijn nog niet opgeslagen...\r\n"
                                                         "wilt u de huidige verzameling toch sluiten?"));
            QCOMPARE(no.requests[0].caption, QStringLiteral("Tessaron2"));
            QCOMPARE(no.requests[0].buttons, MessageBox::Buttons::YesNo);
            QCOMPARE(no.requests[0].icon, MessageBox::Icon::None);
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(recordsCopy(main->collection().records().records()), open);
        QCOMPARE(main->collection().name(), QStringLiteral("Huidig"));
        QVERIFY(main->collection().unsavedChanges());
    }

    OpenFile dialog(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    dialog.show();
    select(dialog, QStringLiteral("Nieuw"));
    BoxAnswers yes({MessageBox::Answer::Yes});
    click(control<VistaButton>(dialog, "OkKnop"));
    QCOMPARE(yes.requests.size(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(main->collection().name(), QStringLiteral("Nieuw"));
    QCOMPARE(main->collection().records().count(), 4);
    QVERIFY(!main->collection().unsavedChanges());
}

void OpenFileTest::deleteRemovesTheCollectionWithItsPictures()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Z"), QStringLiteral("Z"), sampleRecords(2));
    writeCollection(folder, QStringLiteral("Y"), QStringLiteral("Y"), sampleRecords(1));
    folder.write(QStringLiteral("Verzameling/Z/1990/12.jpg"), "jpeg");
    folder.write(QStringLiteral("Verzameling/Z/2001/diep/3.jpg"), "jpeg");
    folder.write(QStringLiteral("Verzameling/Y/1990/12.jpg"), "jpeg");
    auto main = startMain(folder);
    arrangeCollection(main->collection(), QStringLiteral("Z"), sampleRecords(2));
    const QStringList treeBefore = treeOf(folder);

    OpenFile dialog(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    dialog.show();
    {
        // Nothing selected: nothing asked, nothing removed.
        BoxAnswers boxes({MessageBox::Answer::Yes});
        click(control<VistaButton>(dialog, "DelKnop"));
        QCOMPARE(boxes.requests.size(), 0);
    }
    select(dialog, QStringLiteral("Z"));
    {
        BoxAnswers no({MessageBox::Answer::No});
        click(control<VistaButton>(dialog, "DelKnop"));
        QCOMPARE(no.requests.size(), 1);
        QCOMPARE(no.requests[0].text, QStringLiteral("Wilt u de verzameling 'Z' verwijderen\r\n"
                                                     "inclusief eventuele sub-mappen en afbeeldingen?"));
        QCOMPARE(no.requests[0].caption, QStringLiteral("Delete"));
        QCOMPARE(no.requests[0].buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(no.requests[0].icon, MessageBox::Icon::None);
    }
    QCOMPARE(treeOf(folder), treeBefore);
    QCOMPARE(listed(dialog), QStringList({"Y", "Z"}));

    BoxAnswers yes({MessageBox::Answer::Yes});
    click(control<VistaButton>(dialog, "DelKnop"));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Z.col")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Z")));
    QVERIFY(folder.exists(QStringLiteral("Verzameling/Y/1990/12.jpg")));
    QVERIFY(folder.exists(QStringLiteral("Verzameling/Y.col")));
    QCOMPARE(listed(dialog), QStringList({"Y"}));
    QVERIFY(control<QListWidget>(dialog, "List1")->selectedItems().isEmpty());
    QVERIFY(dialog.isVisible());
    // The open collection stays in the main window.
    QCOMPARE(main->collection().records().count(), 2);
    QCOMPARE(main->collection().name(), QStringLiteral("Z"));

    // A collection without a picture folder still leaves the list.
    select(dialog, QStringLiteral("Y"));
    QVERIFY(QDir(folder.path(QStringLiteral("Verzameling/Y"))).removeRecursively());
    click(control<VistaButton>(dialog, "DelKnop"));
    QVERIFY(listed(dialog).isEmpty());
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Y.col")));

    // A folder spelled otherwise is removed only while no other collection claims it.
    writeCollection(folder, QStringLiteral("Land"), QStringLiteral("Land"), sampleRecords(1));
    writeCollection(folder, QStringLiteral("land"), QStringLiteral("land"), sampleRecords(1));
    writeCollection(folder, QStringLiteral("zee"), QStringLiteral("zee"), sampleRecords(1));
    folder.write(QStringLiteral("Verzameling/Land/1990/12.jpg"), "jpeg");
    folder.write(QStringLiteral("Verzameling/ZEE/1990/12.jpg"), "jpeg");
    OpenFile again(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    again.show();
    for (const QString &name : {QStringLiteral("land"), QStringLiteral("zee")}) {
        select(again, name);
        click(control<VistaButton>(again, "DelKnop"));
    }
    QCOMPARE(listed(again), QStringList({"Land"}));
    QVERIFY(folder.exists(QStringLiteral("Verzameling/Land/1990/12.jpg")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/ZEE")));
}

void OpenFileTest::deleteStaysInsideTheCollectionFolder()
{
    TestFolder folder;
    // The picture folder and the file of collection L are links to what lies
    // outside the collection folder.
    folder.write(QStringLiteral("Elders/1990/1.jpg"), "jpeg");
    folder.write(QStringLiteral("Elders.col"), "niet van deze verzameling");
    QVERIFY(QFile::link(folder.path(QStringLiteral("Elders")), folder.path(QStringLiteral("Verzameling/L"))));
    QVERIFY(QFile::link(folder.path(QStringLiteral("Elders.col")),
                        folder.path(QStringLiteral("Verzameling/L.col"))));
    auto main = startMain(folder);

    OpenFile dialog(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    dialog.show();
    BoxAnswers yes({MessageBox::Answer::Yes});
    select(dialog, QStringLiteral("L"));
    click(control<VistaButton>(dialog, "DelKnop"));
    QCOMPARE(yes.requests.size(), 1);
    QVERIFY(listed(dialog).isEmpty());
    QVERIFY(!QFileInfo(folder.path(QStringLiteral("Verzameling/L"))).isSymLink());
    QVERIFY(!QFileInfo(folder.path(QStringLiteral("Verzameling/L.col"))).isSymLink());
    QVERIFY(folder.exists(QStringLiteral("Elders/1990/1.jpg")));
    QCOMPARE(folder.read(QStringLiteral("Elders.col")), QByteArray("niet van deze verzameling"));
}

void OpenFileTest::deleteTakesAFileAlreadyGoneAndARefusedName()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Weg"), QStringLiteral("Weg"), sampleRecords(1));
    folder.write(QStringLiteral("Verzameling/Weg/1990/12.jpg"), "jpeg");
    // Made by another program: a control character and a colon.
    const QString refused = QStringLiteral("Oud\u0081:1");
    writeCollection(folder, refused, refused, sampleRecords(2));
    folder.write(QStringLiteral("Verzameling/") + refused + QStringLiteral("/1990/12.jpg"), "jpeg");
    auto main = startMain(folder);

    OpenFile dialog(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    dialog.show();
    // Deleted by a synchronised folder while the dialog is open.
    QVERIFY(QFile::remove(folder.path(QStringLiteral("Verzameling/Weg.col"))));
    BoxAnswers yes({MessageBox::Answer::Yes, MessageBox::Answer::Yes});
    for (const QString &name : {QStringLiteral("Weg"), refused}) {
        select(dialog, name);
        click(control<VistaButton>(dialog, "DelKnop"));
    }
    QCOMPARE(yes.requests.size(), 2); // the two questions, no error
    QVERIFY(listed(dialog).isEmpty());
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Weg")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/") + refused + QStringLiteral(".col")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/") + refused));
    QCOMPARE(CollectionName::repaired(refused), QStringLiteral("Oud__1"));
    const std::vector<CollectionVersions::Version> kept =
        CollectionVersions(folder.folder()).versions(QStringLiteral("Oud__1"));
    QCOMPARE(kept.size(), size_t(1));
    QCOMPARE(kept.front().recordCount, qsizetype(2));
}

void OpenFileTest::importModeDeletesNothing()
{
    TestFolder folder;
    writeOldData(folder, QStringLiteral("X"), 1);
    // A collection and a picture folder of the same name as the old file.
    writeCollection(folder, QStringLiteral("X"), QStringLiteral("X"), sampleRecords(1));
    folder.write(QStringLiteral("Verzameling/X/1990/1.jpg"), "jpeg");
    auto main = startMain(folder);
    const QStringList treeBefore = treeOf(folder);

    OpenFile dialog(main->collection(), OpenFile::Mode::ImportOldData, main->panelColour(), main.get());
    dialog.show();
    QVERIFY(!control<VistaButton>(dialog, "DelKnop")->enabled());
    select(dialog, QStringLiteral("X"));
    BoxAnswers yes({MessageBox::Answer::Yes});
    click(control<VistaButton>(dialog, "DelKnop"));
    QTest::keyClick(control<VistaButton>(dialog, "DelKnop"), Qt::Key_Space);
    QCOMPARE(yes.requests.size(), 0);
    QCOMPARE(treeOf(folder), treeBefore);
    QCOMPARE(listed(dialog), QStringList({"X"}));
}

void OpenFileTest::restoresAVersionAndADeletedCollection()
{
    TestFolder folder;
    const std::vector<StampRecord> first = sampleRecords(3);
    writeCollection(folder, QStringLiteral("Land"), QStringLiteral("Land"), first);
    auto main = startMain(folder);
    OpenCollection &collection = main->collection();
    QVERIFY(collection.open(QStringLiteral("Land")));
    collection.addImportedRecords(sampleRecords(5), true);
    QVERIFY(collection.saveAs(QStringLiteral("Land")));
    {
        // With no collection open, the versions of every collection are offered.
        // The first window has Land open: this one is told so.
        auto fresh = startMain(folder);
        BoxAnswers told;
        QVERIFY(restoreThreeRecordsOfLand(*fresh));
        QCOMPARE(fresh->collection().name(), QStringLiteral("Land"));
        QCOMPARE(told.requests.size(), 1);
        QVERIFY(told.requests[0].text.startsWith(QStringLiteral("Verzameling 'Land' is ook geopend")));
    }

    // Unsaved changes: asked first; No leaves everything as it was.
    collection.markChangedWithoutEdit();
    {
        BoxAnswers no({MessageBox::Answer::No});
        QVERIFY(restoreThreeRecordsOfLand(*main));
        QCOMPARE(no.requests.size(), 1);
        QCOMPARE(collection.records().count(), 5);
    }
    BoxAnswers yes({MessageBox::Answer::Yes});
    QVERIFY(restoreThreeRecordsOfLand(*main));
    QCOMPARE(collection.name(), QStringLiteral("Land"));
    QVERIFY(collection.unsavedChanges());
    QVERIFY(collection.saveAs(QStringLiteral("Land")));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Land.col")),
             CollectionFile::serialize(QStringLiteral("Land"), first));

    // Deleted from the open dialog, it comes back from its versions.
    OpenFile open(collection, OpenFile::Mode::Open, main->panelColour(), main.get());
    control<QListWidget>(open, "List1")->setCurrentRow(0);
    click(control<VistaButton>(open, "DelKnop"));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Land.col")));
    collection.startNew(QStringLiteral("Zee"));
    QVERIFY(restoreThreeRecordsOfLand(*main));
    QCOMPARE(collection.name(), QStringLiteral("Land"));
    QCOMPARE(recordsCopy(collection.records().records()), first);
}

void OpenFileTest::aFolderWithoutProgramDataIsOfferedTheDemo()
{
    TestFolder shipped;
    shipped.write(QStringLiteral("Verzameling/Demo.col"), "demo");
    QTemporaryDir root;
    const ProgramFolder folder(root.filePath(QStringLiteral("Tessaron2")));
    {
        BoxAnswers no({MessageBox::Answer::No});
        OfferDemoData(folder, shipped.path(QString()));
        QCOMPARE(no.requests.size(), 1);
        QCOMPARE(no.requests[0].buttons, MessageBox::Buttons::YesNo);
        QVERIFY(!QFileInfo::exists(folder.root()));
    }
    {
        // Without shipped data there is nothing to offer: it is said instead.
        BoxAnswers ok;
        OfferDemoData(folder, root.filePath(QStringLiteral("nergens")));
        QCOMPARE(ok.requests.size(), 1);
        QCOMPARE(ok.requests[0].buttons, MessageBox::Buttons::Ok);
    }
    BoxAnswers yes({MessageBox::Answer::Yes});
    OfferDemoData(folder, shipped.path(QString()));
    QCOMPARE(yes.requests.size(), 1);
    QVERIFY(QFileInfo::exists(folder.collectionFile(QStringLiteral("Demo"))));
    // A folder holding program data is not asked about.
    OfferDemoData(folder, shipped.path(QString()));
    QCOMPARE(yes.requests.size(), 1);
}

QTEST_MAIN(OpenFileTest)
#include "tst_openfile.moc"
