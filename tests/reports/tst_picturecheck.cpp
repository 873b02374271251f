#include "common/TestFolder.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "mainwindow/WindowFixture.h"
#include "reports/PictureCheck.h"
#include "reports/PictureCheckDialog.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

namespace {

// Records 0 and 1 have their picture (the second under another letter case);
// record 2's picture lies in the wrong year folder; record 3 has no number;
// record 4's picture has the wrong extension; record 5 has no file at all.
std::vector<StampRecord> checkRecords()
{
    return {
        makeRecord({"1852", "1"}), makeRecord({"1852", "2"}), makeRecord({"1853", "12a"}),
        makeRecord({"1860", " "}), makeRecord({"1867", "5"}), makeRecord({"1870", "12A"}),
    };
}

struct CheckFixture {
    CheckFixture()
    {
        writeCollection(folder, QStringLiteral("Nederland"), checkRecords());
        const QImage picture = twoColourPicture(QSize(40, 30), Qt::red, Qt::blue);
        for (const char *file : {"1852/1.jpg", "1852/2.JPG", "1854/12A.jpg", "1867/5.jpeg"})
            writePicture(folder, QStringLiteral("Verzameling/Nederland/") + QLatin1String(file), picture);
        folder.write(QStringLiteral("Verzameling/Nederland/1852/notities.txt"), "geen afbeelding\r\n");
        list.assign(checkRecords());
    }

    TestFolder folder;
    RecordList list;
};

QStringList missingLines(const PictureCheck &check)
{
    QStringList lines;
    for (const PictureCheck::MissingPicture &missing : check.missing)
        lines.append(QStringLiteral("%1:%2/%3").arg(missing.row).arg(missing.year, missing.catalogueNumber));
    return lines;
}

QStringList unusedLines(const PictureCheck &check)
{
    QStringList lines;
    for (const PictureCheck::UnusedFile &unused : check.unused)
        lines.append(unused.relativePath + QLatin1Char(':') + QString::number(unused.likelyRow));
    return lines;
}

} // namespace

class PictureCheckTest : public QObject {
    Q_OBJECT

private slots:
    void findsMissingPicturesAndUnusedFiles();
    void withoutPictureFolderEveryPictureIsMissing();
    void menuOpensTheCheckAndDoubleClickSelects();
    void choosingARecordLeavesTheViewer();
};

void PictureCheckTest::findsMissingPicturesAndUnusedFiles()
{
    CheckFixture fixture;
    const PictureCheck check =
        PictureCheck::run(fixture.folder.folder(), QStringLiteral("Nederland"), fixture.list);
    QCOMPARE(missingLines(check), QStringList({"2:1853/12a", "4:1867/5", "5:1870/12A"}));
    // A file in the wrong year points at the first record with its number that
    // misses its picture; a file no number names points at none.
    QCOMPARE(unusedLines(check), QStringList({"1852/notities.txt:-1", "1854/12A.jpg:2", "1867/5.jpeg:4"}));

    // The collection name is matched as the window matches it, letter case ignored.
    const PictureCheck lowerCase =
        PictureCheck::run(fixture.folder.folder(), QStringLiteral("nederland"), fixture.list);
    QCOMPARE(missingLines(lowerCase), missingLines(check));
    QCOMPARE(unusedLines(lowerCase), unusedLines(check));

    // A record whose texts lead out of its year folder finds no picture there,
    // as in the window, even where the path they spell names a file.
    RecordList hostile;
    hostile.assign({makeRecord({"..", "1852/1"}), makeRecord({"1852", "../1852/1"})});
    const PictureCheck outside =
        PictureCheck::run(fixture.folder.folder(), QStringLiteral("Nederland"), hostile);
    QCOMPARE(missingLines(outside), QStringList({"0:../1852/1", "1:1852/../1852/1"}));
}

