#pragma once

#include "dialogs/OpenFile.h"
#include "printing/PrintSource.h"

#include <QObject>

#include <functional>

class OpenCollection;
class PictureCommands;
class QAbstractItemView;
class QAction;
class QWidget;
class SettingsFile;

// The commands of the main window's menus, as actions the window owns (named
// by objectName, "FileNew" to "HelpAbout"). Each opens a dialog, runs one
// operation or hands a document to the desktop, and is ignored while the window
// is busy. No command has an access key; only "Zoeken" (Ctrl+F) and
// "Afbeelding plakken" (Ctrl+V) have a shortcut.
class MainCommands : public QObject {
    Q_OBJECT

public:
    // What the commands work on; all of it lives as long as the window.
    struct Window {
        QWidget *widget;
        OpenCollection &collection;
        // Its colours are read when a dialog opens.
        const SettingsFile &settings;
        PictureCommands &pictures;
        QAbstractItemView *list;
        std::function<PrintSource()> printSource;
        // The language this run speaks ("nl", "en", "de"): Help opens its help.
        const QString &language;
    };

    explicit MainCommands(const Window &window);

    // The command of that objectName.
    QAction *action(const char *name) const;

signals:
    // A dialog picked the record of the row to be shown in the window.
    void recordPicked(int row);
    // "Zoeken": the search bar is wanted.
    void findWanted();

private:
    QAction *addCommand(const char *name, const QString &caption, void (MainCommands::*command)());

    void FileNew_Click();
    void FileOpen_Click();
    void FileSave_Click();
    void FileImport_Click();
    void FilePrint_Click();
    void FileExit_Click();
    void FileExportCsv_Click();
    void FileImportCsv_Click();
    void FileImportTellico_Click();
    void FileImportColnect_Click();
    void FileVersions_Click();
    void TooleWebpage_Click();
    void ToolsDataEdit_Click();
    void HelpHelp_Click();
    void HelpMeerSoftware_Click();
    void HelpDownloads_Click();
    void HelpAbout_Click();
    void showOpenDialog(OpenFile::Mode mode);
    void ToolsPictureCheck_Click();
    void ToolsSearch_Click();
    void ToolsStatistics_Click();
    void ToolsPictureAdd_Click();
    void ToolsPicturePaste_Click();
    void ToolsPictureImport_Click();
    void ToolsWantList_Click();
    void ToolsTradeList_Click();
    void ToolsCatalogue_Click();

    Window m_window;
};
