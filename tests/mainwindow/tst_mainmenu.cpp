#include "common/CollectionState.h"
#include "common/PdfReadback.h"
#include "common/TestFolder.h"
#include "dialogs/AboutForm.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/OpenFile.h"
#include "dialogs/SaveForm.h"
#include "listeditor/EditData.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "printing/dialog/Afdrukken.h"
#include "printing/dialog/CurrentPrinter.h"
#include "storage/formats/CollectionFile.h"
#include "widgets/BusyGuard.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include "widgets/RecordListView.h"
#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

// Takes the place of the desktop's programs: notes what it was asked to open
// and whether the main window was busy then.
class DesktopStandIn : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;
    QWidget *window = nullptr;
    QAction *saveItem = nullptr; // tried while the window is busy
    bool busyWhileOpening = false;
    bool closedWhileBusy = true;

public slots:
    void open(const QUrl &url)
    {
        opened.append(url);
        if (!window)
            return;
        busyWhileOpening = BusyGuard::isBusy(window);
        closedWhileBusy = window->close();
        saveItem->trigger();
    }
};

class MainMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void menusHoldTheirItemsInOrder();
    void saveWithoutRowsOpensNoDialog();
    void dialogsOpenInTheirMode();
    void helpAndWebPagesAreHandedToTheDesktop();
    void webPageExportKeepsTheWindowBusy();
    void exitClosesTheWindowAfterItsQuestion();
    void languageChoiceIsKeptForTheNextStart();
    void typicalRun();

private:
    DesktopStandIn m_desktop;
};

void MainMenuTest::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_desktop, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_desktop, "open");
}

void MainMenuTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void MainMenuTest::menusHoldTheirItemsInOrder()
{
    TestFolder folder;
    auto main = startMain(folder);
    const QList<QAction *> menus = main->menuBar()->actions();
    QCOMPARE(menus.size(), 3);

    const QList<QPair<QString, QStringList>> expected{
        {QStringLiteral("File"),
         {"FileNew:Nieuw", "FileOpen:Openen", "FileSave:Opslaan", "fileStreep1:", "FilePrint:Afdrukken",
          "FileStreep2:", "FileImport:Importeren Oude Data",
          "FileStreep4:", "FileExportCsv:Exporteren naar CSV", "FileImportCsv:Importeren uit CSV",
          "FileImportTellico:Importeren uit Tellico...", "FileImportColnect:Importeren uit Colnect...",
          "FileVersions:Vorige versies...", "FileStreep3:", "FileExit:Exit"}},
        {QStringLiteral("Tools"),
         {"TooleWebpage:Webpage Ontwerpen", "ToolsDataEdit:Data Bewerken",
          "ToolsPictureCheck:Afbeeldingen controleren", "ToolsSearch:Zoeken", "ToolsStatistics:Statistiek",
          "ToolsPictureStreep:", "ToolsPictureAdd:Afbeelding toevoegen...",
          "ToolsPicturePaste:Afbeelding plakken", "ToolsPictureImport:Afbeeldingen importeren...",
          "ToolsStreepHistory:", "ToolsUndo:Ongedaan maken", "ToolsRedo:Opnieuw", "ToolsListsStreep:",
          "ToolsWantList:Mancolijst...", "ToolsTradeList:Dubbelen...", "ToolsCatalogue:Catalogusnummers..."}},
        {QStringLiteral("Help"),
         {"HelpHelp:Help", "HelpStreep1:", "HelpMeerSoftware:Meer Software", "HelpDownloads:Downloads",
          "HelpStreepAbout:", "HelpAbout:Over Tessaron2...", "HelpStreepTaal:", "HelpTaal:Taal"}},
    };
    for (int index = 0; index < menus.size(); ++index) {
        QMenu *menu = menus[index]->menu();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), expected[index].first);
        QCOMPARE(menu->title(), expected[index].first);
        QStringList items;
        for (QAction *item : menu->actions()) {
            QCOMPARE(item->isSeparator(), item->text().isEmpty());
            // Only the search bar, the picture paste and undo and redo, added
            // after the original items, have a shortcut.
            const QString name = item->objectName();
            QCOMPARE(item->shortcut(),
                     name == QLatin1String("ToolsSearch")         ? QKeySequence(Qt::CTRL | Qt::Key_F)
                     : name == QLatin1String("ToolsPicturePaste") ? QKeySequence(Qt::CTRL | Qt::Key_V)
                     : name == QLatin1String("ToolsUndo")         ? QKeySequence(Qt::CTRL | Qt::Key_Z)
                     : name == QLatin1String("ToolsRedo")         ? QKeySequence(Qt::CTRL | Qt::Key_Y)
                                                                  : QKeySequence());
            QVERIFY(!item->text().contains(QLatin1Char('&')));
            items.append(item->objectName() + QLatin1Char(':') + item->text());
        }
        QCOMPARE(items, expected[index].second);
    }
}

