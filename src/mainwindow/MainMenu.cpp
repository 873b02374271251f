#include "mainwindow/MainMenu.h"

#include "album/ExportSlideshow.h"
#include "dialogs/CsvMenuCommands.h"
#include "dialogs/NieuwForm.h"
#include "dialogs/OpenFile.h"
#include "dialogs/SaveForm.h"
#include "dialogs/TellicoMenuCommand.h"
#include "dialogs/VersionsForm.h"
#include "extras/PictureCheckDialog.h"
#include "extras/StatisticsDialog.h"
#include "extras/TradeListDialog.h"
#include "extras/WantListDialog.h"
#include "listeditor/EditData.h"
#include "mainwindow/HistoryCommands.h"
#include "mainwindow/Main.h"
#include "mainwindow/MakerPages.h"
#include "mainwindow/PictureCommands.h"
#include "printing/dialog/Afdrukken.h"
#include "storage/FileHelpers.h"
#include "storage/ShellOpen.h"
#include "widgets/BusyGuard.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(Main &main)
    : QObject(&main)
    , m_main(main)
{
    setObjectName(QStringLiteral("MainMenu"));

    QMenu *file = addMenu("File", QStringLiteral("File"));
    addItem(file, "FileNew", QStringLiteral("Nieuw"), &MainMenu::FileNew_Click);
    addItem(file, "FileOpen", QStringLiteral("Openen"), &MainMenu::FileOpen_Click);
    addItem(file, "FileSave", QStringLiteral("Opslaan"), &MainMenu::FileSave_Click);
    addSeparator(file, "fileStreep1");
    addItem(file, "FilePrint", QStringLiteral("Afdrukken"), &MainMenu::FilePrint_Click);
    addSeparator(file, "FileStreep2");
    addItem(file, "FileImport", QStringLiteral("Importeren Oude Data"), &MainMenu::FileImport_Click);
    // Commands added to File stand in a group of their own above the separator
    // before "Exit", which stays the last item.
    addSeparator(file, "FileStreep4");
    addItem(file, "FileExportCsv", QStringLiteral("Exporteren naar CSV"), &MainMenu::FileExportCsv_Click);
    addItem(file, "FileImportCsv", QStringLiteral("Importeren uit CSV"), &MainMenu::FileImportCsv_Click);
    addItem(file, "FileImportTellico", QStringLiteral("Importeren uit Tellico..."),
            &MainMenu::FileImportTellico_Click);
    addItem(file, "FileVersions", QStringLiteral("Vorige versies..."), &MainMenu::FileVersions_Click);
    addSeparator(file, "FileStreep3");
    addItem(file, "FileExit", QStringLiteral("Exit"), &MainMenu::FileExit_Click);

    QMenu *tools = addMenu("Tools", QStringLiteral("Tools"));
    addItem(tools, "TooleWebpage", QStringLiteral("Webpage Ontwerpen"), &MainMenu::TooleWebpage_Click);
    addItem(tools, "ToolsDataEdit", QStringLiteral("Data Bewerken"), &MainMenu::ToolsDataEdit_Click);
    // Tools beyond the usual, after the items that were there.
    addItem(tools, "ToolsPictureCheck", QStringLiteral("Afbeeldingen controleren"),
            &MainMenu::ToolsPictureCheck_Click);
    addItem(tools, "ToolsSearch", QStringLiteral("Zoeken"), &MainMenu::ToolsSearch_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    addItem(tools, "ToolsStatistics", QStringLiteral("Statistiek"), &MainMenu::ToolsStatistics_Click);
    addItem(tools, "ToolsPictureAdd", QStringLiteral("Afbeelding toevoegen..."),
            &MainMenu::ToolsPictureAdd_Click);
    // A text field with the focus keeps Ctrl+V for its own paste.
    addItem(tools, "ToolsPicturePaste", QStringLiteral("Afbeelding plakken"),
            &MainMenu::ToolsPicturePaste_Click)
        ->setShortcut(QKeySequence::Paste);
    addItem(tools, "ToolsPictureImport", QStringLiteral("Afbeeldingen importeren..."),
            &MainMenu::ToolsPictureImport_Click);
    addSeparator(tools, "ToolsStreepHistory");
    tools->addAction(main.historyCommands().undoAction());
    tools->addAction(main.historyCommands().redoAction());
    addSeparator(tools, "ToolsListsStreep");
    addItem(tools, "ToolsWantList", QStringLiteral("Mancolijst..."), &MainMenu::ToolsWantList_Click);
    addItem(tools, "ToolsTradeList", QStringLiteral("Dubbelen..."), &MainMenu::ToolsTradeList_Click);

    QMenu *help = addMenu("Help", QStringLiteral("Help"));
    addItem(help, "HelpHelp", QStringLiteral("Help"), &MainMenu::HelpHelp_Click);
    addSeparator(help, "HelpStreep1");
    addItem(help, "HelpMeerSoftware", QStringLiteral("Meer Software"), &MainMenu::HelpMeerSoftware_Click);
    addItem(help, "HelpDownloads", QStringLiteral("Downloads"), &MainMenu::HelpDownloads_Click);

    // F10 opens the first menu on every desktop style; the arrow keys go on from there.
    auto *menuKey = new QAction(&m_main);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    m_main.addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] {
        QMenuBar *bar = m_main.menuBar();
        bar->setActiveAction(bar->actions().constFirst());
    });
}

