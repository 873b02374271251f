#include "mainwindow/MainCommands.h"

#include "album/ExportSlideshow.h"
#include "catalogue/CatalogueEntriesDialog.h"
#include "catalogue/TradeListDialog.h"
#include "catalogue/WantListDialog.h"
#include "dialogs/AboutForm.h"
#include "dialogs/CsvMenuCommands.h"
#include "dialogs/ImportMenuCommands.h"
#include "dialogs/NieuwForm.h"
#include "dialogs/SaveForm.h"
#include "dialogs/VersionsForm.h"
#include "listeditor/EditData.h"
#include "mainwindow/MakerPages.h"
#include "mainwindow/PictureCommands.h"
#include "printing/dialog/Afdrukken.h"
#include "reports/PictureCheckDialog.h"
#include "reports/StatisticsDialog.h"
#include "storage/document/OpenCollection.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/ShellOpen.h"
#include "storage/formats/SettingsFile.h"
#include "widgets/BusyGuard.h"
#include "widgets/MessageBox.h"
#include "widgets/SelectedRow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QKeySequence>

MainCommands::MainCommands(const Window &window)
    : QObject(window.widget)
    , m_window(window)
{
    setObjectName(QStringLiteral("MainCommands"));

    addCommand("FileNew", tr("Nieuw"), &MainCommands::FileNew_Click);
    addCommand("FileOpen", tr("Openen"), &MainCommands::FileOpen_Click);
    addCommand("FileSave", tr("Opslaan"), &MainCommands::FileSave_Click);
    addCommand("FilePrint", tr("Afdrukken"), &MainCommands::FilePrint_Click);
    addCommand("FileImport", tr("Importeren Oude Data"), &MainCommands::FileImport_Click);
    addCommand("FileExportCsv", tr("Exporteren naar CSV"), &MainCommands::FileExportCsv_Click);
    addCommand("FileImportCsv", tr("Importeren uit CSV"), &MainCommands::FileImportCsv_Click);
    addCommand("FileImportTellico", tr("Importeren uit Tellico..."), &MainCommands::FileImportTellico_Click);
    addCommand("FileImportColnect", tr("Importeren uit Colnect..."), &MainCommands::FileImportColnect_Click);
    addCommand("FileVersions", tr("Vorige versies..."), &MainCommands::FileVersions_Click);
    addCommand("FileExit", tr("Exit"), &MainCommands::FileExit_Click);

    addCommand("TooleWebpage", tr("Webpage Ontwerpen"), &MainCommands::TooleWebpage_Click);
    addCommand("ToolsDataEdit", tr("Data Bewerken"), &MainCommands::ToolsDataEdit_Click);
    addCommand("ToolsPictureCheck", tr("Afbeeldingen controleren"), &MainCommands::ToolsPictureCheck_Click);
    addCommand("ToolsSearch", tr("Zoeken"), &MainCommands::ToolsSearch_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    addCommand("ToolsStatistics", tr("Statistiek"), &MainCommands::ToolsStatistics_Click);
    addCommand("ToolsPictureAdd", tr("Afbeelding toevoegen..."), &MainCommands::ToolsPictureAdd_Click);
    // A text field with the focus keeps Ctrl+V for its own paste.
    addCommand("ToolsPicturePaste", tr("Afbeelding plakken"), &MainCommands::ToolsPicturePaste_Click)
        ->setShortcut(QKeySequence::Paste);
    addCommand("ToolsPictureImport", tr("Afbeeldingen importeren..."),
               &MainCommands::ToolsPictureImport_Click);
    addCommand("ToolsWantList", tr("Mancolijst..."), &MainCommands::ToolsWantList_Click);
    addCommand("ToolsTradeList", tr("Dubbelen..."), &MainCommands::ToolsTradeList_Click);
    addCommand("ToolsCatalogue", tr("Catalogusnummers..."), &MainCommands::ToolsCatalogue_Click);

    addCommand("HelpHelp", tr("Help"), &MainCommands::HelpHelp_Click);
    addCommand("HelpMeerSoftware", tr("Meer Software"), &MainCommands::HelpMeerSoftware_Click);
    addCommand("HelpDownloads", tr("Downloads"), &MainCommands::HelpDownloads_Click);
    addCommand("HelpAbout", tr("Over Tessaron2..."), &MainCommands::HelpAbout_Click);
}

QAction *MainCommands::action(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

QAction *MainCommands::addCommand(const char *name, const QString &caption, void (MainCommands::*command)())
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, [this, command] {
        if (!BusyGuard::isBusy(m_window.widget))
            (this->*command)();
    });
    return action;
}

void MainCommands::FileNew_Click()
{
    NieuwForm(m_window.collection, m_window.widget).exec();
}

void MainCommands::FileOpen_Click()
{
    showOpenDialog(OpenFile::Mode::Open);
}

void MainCommands::FileImport_Click()
{
    showOpenDialog(OpenFile::Mode::ImportOldData);
}