void MainMenuTest::languageChoiceIsKeptForTheNextStart()
{
    TestFolder folder;
    auto main = startMain(folder);
    QAction *dutch = menuItem(*main, "HelpTaal_nl");
    QAction *german = menuItem(*main, "HelpTaal_de");
    QVERIFY(dutch && german && menuItem(*main, "HelpTaal_en"));
    QCOMPARE(dutch->text(), QStringLiteral("Nederlands"));
    QVERIFY(dutch->isChecked());
    QVERIFY(!QFile::exists(folder.folder().languageFile()));

    german->trigger();
    QVERIFY(german->isChecked() && !dutch->isChecked());
    QFile kept(folder.folder().languageFile());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("de\r\n"));
    // The window keeps the language it started with.
    QCOMPARE(menuItem(*main, "HelpTaal")->text(), QStringLiteral("Taal"));

    main->showInterfaceLanguage(QStringLiteral("en"));
    QVERIFY(menuItem(*main, "HelpTaal_en")->isChecked());
}

void MainMenuTest::saveWithoutRowsOpensNoDialog()
{
    TestFolder folder;
    auto main = startMain(folder);
    BoxAnswers boxes;
    QVERIFY(!withModalDialog(menuItem(*main, "FileSave"), [](QWidget *) {}));
    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text, QStringLiteral("Geen gegevens in de lijst!"));
    QCOMPARE(boxes.requests[0].caption, QStringLiteral("Tessaron2"));
    QCOMPARE(boxes.requests[0].buttons, MessageBox::Buttons::Ok);
    QCOMPARE(boxes.requests[0].icon, MessageBox::Icon::None);

    // With a row, the save dialog opens showing the collection's name.
    arrangeCollection(main->collection(), QStringLiteral("Eén"), {sampleRecord(1)});
    QString shownName;
    QVERIFY(withModalDialog(menuItem(*main, "FileSave"), [&](QWidget *dialog) {
        auto *save = qobject_cast<SaveForm *>(dialog);
        QVERIFY(save);
        shownName = control<QLineEdit>(*save, "Text1")->text();
    }));
    QCOMPARE(shownName, QStringLiteral("Eén"));
    QCOMPARE(boxes.requests.size(), 1);
}

void MainMenuTest::dialogsOpenInTheirMode()
{
    TestFolder folder;
    auto main = startMain(folder);
    for (const auto &[item, mode, caption] :
         {std::tuple{"FileOpen", true, QStringLiteral("Open Verzameling")},
          std::tuple{"FileImport", false, QStringLiteral("Oude Data Importeren")},
          std::tuple{"FileOpen", true, QStringLiteral("Open Verzameling")}}) {
        bool modeSeen = !mode;
        QString captionSeen;
        QVERIFY(withModalDialog(menuItem(*main, item), [&](QWidget *dialog) {
            auto *open = qobject_cast<OpenFile *>(dialog);
            QVERIFY(open);
            modeSeen = open->mode() == OpenFile::Mode::Open;
            captionSeen = dialog->windowTitle();
        }));
        QCOMPARE(modeSeen, mode);
        QCOMPARE(captionSeen, caption);
    }

    QVERIFY(withModalDialog(menuItem(*main, "ToolsDataEdit"),
                            [](QWidget *dialog) { QVERIFY(qobject_cast<EditData *>(dialog)); }));
}

