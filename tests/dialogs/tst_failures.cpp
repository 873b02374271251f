#include "DialogTestSupport.h"
#include "album/SlideshowPage.h"
#include "common/CollectionState.h"
#include "common/Control.h"
#include "common/FileSizeLimit.h"
#include "common/TestFolder.h"
#include "dialogs/OpenFile.h"
#include "dialogs/SaveForm.h"
#include "listeditor/EditData.h"
#include "mainwindow/Main.h"
#include "printing/PrintCommand.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/SettingsFile.h"
#include "storage/keeping/CollectionVersions.h"
#include "widgets/RecordListView.h"
#include "widgets/VistaButton.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// While it lives, the process acts as an ordinary user, so that permissions
// hold; as root nothing would be read-only. Ends as it began.
class OrdinaryUser {
public:
    static constexpr uid_t Nobody = 65534;

    OrdinaryUser()
    {
        if (geteuid() != 0)
            m_active = true;
        else if (setegid(Nobody) == 0 && seteuid(Nobody) == 0)
            m_active = m_switched = true;
    }
    ~OrdinaryUser()
    {
        if (m_switched && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("could not become root again");
    }
    OrdinaryUser(const OrdinaryUser &) = delete;
    OrdinaryUser &operator=(const OrdinaryUser &) = delete;

    bool active() const { return m_active; }

private:
    bool m_active = false;
    bool m_switched = false;
};

void setMode(const QString &path, QFile::Permissions permissions)
{
    QVERIFY2(QFile::setPermissions(path, permissions), qPrintable(path));
}

const QFile::Permissions ReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
const QFile::Permissions OpenFolder = ReadOnlyFolder | QFile::WriteOwner;

// The main window with collection Oud of the given records open and unsaved.
std::unique_ptr<Main> mainWithCollection(const TestFolder &folder, int records)
{
    writeCollection(folder, QStringLiteral("Oud"), QStringLiteral("Oud"), sampleRecords(records));
    QDir().mkpath(folder.path(QStringLiteral("Verzameling/Oud")));
    auto main = startMain(folder);
    static_cast<void>(main->collection().open(QStringLiteral("Oud")));
    main->collection().addRecord(sampleRecord(99));
    return main;
}

// Saves under the name in the dialog, which must show one message box and stay open.
void saveExpectingABox(Main &main, const QString &name, MessageBox::Request &box)
{
    BoxAnswers boxes;
    SaveForm dialog(main.collection(), main.fieldColour(), &main);
    dialog.show();
    control<QLineEdit>(dialog, "Text1")->setText(name);
    click(control<VistaButton>(dialog, "SaveKnop"));
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY(dialog.isVisible());
    box = boxes.requests.first();
}

void verifyFailureBox(const MessageBox::Request &box, const QString &firstLine)
{
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first(), firstLine);
    QVERIFY(!lines.last().isEmpty()); // the reason
}

void selectRow(Main &main, int row)
{
    const QRect cell =
        control<RecordListView>(main, "ListView1")->visualRect(main.collection().records().index(row, 0));
    QTest::mouseClick(control<RecordListView>(main, "ListView1")->viewport(), Qt::LeftButton, {},
                      cell.center());
}

void select(OpenFile &dialog, const QString &name)
{
    auto *list = control<QListWidget>(dialog, "List1");
    const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    list->setCurrentItem(items.first());
}

} // namespace

// Disks that fail and files that are not what they should be: the program
// keeps running, shows what it could read, says what the user must know, and
// never destroys a file it did not mean to replace.
class FailuresTest : public QObject {
    Q_OBJECT

private slots:
    void everyWriterFailingPartWayKeepsTheOldFileAndSaysSo();
    void readOnlyFoldersKeepEveryFileAndTheUserIsTold();
    void aVanishedOrReplacedCollectionFileOpensEmpty();
    void aHostileCollectionFileReachesNothingOutsideItsFolder();
    void deletingAPictureFolderRemovesLinksButNotTheirTargets();
};