void MainCommands::showOpenDialog(OpenFile::Mode mode)
{
    OpenFile(m_window.collection, mode, m_window.settings.panelColour, m_window.widget).exec();
}

void MainCommands::FileSave_Click()
{
    if (m_window.collection.records().count() == 0) {
        MessageBox::show(m_window.widget, tr("Geen gegevens in de lijst!"));
        return;
    }
    SaveForm(m_window.collection, m_window.settings.fieldColour, m_window.widget).exec();
}

void MainCommands::FilePrint_Click()
{
    Afdrukken(m_window.printSource(), m_window.collection.programFolder(), m_window.widget).exec();
}

void MainCommands::FileExit_Click()
{
    m_window.widget->close();
}

void MainCommands::FileExportCsv_Click()
{
    CsvMenuCommands::exportList(m_window.collection, m_window.widget);
}

void MainCommands::FileImportCsv_Click()
{
    CsvMenuCommands::importList(m_window.collection, m_window.settings.panelColour,
                                m_window.settings.fieldColour, m_window.widget);
}

void MainCommands::FileImportTellico_Click()
{
    ImportMenuCommands::tellico(m_window.collection, m_window.settings.panelColour,
                                m_window.settings.fieldColour, m_window.widget);
}

void MainCommands::FileImportColnect_Click()
{
    ImportMenuCommands::colnect(m_window.collection, m_window.settings.panelColour,
                                m_window.settings.fieldColour, m_window.widget);
}

void MainCommands::FileVersions_Click()
{
    VersionsForm(m_window.collection, m_window.settings.panelColour, m_window.widget).exec();
}

void MainCommands::TooleWebpage_Click()
{
    // The export keeps events flowing while it waits; the menu and the close
    // box wait for it.
    const BusyGuard busy(m_window.widget);
    const OpenCollection &collection = m_window.collection;
    ExportSlideshow(collection.programFolder(), collection.name(), collection.records().count(),
                    m_window.widget);
}

void MainCommands::ToolsDataEdit_Click()
{
    EditData(m_window.collection.programFolder(), m_window.widget).exec();
}

void MainCommands::HelpHelp_Click()
{
    const QString helpFile = m_window.collection.programFolder().helpFile(m_window.language);
    if (!FileExists(helpFile))
        return;
    // Without a program for PDF files the desktop's opener fails without a
    // word; the collector is told where the document is instead.
    if (!DesktopOpensType(QStringLiteral("application/pdf")) || !ShellOpen(m_window.widget, helpFile))
        MessageBox::show(m_window.widget,
                         tr("Er is geen programma ingesteld om PDF-bestanden te openen.\r\n"
                            "De help staat in: %1")
                             .arg(QDir::toNativeSeparators(helpFile)),
                         MessageBox::programTitle(), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}

void MainCommands::HelpMeerSoftware_Click()
{
    ShellOpen(m_window.widget, MakerPages::MoreSoftware);
}

void MainCommands::HelpDownloads_Click()
{
    ShellOpen(m_window.widget, MakerPages::Downloads);
}

void MainCommands::HelpAbout_Click()
{
    AboutForm(m_window.collection.programFolder(), m_window.language, m_window.widget).exec();
}

void MainCommands::ToolsPictureCheck_Click()
{
    PictureCheckDialog dialog(m_window.collection, m_window.widget);
    connect(&dialog, &PictureCheckDialog::recordPicked, this, &MainCommands::recordPicked);
    connect(&dialog, &PictureCheckDialog::pictureWanted, &m_window.pictures, &PictureCommands::addFromFile);
    dialog.exec();
}

void MainCommands::ToolsSearch_Click()
{
    emit findWanted();
}

void MainCommands::ToolsStatistics_Click()
{
    StatisticsDialog(m_window.collection, m_window.widget).exec();
}

void MainCommands::ToolsPictureAdd_Click()
{
    m_window.pictures.addFromFile(SelectedRow(m_window.list));
}

void MainCommands::ToolsPicturePaste_Click()
{
    m_window.pictures.paste(SelectedRow(m_window.list));
}

void MainCommands::ToolsPictureImport_Click()
{
    m_window.pictures.importFolder(m_window.settings.panelColour);
}

void MainCommands::ToolsWantList_Click()
{
    WantListDialog(m_window.collection, m_window.widget).exec();
}

void MainCommands::ToolsTradeList_Click()
{
    TradeListDialog dialog(m_window.collection, m_window.widget);
    connect(&dialog, &TradeListDialog::recordPicked, this, &MainCommands::recordPicked);
    dialog.exec();
}

void MainCommands::ToolsCatalogue_Click()
{
    const int row = SelectedRow(m_window.list);
    if (row < 0 || row >= m_window.collection.records().count()) {
        MessageBox::show(m_window.widget, tr("Kies eerst een record in de lijst."), tr("Catalogusnummers"),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Information);
        return;
    }
    CatalogueEntriesDialog(m_window.collection, row, m_window.widget).exec();
}