void MainMenuTest::helpAndWebPagesAreHandedToTheDesktop()
{
    TestFolder folder;
    auto main = startMain(folder);
    m_desktop.opened.clear();
    m_desktop.window = nullptr;
    // The desktop's answer to which program opens PDF files: at first none.
    const QByteArray path = qgetenv("PATH");
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(folder.path(QStringLiteral("bin"))) + ':' + path);
    const auto pdfProgram = [&](const QByteArray &answer) {
        folder.write(QStringLiteral("bin/xdg-mime"), "#!/bin/sh\necho " + answer + "\n");
        QVERIFY(QFile::setPermissions(folder.path(QStringLiteral("bin/xdg-mime")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    };
    pdfProgram(QByteArray());

    // No help document: nothing opens, nothing is said.
    BoxAnswers boxes;
    menuItem(*main, "HelpHelp")->trigger();
    QVERIFY(m_desktop.opened.isEmpty());
    QCOMPARE(boxes.requests.size(), 0);

    // No program for it: said, with where the document is.
    folder.write(QStringLiteral("Data/Help.PDF"), "%PDF-1.4");
    menuItem(*main, "HelpHelp")->trigger();
    QVERIFY(m_desktop.opened.isEmpty());
    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text, QStringLiteral("Er is geen programma ingesteld om PDF-bestanden te "
                                                    "openen.\r\nDe help staat in: ") +
                                         folder.path(QStringLiteral("Data/Help.PDF")));
    QCOMPARE(boxes.requests[0].icon, MessageBox::Icon::Information);

    pdfProgram("viewer.desktop");
    menuItem(*main, "HelpHelp")->trigger();
    QCOMPARE(m_desktop.opened.size(), 1);
    QCOMPARE(m_desktop.opened[0], QUrl::fromLocalFile(folder.path(QStringLiteral("Data/Help.PDF"))));
    // F1 opens it from the main window and from a dialog, the About window here,
    // which names the version, the folders in use and the help document.
    QTest::keyClick(main.get(), Qt::Key_F1);
    QCOMPARE(m_desktop.opened.size(), 2);
    QVERIFY(withModalDialog(menuItem(*main, "HelpAbout"), [&](QWidget *dialog) {
        auto *about = qobject_cast<AboutForm *>(dialog);
        QCOMPARE(about->windowTitle(), QStringLiteral("Over Tessaron2"));
        QCOMPARE(control<QLabel>(*about, "Label1")->text(),
                 QStringLiteral("Tessaron2 Zegelarchief " T2_VERSION));
        QVERIFY(control<QLabel>(*about, "Label2")->text().startsWith(QStringLiteral("Licentie : ")));
        const auto *Label3 = control<QLabel>(*about, "Label3");
        QVERIFY(Label3->text().contains(QStringLiteral("Programmamap : ") + folder.path(QString())));
        QVERIFY(Label3->text().contains(QStringLiteral("Help : ") +
                                        folder.path(QStringLiteral("Data/Help.PDF"))));
        auto *OkKnop = control<VistaButton>(*about, "OkKnop");
        QTest::keyClick(OkKnop, Qt::Key_F1);
        QCOMPARE(m_desktop.opened.size(), 3);
        QTest::keyClick(OkKnop, Qt::Key_Return);
        QVERIFY(!about->isVisible());
    }));

    menuItem(*main, "HelpMeerSoftware")->trigger();
    menuItem(*main, "HelpDownloads")->trigger();
    QCOMPARE(m_desktop.opened.size(), 5);
    for (const QUrl &page : {m_desktop.opened[3], m_desktop.opened[4]}) {
        QCOMPARE(page.scheme(), QStringLiteral("https"));
        QCOMPARE(page.host(), QStringLiteral("example.org"));
    }
    QVERIFY(m_desktop.opened[3] != m_desktop.opened[4]);

    // Each language takes its own help; a missing one gives way to the
    // English help, and that to the Dutch.
    const QString english = folder.path(QStringLiteral("Data/help.en.pdf"));
    const QString german = folder.path(QStringLiteral("Data/help.de.pdf"));
    const auto helpOpened = [&](const char *language) {
        main->showInterfaceLanguage(QString::fromLatin1(language));
        menuItem(*main, "HelpHelp")->trigger();
        return m_desktop.opened.last().toLocalFile();
    };
    QCOMPARE(helpOpened("de"), folder.path(QStringLiteral("Data/Help.PDF")));
    folder.write(QStringLiteral("Data/help.en.pdf"), "%PDF-1.4");
    QCOMPARE(helpOpened("de"), english);
    folder.write(QStringLiteral("Data/help.de.pdf"), "%PDF-1.4");
    QCOMPARE(helpOpened("de"), german);
    QVERIFY(withModalDialog(menuItem(*main, "HelpAbout"), [&](QWidget *dialog) {
        QVERIFY(control<QLabel>(*dialog, "Label3")->text().endsWith(QStringLiteral("Help : ") + german));
        dialog->close();
    }));
    QCOMPARE(helpOpened("en"), english);
    QCOMPARE(helpOpened("nl"), folder.path(QStringLiteral("Data/Help.PDF")));
    QCOMPARE(boxes.requests.size(), 1);
}

void MainMenuTest::webPageExportKeepsTheWindowBusy()
{
    TestFolder folder;
    auto main = startMain(folder);
    arrangeCollection(main->collection(), QStringLiteral("Album"), {});
    m_desktop.opened.clear();
    m_desktop.window = main.get();
    m_desktop.saveItem = menuItem(*main, "FileSave");
    // With no rows, a save command that ran would say so.
    BoxAnswers boxes;

    menuItem(*main, "TooleWebpage")->trigger();
    m_desktop.window = nullptr;

    QCOMPARE(m_desktop.opened.size(), 1);
    QCOMPARE(m_desktop.opened[0], QUrl::fromLocalFile(folder.folder().slideshowPage()));
    QVERIFY(folder.exists(QStringLiteral("Slideshow.htm")));
    QVERIFY(m_desktop.busyWhileOpening);
    QVERIFY(!m_desktop.closedWhileBusy);
    QVERIFY(main->isVisible());
    QVERIFY(!BusyGuard::isBusy(main.get()));
    QCOMPARE(boxes.requests.size(), 0);
    // Free again: the command runs.
    menuItem(*main, "FileSave")->trigger();
    QCOMPARE(boxes.requests.size(), 1);
}

void MainMenuTest::exitClosesTheWindowAfterItsQuestion()
{
    TestFolder folder;
    auto main = startMain(folder);
    main->collection().markChangedWithoutEdit();
    {
        BoxAnswers no({MessageBox::Answer::No});
        menuItem(*main, "FileExit")->trigger();
        QCOMPARE(no.requests.size(), 1);
    }
    QVERIFY(main->isVisible());

    clearUnsavedChanges(main->collection());
    BoxAnswers boxes;
    menuItem(*main, "FileExit")->trigger();
    QCOMPARE(boxes.requests.size(), 0);
    QVERIFY(!main->isVisible());
}

// Open a collection through the menu, pick a row, change it, save through the
// menu and leave the program.
void MainMenuTest::typicalRun()
{
    TestFolder folder;
    const std::vector<StampRecord> records = sampleRecords(3);
    writeCollection(folder, QStringLiteral("Nederland"), QStringLiteral("Nederland"), records);
    writeCollection(folder, QStringLiteral("Belgie"), QStringLiteral("Belgie"), sampleRecords(1));
    auto main = startMain(folder);
    // Written again by the exit.
    QVERIFY(QFile::remove(folder.path(QStringLiteral("Tessaron2.ini"))));
    BoxAnswers boxes;

    QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 0"));
    QVERIFY(withModalDialog(menuItem(*main, "FileOpen"), [](QWidget *dialog) {
        auto *open = qobject_cast<OpenFile *>(dialog);
        QVERIFY(open);
        auto *list = control<QListWidget>(*open, "List1");
        QListWidgetItem *item = list->findItems(QStringLiteral("Nederland"), Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        click(control<VistaButton>(*open, "OkKnop"));
    }));
    QCOMPARE(main->collection().name(), QStringLiteral("Nederland"));
    QCOMPARE(control<QLabel>(*main, "Label2")->text(), QStringLiteral("Verzamelgebied : Nederland"));
    QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 3"));
    QCOMPARE(recordsCopy(main->collection().records().records()), records);
    QVERIFY(!main->collection().unsavedChanges());

    // Pick the second row, change its subject in the panel and apply it.
    RecordListView *list = control<RecordListView>(*main, "ListView1");
    const QModelIndex second = main->collection().records().index(1, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(second).center());
    QCOMPARE(list->currentIndex().row(), 1);
    control<QLineEdit>(*main, "Text2")->clear();
    QTest::keyClicks(control<QLineEdit>(*main, "Text2"), QStringLiteral("Gewijzigd"));
    control<QLineEdit>(*main, "Text7")->clear();
    QTest::keyClicks(control<QLineEdit>(*main, "Text7"), QStringLiteral("77,70"));
    click(control<VistaButton>(*main, "WijzigKnop"));
    QVERIFY(main->collection().unsavedChanges());
    std::vector<StampRecord> changed = records;
    changed[1][StampRecord::Subject] = QStringLiteral("Gewijzigd");
    changed[1][StampRecord::OwnPrice] = QStringLiteral("77,70");
    QCOMPARE(recordsCopy(main->collection().records().records()), changed);

    // A click on the year header sorts; the second click sorts the other way.
    const QPoint yearHeader(list->header()->sectionViewportPosition(0) + 5, list->header()->height() / 2);
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, yearHeader);
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, yearHeader);
    QCOMPARE(control<QLabel>(*main, "Label10")->text(), QStringLiteral("Gesorteerd op : Jaartal"));
    std::stable_sort(changed.begin(), changed.end(), [](const StampRecord &a, const StampRecord &b) {
        return a[StampRecord::Year] > b[StampRecord::Year];
    });
    QCOMPARE(recordsCopy(main->collection().records().records()), changed);

    QVERIFY(withModalDialog(menuItem(*main, "FileSave"), [](QWidget *dialog) {
        auto *save = qobject_cast<SaveForm *>(dialog);
        QVERIFY(save);
        QCOMPARE(control<QLineEdit>(*save, "Text1")->text(), QStringLiteral("Nederland"));
        click(control<VistaButton>(*save, "SaveKnop"));
        QVERIFY(!save->isVisible());
    }));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nederland.col")),
             CollectionFile::serialize(QStringLiteral("Nederland"), changed));
    QVERIFY(folder.exists(QStringLiteral("Verzameling/Nederland")));
    QVERIFY(!main->collection().unsavedChanges());

    // The price list of the rows in their current order, to a PDF file. The
    // modal dialog reads the window's own list, no copy of it.
    QCOMPARE(main->printSource().records().data(), main->collection().records().records().data());
    CurrentPrinter::select(CurrentPrinter::choices().size() - 1);
    const QString pdf = folder.path(QStringLiteral("prijslijst.pdf"));
    QVERIFY(withModalDialog(menuItem(*main, "FilePrint"), [&pdf](QWidget *dialog) {
        auto *print = qobject_cast<Afdrukken *>(dialog);
        QVERIFY(print);
        print->askPdfFile = [&pdf](QWidget *) { return pdf; };
        control<QScrollBar>(*print, "VScroll1")->setValue(2);
        click(control<VistaButton>(*print, "PrintKnop"));
        QVERIFY(!print->isVisible());
    }));
    const PdfReadback printed(pdf);
    QVERIFY2(printed.ok(), qPrintable(printed.error()));
    QCOMPARE(printed.find(0, QStringLiteral("77,70")).size(), size_t(1));

    menuItem(*main, "FileExit")->trigger();
    QVERIFY(!main->isVisible());
    QVERIFY(folder.exists(QStringLiteral("Tessaron2.ini")));
    // Saving under its own name asked nothing; neither did the exit.
    QCOMPARE(boxes.requests.size(), 0);
}

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
