#include "mainwindow/MainMenu.h"

#include "mainwindow/HistoryCommands.h"
#include "mainwindow/MainCommands.h"
#include "widgets/ApplicationKey.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *bar, const MainCommands &commands, const HistoryCommands &history,
                   QMenu *languages)
    : QObject(bar)
    , m_bar(bar)
    , m_commands(commands)
{
    setObjectName(QStringLiteral("MainMenu"));

    QMenu *file = addMenu("File", tr("File"));
    addItems(file, {"FileNew", "FileOpen", "FileSave"});
    addSeparator(file, "fileStreep1");
    addItems(file, {"FilePrint"});
    addSeparator(file, "FileStreep2");
    addItems(file, {"FileImport"});
    // Commands added to File stand in a group of their own above the separator
    // before "Exit", which stays the last item.
    addSeparator(file, "FileStreep4");
    addItems(file,
             {"FileExportCsv", "FileImportCsv", "FileImportTellico", "FileImportColnect", "FileVersions"});
    addSeparator(file, "FileStreep3");
    addItems(file, {"FileExit"});

    QMenu *tools = addMenu("Tools", tr("Tools"));
    addItems(tools, {"TooleWebpage", "ToolsDataEdit"});
    // Tools beyond the usual, after the items that were there.
    addItems(tools, {"ToolsPictureCheck", "ToolsSearch", "ToolsStatistics"});
    addSeparator(tools, "ToolsPictureStreep");
    addItems(tools, {"ToolsPictureAdd", "ToolsPicturePaste", "ToolsPictureImport"});
    addSeparator(tools, "ToolsStreepHistory");
    tools->addAction(history.undoAction());
    tools->addAction(history.redoAction());
    addSeparator(tools, "ToolsListsStreep");
    addItems(tools, {"ToolsWantList", "ToolsTradeList", "ToolsCatalogue"});

    QMenu *help = addMenu("Help", tr("Help"));
    addItems(help, {"HelpHelp"});
    addSeparator(help, "HelpStreep1");
    addItems(help, {"HelpMeerSoftware", "HelpDownloads"});
    addSeparator(help, "HelpStreepAbout");
    addItems(help, {"HelpAbout"});
    addSeparator(help, "HelpStreepTaal");
    help->addMenu(languages);

    // F10 opens the first menu on every desktop style; the arrow keys go on from there.
    QWidget *window = bar->window();
    auto *menuKey = new QAction(window);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    window->addAction(menuKey);
    connect(menuKey, &QAction::triggered, this,
            [this] { m_bar->setActiveAction(m_bar->actions().constFirst()); });
    // F1 opens the help from every window; the menu item keeps no shortcut.
    new ApplicationKey(Qt::Key_F1, commands.action("HelpHelp"), this);
}

QMenu *MainMenu::addMenu(const char *name, const QString &caption)
{
    QMenu *menu = m_bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void MainMenu::addItems(QMenu *menu, std::initializer_list<const char *> names)
{
    for (const char *name : names)
        menu->addAction(m_commands.action(name));
}

void MainMenu::addSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}