QMenu *MainMenu::addMenu(const char *name, const QString &caption)
{
    QMenu *menu = m_main.menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *MainMenu::addItem(QMenu *menu, const char *name, const QString &caption, void (MainMenu::*command)())
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, [this, command] {
        if (!BusyGuard::isBusy(&m_main))
            (this->*command)();
    });
    return item;
}

QAction *MainMenu::addSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

void MainMenu::FileNew_Click()
{
    NieuwForm(m_main.collection(), &m_main).exec();
}

void MainMenu::FileOpen_Click()
{
    showOpenDialog(OpenFile::Mode::Open);
}

void MainMenu::FileImport_Click()
{
    showOpenDialog(OpenFile::Mode::ImportOldData);
}

void MainMenu::showOpenDialog(OpenFile::Mode mode)
{
    OpenFile(m_main.collection(), mode, m_main.panelColour(), &m_main).exec();
}

void MainMenu::FileSave_Click()
{
    if (m_main.collection().records().count() == 0) {
        MessageBox::show(&m_main, QStringLiteral("Geen gegevens in de lijst!"));
        return;
    }
    SaveForm(m_main.collection(), m_main.fieldColour(), &m_main).exec();
}

void MainMenu::FilePrint_Click()
{
    Afdrukken(m_main.printSource(), m_main.programFolder(), &m_main).exec();
}

void MainMenu::FileExit_Click()
{
    m_main.close();
}

void MainMenu::FileExportCsv_Click()
{
    CsvMenuCommands::exportList(m_main.collection(), &m_main);
}

void MainMenu::FileImportCsv_Click()
{
    CsvMenuCommands::importList(m_main.collection(), m_main.panelColour(), m_main.fieldColour(), &m_main);
}

void MainMenu::FileImportTellico_Click()
{
    TellicoMenuCommand(m_main.collection(), m_main.panelColour(), m_main.fieldColour(), &m_main);
}

void MainMenu::FileVersions_Click()
{
    VersionsForm(m_main.collection(), m_main.panelColour(), &m_main).exec();
}

void MainMenu::TooleWebpage_Click()
{
    // The export keeps events flowing while it waits; the menu and the close
    // box wait for it.
    const BusyGuard busy(&m_main);
    const OpenCollection &collection = m_main.collection();
    ExportSlideshow(collection.programFolder(), collection.name(), collection.records().count(), &m_main);
}

void MainMenu::ToolsDataEdit_Click()
{
    EditData(m_main.programFolder(), &m_main).exec();
}

void MainMenu::HelpHelp_Click()
{
    const QString helpFile = m_main.programFolder().dataFile(QStringLiteral("help.pdf"));
    if (FileExists(helpFile))
        ShellOpen(&m_main, helpFile);
}

void MainMenu::HelpMeerSoftware_Click()
{
    ShellOpen(&m_main, MakerPages::MoreSoftware);
}

void MainMenu::HelpDownloads_Click()
{
    ShellOpen(&m_main, MakerPages::Downloads);
}

void MainMenu::ToolsPictureCheck_Click()
{
    PictureCheckDialog dialog(m_main.collection(), &m_main);
    connect(&dialog, &PictureCheckDialog::recordPicked, &m_main, &Main::selectRecord);
    connect(&dialog, &PictureCheckDialog::pictureWanted, &m_main.pictureCommands(),
            &PictureCommands::addFromFile);
    dialog.exec();
}

void MainMenu::ToolsSearch_Click()
{
    m_main.openFindBar();
}

void MainMenu::ToolsStatistics_Click()
{
    StatisticsDialog(m_main.collection(), &m_main).exec();
}

void MainMenu::ToolsPictureAdd_Click()
{
    m_main.pictureCommands().addFromFile(m_main.selectedRow());
}

void MainMenu::ToolsPicturePaste_Click()
{
    m_main.pictureCommands().paste(m_main.selectedRow());
}

void MainMenu::ToolsPictureImport_Click()
{
    m_main.pictureCommands().importFolder(m_main.panelColour());
}

void MainMenu::ToolsWantList_Click()
{
    WantListDialog(m_main.collection(), &m_main).exec();
}

void MainMenu::ToolsTradeList_Click()
{
    TradeListDialog dialog(m_main.collection(), &m_main);
    connect(&dialog, &TradeListDialog::recordPicked, &m_main, &Main::selectRecord);
    dialog.exec();
}