void FailuresTest::everyWriterFailingPartWayKeepsTheOldFileAndSaysSo()
{
    TestFolder folder;
    // Widths too large for any screen and a colour out of range: read all the
    // same, and kept byte for byte when the new file cannot be written.
    QStringList settings = SettingsFile().lines();
    settings[2] = QStringLiteral("300,0,0");
    for (int line = 5; line < settings.size(); ++line)
        settings[line] = QStringLiteral("2147483647");
    folder.write(QStringLiteral("Tessaron2.ini"), crlf(settings));
    folder.write(QStringLiteral("Data/Motief.txt"), crlf({QStringLiteral("Schip")}));
    auto main = mainWithCollection(folder, 3);
    const QStringList treeBefore = treeWithoutRecovery(folder);
    const QByteArray collectionBefore = folder.read(QStringLiteral("Verzameling/Oud.col"));

    MessageBox::Request saveBox;
    {
        const FileSizeLimit limit;
        saveExpectingABox(*main, QStringLiteral("Oud"), saveBox);
    }
    verifyFailureBox(saveBox, QStringLiteral("Verzameling kon niet worden opgeslagen!"));
    QVERIFY(main->collection().unsavedChanges());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Oud.col")), collectionBefore);

    {
        EditData editor(folder.folder());
        editor.show();
        editor.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QString(100, u'w'));
        click(editor.findChild<VistaButton *>(QStringLiteral("AddKnop")));
        BoxAnswers boxes;
        {
            const FileSizeLimit limit;
            click(editor.findChild<VistaButton *>(QStringLiteral("OkKnop")));
        }
        QCOMPARE(boxes.requests.size(), 1);
        verifyFailureBox(boxes.requests.first(), QStringLiteral("Lijst kon niet worden opgeslagen!"));
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.findChild<QListWidget *>(QStringLiteral("List1"))->count(), 2);
    }
    QCOMPARE(folder.read(QStringLiteral("Data/Motief.txt")), crlf({QStringLiteral("Schip")}));

    clearUnsavedChanges(main->collection());
    BoxAnswers boxes;
    {
        const FileSizeLimit limit;
        QVERIFY(main->close());
    }
    QCOMPARE(boxes.requests.size(), 1);
    verifyFailureBox(boxes.requests.first(), QStringLiteral("Instellingen konden niet worden opgeslagen!"));
    QCOMPARE(folder.read(QStringLiteral("Tessaron2.ini")), crlf(settings));
    // No half-written file is left beside the old ones.
    QCOMPARE(treeWithoutRecovery(folder), treeBefore);
}

