#pragma once

#include "dialogs/OpenFile.h"

#include <QObject>

class Main;
class QAction;
class QMenu;

// The main window's menu bar: File, Tools and Help. Each command opens a dialog,
// runs one operation or hands a document to the desktop. No item has an access
// key; only "Zoeken" (Ctrl+F) and "Afbeelding plakken" (Ctrl+V) have a shortcut.
class MainMenu : public QObject {
    Q_OBJECT

public:
    explicit MainMenu(Main &main);

private:
    QMenu *addMenu(const char *name, const QString &caption);
    // An item whose command is ignored while the main window is busy.
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, void (MainMenu::*command)());
    QAction *addSeparator(QMenu *menu, const char *name);

    void FileNew_Click();
    void FileOpen_Click();
    void FileSave_Click();
    void FileImport_Click();
    void FilePrint_Click();
    void FileExit_Click();
    void FileExportCsv_Click();
    void FileImportCsv_Click();
    void FileImportTellico_Click();
    void FileVersions_Click();
    void TooleWebpage_Click();
    void ToolsDataEdit_Click();
    void HelpHelp_Click();
    void HelpMeerSoftware_Click();
    void HelpDownloads_Click();
    void showOpenDialog(OpenFile::Mode mode);
    void ToolsPictureCheck_Click();
    void ToolsSearch_Click();
    void ToolsStatistics_Click();
    void ToolsPictureAdd_Click();
    void ToolsPicturePaste_Click();
    void ToolsPictureImport_Click();
    void ToolsWantList_Click();
    void ToolsTradeList_Click();

    Main &m_main;
};