void PictureCheckTest::withoutPictureFolderEveryPictureIsMissing()
{
    CheckFixture fixture;
    // No picture folder, no name, a name pointing outside the collection folder:
    // the files of the collection folder itself are never reported.
    for (const QString &name : {QStringLiteral("Belgie"), QString(), QStringLiteral("../Verzameling")}) {
        const PictureCheck check = PictureCheck::run(fixture.folder.folder(), name, fixture.list);
        QCOMPARE(missingLines(check),
                 QStringList({"0:1852/1", "1:1852/2", "2:1853/12a", "4:1867/5", "5:1870/12A"}));
        QVERIFY(check.unused.empty());
    }
}

void PictureCheckTest::menuOpensTheCheckAndDoubleClickSelects()
{
    CheckFixture fixture;
    auto window = startWindow(fixture.folder);
    openCollection(*window, QStringLiteral("Nederland"));

    QStringList lines;
    QString counts;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<PictureCheckDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const auto closeDialog = qScopeGuard([dialog] { dialog->accept(); });
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        counts = control<QLabel>(*dialog, "Label1")->text();
        QListWidget *list = control<QListWidget>(*dialog, "List1");
        for (int line = 0; line < list->count(); ++line)
            lines.append(list->item(line)->text());

        // A missing picture selects its record and shows it in the panel.
        const auto doubleClick = [list](int line) {
            const QRect box = list->visualItemRect(list->item(line));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, box.center());
        };
        doubleClick(1);
        QCOMPARE(window->selectedRow(), 4);
        QCOMPARE(control<DetailPanel>(*window, "Frame1")->recordInFields()[StampRecord::Year],
                 QStringLiteral("1867"));
        // A file in the wrong year selects the record it likely belongs to; one
        // that belongs to none leaves the selection.
        doubleClick(4);
        QCOMPARE(window->selectedRow(), 2);
        doubleClick(3);
        QCOMPARE(window->selectedRow(), 2);
    });
    window->findChild<QAction *>(QStringLiteral("ToolsPictureCheck"))->trigger();

    QCOMPARE(counts, QStringLiteral("Ontbrekende afbeeldingen : 3        Niet gebruikte bestanden : 3"));
    QCOMPARE(lines,
             QStringList({"Ontbrekende afbeelding : 1853 / 12a", "Ontbrekende afbeelding : 1867 / 5",
                          "Ontbrekende afbeelding : 1870 / 12A", "Niet gebruikt bestand : 1852/notities.txt",
                          "Niet gebruikt bestand : 1854/12A.jpg   (record 1853 / 12a?)",
                          "Niet gebruikt bestand : 1867/5.jpeg   (record 1867 / 5?)"}));
}

// Choosing a record without a picture while the viewer shows must not leave the
// viewer up with its Exit button disabled: the window returns to the list first.
void PictureCheckTest::choosingARecordLeavesTheViewer()
{
    CheckFixture fixture;
    auto window = startWindow(fixture.folder);
    openCollection(*window, QStringLiteral("Nederland"));
    auto *show = window->findChild<VistaButton *>(QStringLiteral("ShowKnop"));
    clickRow(*window, 0);
    clickButton(show);
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Frame5"))->isVisible());

    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<PictureCheckDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const auto closeDialog = qScopeGuard([dialog] { dialog->accept(); });
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QListWidget *list = control<QListWidget>(*dialog, "List1");
        const QRect box = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, box.center());
    });
    window->findChild<QAction *>(QStringLiteral("ToolsPictureCheck"))->trigger();

    QCOMPARE(window->selectedRow(), 4);
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Frame2"))->isVisible());
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("Frame5"))->isVisible());
    QCOMPARE(show->caption(), QStringLiteral("Show"));
    QVERIFY(!show->isEnabled());
    QVERIFY(window->findChild<VistaButton *>(QStringLiteral("AddKnop"))->isEnabled());
}

QTEST_MAIN(PictureCheckTest)
#include "tst_picturecheck.moc"