void FailuresTest::readOnlyFoldersKeepEveryFileAndTheUserIsTold()
{
    TestFolder folder;
    folder.write(QStringLiteral("Verzameling/Oud/1990/1.jpg"), "jpeg");
    auto main = mainWithCollection(folder, 2);
    const QStringList treeBefore = treeWithoutRecovery(folder);
    const QByteArray collectionBefore = folder.read(QStringLiteral("Verzameling/Oud.col"));
    const QByteArray settingsBefore = folder.read(QStringLiteral("Tessaron2.ini"));

    for (const QString &path : {QString(), QStringLiteral("Verzameling"), QStringLiteral("Verzameling/Oud"),
                                QStringLiteral("Verzameling/Oud/1990")})
        setMode(folder.path(path), ReadOnlyFolder);
    MessageBox::Request saveBox;
    int closeBoxes = 0;
    MessageBox::Request closeBox;
    {
        const OrdinaryUser user;
        if (!user.active())
            QSKIP("cannot act as an ordinary user here");
        saveExpectingABox(*main, QStringLiteral("Oud"), saveBox);

        // Deleting cannot keep a version, so it removes nothing and says so.
        OpenFile open(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
        open.show();
        select(open, QStringLiteral("Oud"));
        BoxAnswers yes({MessageBox::Answer::Yes});
        click(control<VistaButton>(open, "DelKnop"));
        QCOMPARE(yes.requests.size(), 2);
        verifyFailureBox(yes.requests[1], QStringLiteral("Verzameling kon niet worden verwijderd!"));
        yes.requests.clear();

        clearUnsavedChanges(main->collection());
        QVERIFY(main->close());
        closeBoxes = int(yes.requests.size());
        closeBox = yes.requests.value(0);
    }
    for (const QString &path : {QString(), QStringLiteral("Verzameling"), QStringLiteral("Verzameling/Oud"),
                                QStringLiteral("Verzameling/Oud/1990")})
        setMode(folder.path(path), OpenFolder);

    verifyFailureBox(saveBox, QStringLiteral("Verzameling kon niet worden opgeslagen!"));
    QCOMPARE(closeBoxes, 1);
    verifyFailureBox(closeBox, QStringLiteral("Instellingen konden niet worden opgeslagen!"));
    QCOMPARE(treeWithoutRecovery(folder), treeBefore);
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Oud.col")), collectionBefore);
    QCOMPARE(folder.read(QStringLiteral("Tessaron2.ini")), settingsBefore);
}

void FailuresTest::aVanishedOrReplacedCollectionFileOpensEmpty()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Weg"), QStringLiteral("Weg"), sampleRecords(2));
    writeCollection(folder, QStringLiteral("Map"), QStringLiteral("Map"), sampleRecords(2));
    auto main = startMain(folder);

    for (const QString &name : {QStringLiteral("Weg"), QStringLiteral("Map")}) {
        main->collection().startNew(main->collection().name(), sampleRecords(4));
        OpenFile dialog(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
        dialog.show();
        // Between the listing and the click on OK the file goes, or a folder takes its place.
        const QString file = folder.path(QStringLiteral("Verzameling/") + name + QStringLiteral(".col"));
        QVERIFY(QFile::remove(file));
        if (name == QLatin1String("Map"))
            QVERIFY(QDir().mkdir(file));
        select(dialog, name);
        BoxAnswers boxes;
        click(control<VistaButton>(dialog, "OkKnop"));
        QVERIFY(boxes.requests.isEmpty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(main->collection().records().count(), 0);
        QCOMPARE(main->collection().name(), name);
        QCOMPARE(control<QLabel>(*main, "Label2")->text(), QStringLiteral("Verzamelgebied : ") + name);
        QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 0"));
    }
}

void FailuresTest::aHostileCollectionFileReachesNothingOutsideItsFolder()
{
    TestFolder folder;
    // Outside the collection folder: a picture, and the files a careless name would hit.
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(QDir().mkpath(folder.path(QStringLiteral("Buiten/1990"))));
    QVERIFY(picture.save(folder.path(QStringLiteral("Buiten/1990/1.jpg"))));
    folder.write(QStringLiteral("Buiten.col"), "niet van het programma");
    // Inside: a file that is not a picture, where the picture of record 3 belongs.
    folder.write(QStringLiteral("Verzameling/Vreemd/1990/3.jpg"), "geen afbeelding");

    // A real picture inside, for record 4.
    QVERIFY(QDir().mkpath(folder.path(QStringLiteral("Verzameling/Vreemd/1990"))));
    QVERIFY(picture.save(folder.path(QStringLiteral("Verzameling/Vreemd/1990/4.jpg"))));

    // Line 2 leads out of the collection folder; so do the year and the number
    // of record 2 under the file's own name.
    std::vector<StampRecord> records = sampleRecords(4);
    records[0][StampRecord::Year] = QStringLiteral("1990");
    records[0][StampRecord::CatalogueNumber] = QStringLiteral("1");
    records[1][StampRecord::Year] = QStringLiteral("..");
    records[1][StampRecord::CatalogueNumber] = QStringLiteral("../Buiten/1990/1");
    records[2][StampRecord::Year] = QStringLiteral("1990");
    records[2][StampRecord::CatalogueNumber] = QStringLiteral("3");
    records[3][StampRecord::Year] = QStringLiteral("1990");
    records[3][StampRecord::CatalogueNumber] = QStringLiteral("4");
    const QString outside = QStringLiteral("../Buiten");
    writeCollection(folder, QStringLiteral("Vreemd"), outside, records);
    auto main = startMain(folder);
    const QStringList treeBefore = treeWithoutRecovery(folder);
    {
        OpenFile dialog(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
        dialog.show();
        select(dialog, QStringLiteral("Vreemd"));
        click(control<VistaButton>(dialog, "OkKnop"));
    }
    QCOMPARE(main->collection().name(), outside);
    QCOMPARE(main->collection().records().count(), 4);

    // Under the name from the file no picture is shown or printed; under the
    // file's own name only record 4 has one: record 2 leads outside, and the
    // picture of record 3 is no picture.
    const QList<QPair<QString, QList<bool>>> namesAndPictures{
        {outside, {false, false, false, false}},
        {QStringLiteral("Vreemd"), {false, false, false, true}},
    };
    for (const auto &[name, hasPicture] : namesAndPictures) {
        arrangeCollection(main->collection(), name, recordsCopy(main->collection().records().records()));
        const PrintCommand print(folder.folder(), name, main->collection().records().records());
        for (int row = 0; row < 4; ++row) {
            selectRow(*main, row);
            QCOMPARE(!main->viewerPicture().isNull(), hasPicture[row]);
            QCOMPARE(!print.source(row + 1).picture.isNull(), hasPicture[row]);
        }
    }
    arrangeCollection(main->collection(), outside, recordsCopy(main->collection().records().records()));
    // The record sheet prints without a picture.
    QTemporaryDir output;
    const QString pdf = output.filePath(QStringLiteral("blad.pdf"));
    QVERIFY(PrintCommand(folder.folder(), outside, main->collection().records().records())
                .run({"--job", "3", "--pdf", pdf, "--record", "3"}));
    QVERIFY(QFileInfo(pdf).size() > 0);

    // The album page shows no picture from outside.
    QVERIFY(SlideshowPage::exportPage(folder.folder(), outside, true));
    QVERIFY(!folder.read(QStringLiteral("Slideshow.htm")).contains("<img"));
    QVERIFY(QFile::remove(folder.path(QStringLiteral("Slideshow.htm"))));

    // Saving under the name from the file is refused.
    MessageBox::Request box;
    saveExpectingABox(*main, main->collection().name(), box);
    QCOMPARE(box.text, QStringLiteral("Ongeldige naam voor een verzameling!"));
    QCOMPARE(treeWithoutRecovery(folder), treeBefore);
    QCOMPARE(folder.read(QStringLiteral("Buiten.col")), QByteArray("niet van het programma"));
}

void FailuresTest::deletingAPictureFolderRemovesLinksButNotTheirTargets()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("L"), QStringLiteral("L"), sampleRecords(1));
    folder.write(QStringLiteral("Buiten/1990/1.jpg"), "jpeg");
    folder.write(QStringLiteral("Buiten/7.jpg"), "jpeg");
    folder.write(QStringLiteral("Verzameling/L/1991/2.jpg"), "jpeg");
    const auto link = [&](const QString &target, const QString &name) {
        QVERIFY(QFile::link(folder.path(target), folder.path(QStringLiteral("Verzameling/L/") + name)));
    };
    link(QStringLiteral("Buiten/1990"), QStringLiteral("1990"));
    link(QStringLiteral("Buiten/7.jpg"), QStringLiteral("1991/7.jpg"));
    link(QStringLiteral("Verzameling/L"), QStringLiteral("1991/lus"));
    link(QStringLiteral("Buiten/verdwenen"), QStringLiteral("1991/kapot"));
    auto main = startMain(folder);

    OpenFile dialog(main->collection(), OpenFile::Mode::Open, main->panelColour(), main.get());
    dialog.show();
    select(dialog, QStringLiteral("L"));
    BoxAnswers yes({MessageBox::Answer::Yes});
    click(control<VistaButton>(dialog, "DelKnop"));
    QCOMPARE(yes.requests.size(), 1);
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/L")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/L.col")));
    // The collection file itself is kept as a version.
    QCOMPARE(CollectionVersions(folder.folder()).versions(QStringLiteral("L")).size(), size_t(1));
    QStringList tree = treeOf(folder);
    tree.removeIf(
        [](const QString &path) { return path.startsWith(QStringLiteral("/Verzameling/.versies")); });
    QCOMPARE(tree, QStringList({"/Buiten", "/Buiten/1990", "/Buiten/1990/1.jpg", "/Buiten/7.jpg", "/Data",
                                "/Tessaron2.ini", "/Verzameling"}));
}

QTEST_MAIN(FailuresTest)
#include "tst_failures.moc"
