#pragma once

#include "printing/PrintSource.h"
#include "storage/document/OpenCollection.h"
#include "storage/folder/InterfaceLanguage.h"
#include "storage/formats/SettingsFile.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <bitset>

class Clock;
class ColumnClickHandler;
class DetailPanel;
class FindBar;
class LanguageMenu;
class PictureViewer;
class QFrame;
class QLabel;
class RecordEditing;
class RecordListView;
class RecordSelection;
class RecoveryGuard;
class VistaButton;

// The main window: the open collection in its list and detail panel. It
// follows the collection's signals; dialogs are given the collection, not the
// window.
class Main : public QMainWindow {
    Q_OBJECT

public:
    explicit Main(const ProgramFolder &folder, QWidget *parent = nullptr);

    const ProgramFolder &programFolder() const { return m_collection.programFolder(); }
    OpenCollection &collection() { return m_collection; }
    const OpenCollection &collection() const { return m_collection; }
    QColor panelColour() const { return m_settings.panelColour; }
    QColor fieldColour() const { return m_settings.fieldColour; }
    // Widths of the list's twelve columns in twips, as last read or stored.
    const std::array<int, SettingsFile::ColumnCount> &columnWidths() const { return m_settings.columnWidths; }

    // Paint the window and its five frames, and the twelve input fields.
    void SetPanelColour(int red, int green, int blue);
    void SetFieldColour(int red, int green, int blue);

    // The selected row of ListView1, counted from 0; -1 when none is selected.
    int selectedRow() const;
    // Goes to a record chosen outside the list (search bar, picture check): back
    // from the viewer to the list, then the row is selected, scrolled into sight
    // and shown, as a click shows it. A row outside the list changes nothing.
    void selectRecord(int row);

    // The picture viewer: shows a picture at its own size, at the top left, or
    // none. The record sheet print takes the picture it holds (null for none).
    void showViewerPicture(const QImage &picture);
    void clearViewerPicture();
    QImage viewerPicture() const;
    // What the print jobs read of the window and the collection, as they stand now.
    PrintSource printSource() const;
    // The language this run speaks (Dutch until told): ticked in Help > "Taal",
    // and Help and the About window take the help document of that language.
    void showInterfaceLanguage(const QString &code);

    // The source of the thumbnail: the selected record's picture as loaded, kept
    // when a record without a picture is selected.
    const QImage &BackPic() const;

    // At start, once the window shows: offers the unsaved changes a crash left behind.
    void offerRecovery();

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
    // The search bar above the list, made on first use.
    void openFindBar();
    void ShowKnop_Click();
    // Room taken above the list, in twips, by the search bar while it shows; the
    // list moves down and shortens by as much.
    void setListTopReserve(int twips);
    // Label2: "Verzamelgebied : " and the name of the collection last started,
    // opened or imported (saving under another name leaves it as it was).
    void showCollectionCaption();
    // The record of the row has a new picture: it shows at once.
    void showFiledPicture(int row);
    void collectionReplaced();
    // The selected record's numbers in other catalogue systems, in the detail panel.
    void showCatalogueLine();
    // The catalogue file of the collection just opened was damaged.
    void tellCatalogueDamaged(const QString &collectionName, qsizetype damagedLines,
                              const QString &keptAside);
    // Label6: "Aantal Records : " after the rows changed, "Aantal Gegevens : "
    // after a record was shown; the number is always the number of rows.
    enum class CountWording { Records, Details };
    void showRecordCount(CountWording wording);
    QString recordCountLine() const;

    // The controls, named as on screen (their objectName); tests find them by that name.
    QFrame *MenuPic = nullptr;
    QLabel *Label2 = nullptr;    // "Verzamelgebied : " and the collection name
    QLabel *KlokLabel = nullptr; // clock
    DetailPanel *Frame1 = nullptr;
    VistaButton *AddKnop = nullptr;
    VistaButton *WijzigKnop = nullptr;
    VistaButton *DelKnop = nullptr;
    QFrame *Frame2 = nullptr;
    RecordListView *ListView1 = nullptr;
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

    OpenCollection m_collection;
    SettingsFile m_settings;
    QString m_captionName;
    CountWording m_countWording = CountWording::Records;
    RecordSelection *m_selection = nullptr;
    FindBar *m_findBar = nullptr;
    bool m_shownBefore = false;
    int m_listTopReserve = 0;
    std::bitset<SettingsFile::ColumnCount> m_resizedColumns;
    Clock *m_clock = nullptr;
    RecoveryGuard *m_recovery = nullptr;
    LanguageMenu *m_languages = nullptr;
    QString m_language = InterfaceLanguage::dutch();
};
