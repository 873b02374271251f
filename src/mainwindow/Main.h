#pragma once

#include "mainwindow/SettingsFile.h"
#include "printing/PrintSource.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordList.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <bitset>

class Clock;
class ColumnClickHandler;
class DetailPanel;
class PictureViewer;
class QFrame;
class QLabel;
class QScrollBar;
class QTreeView;
class RecordEditing;
class RecordSelection;
class VistaButton;

// The main window: the open collection in its list and detail panel, and the
// state the whole program shares. Dialogs are given the window and use the
// accessors and controls below.
class Main : public QMainWindow {
    Q_OBJECT

public:
    explicit Main(const ProgramFolder &folder, QWidget *parent = nullptr);

    const ProgramFolder &programFolder() const { return m_folder; }
    RecordList &recordList() { return m_recordList; }
    const RecordList &recordList() const { return m_recordList; }

    const QString &collectionName() const { return m_collectionName; }
    void setCollectionName(const QString &name) { m_collectionName = name; }
    bool unsavedChanges() const { return m_unsavedChanges; }
    void setUnsavedChanges(bool unsaved) { m_unsavedChanges = unsaved; }
    // True: the open dialog opens a collection; false: it imports an old-format file.
    bool openDialogMode() const { return m_openDialogMode; }
    void setOpenDialogMode(bool open) { m_openDialogMode = open; }
    QColor panelColour() const { return m_settings.panelColour; }
    QColor fieldColour() const { return m_settings.fieldColour; }
    // Widths of the list's twelve columns in twips, as last read or stored.
    const std::array<int, SettingsFile::ColumnCount> &columnWidths() const { return m_settings.columnWidths; }

    // Paint the window and its five frames, and the twelve input fields.
    void SetPanelColour(int red, int green, int blue);
    void SetFieldColour(int red, int green, int blue);

    // The selected row of ListView1, counted from 0; -1 when none is selected.
    int selectedRow() const;
    // Removes the direction image from every header but the clicked one (1-based).
    void ClearColumnIcons(int index);

    // Room taken above the list, in twips, by the search bar while it shows; the
    // list moves down and shortens by as much.
    void setListTopReserve(int twips);

    // The picture viewer: shows a picture at its own size, at the top left, or
    // none. The record sheet print takes the picture it holds (null for none).
    void showViewerPicture(const QImage &picture);
    void clearViewerPicture();
    QImage viewerPicture() const;
    // What the print jobs read of the window, as it stands now.
    PrintSource printSource() const;

    // The controls, named as on screen; other parts of the program reach them here.
    QFrame *MenuPic = nullptr;
    QLabel *Label2 = nullptr;    // "Verzamelgebied : " and the collection name
    QLabel *KlokLabel = nullptr; // clock
    DetailPanel *Frame1 = nullptr;
    VistaButton *AddKnop = nullptr;
    VistaButton *WijzigKnop = nullptr;
    VistaButton *DelKnop = nullptr;
    QFrame *Frame2 = nullptr;
    QTreeView *ListView1 = nullptr;
    QFrame *Frame3 = nullptr;
    QLabel *Image1 = nullptr; // thumbnail
    VistaButton *ShowKnop = nullptr;
    QLabel *Label5 = nullptr;
    QFrame *Frame4 = nullptr;
    QLabel *Label6 = nullptr; // record count
    QLabel *Label8 = nullptr;
    QLabel *Label10 = nullptr; // sort status
    VistaButton *CountKnop = nullptr;
    PictureViewer *Frame5 = nullptr;
    QFrame *PicCont = nullptr;
    QLabel *SlidePic = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QScrollBar *HScroll = nullptr;
    QScrollBar *VScroll = nullptr;
    // The source of the thumbnail: the selected record's picture as loaded, kept
    // when a record without a picture is selected.
    QImage BackPic;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTitleStrip(QWidget *area);
    void buildEditButtons();
    void buildPictureFrame(QWidget *area);
    void buildListFrame(QWidget *area);
    void buildViewerFrame(QWidget *area);
    void buildStatusFrame(QWidget *area);
    void readSettings();
    void applyColumnWidths();
    void storeColumnWidths();
    void applyResizeRules();
    void CountKnop_Click();
    void ShowKnop_Click();

    ProgramFolder m_folder;
    RecordList m_recordList;
    SettingsFile m_settings;
    QString m_collectionName;
    bool m_unsavedChanges = false;
    bool m_openDialogMode = false;
    bool m_shownBefore = false;
    int m_listTopReserve = 0;
    std::bitset<SettingsFile::ColumnCount> m_resizedColumns;
    Clock *m_clock = nullptr;
};
