#include "mainwindow/Main.h"

#include "mainwindow/Clock.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/FindBar.h"
#include "mainwindow/HistoryCommands.h"
#include "mainwindow/LanguageMenu.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/PictureCommands.h"
#include "mainwindow/PictureViewer.h"
#include "mainwindow/RecordEditing.h"
#include "mainwindow/RecordSelection.h"
#include "mainwindow/RecoveryGuard.h"
#include "resources/ProgramIcon.h"
#include "sorting/ColumnClickHandler.h"
#include "storage/document/PriceTotals.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/RecordListView.h"
#include "widgets/ResizeRule.h"
#include "widgets/SelectedRow.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>

namespace {

// The window's outer size at start-up, frame and caption included.
constexpr int StartWidth = 15000;
constexpr int StartHeight = 9450;
constexpr QColor ListColour{190, 220, 220};

QFrame *newFrame(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    return frame;
}

// A label as wide as its text, or at least minimumWidth twips for a label whose
// text grows later.
QLabel *newLabel(QWidget *parent, const char *name, const QString &text, int left, int top,
                 int minimumWidth = 0)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(Twips::toPixels(left), Twips::toPixels(top));
    label->adjustSize();
    if (label->width() < Twips::toPixels(minimumWidth))
        label->resize(Twips::toPixels(minimumWidth), label->height());
    return label;
}

VistaButton *newButton(QWidget *parent, const char *name, const QString &caption, const QString &toolTip,
                       int left, int top)
{
    auto *button = new VistaButton(QLatin1String(name), parent);
    button->setCaption(caption);
    button->setToolTip(toolTip);
    button->setGeometry(Twips::rect(left, top, 840, 330));
    return button;
}

} // namespace

Main::Main(const ProgramFolder &folder, QWidget *parent)
    : QMainWindow(parent)
    , m_collection(folder)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(tr("Tessaron (2)"));
    setWindowIcon(ProgramIcon::icon());
    resize(Twips::toPixels(StartWidth), Twips::toPixels(StartHeight));

    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("MainArea"));
    area->setFont(MainLook::normalFont());
    MainLook::setTextColour(area, MainLook::CaptionColour);
    setCentralWidget(area);
    auto *history = new HistoryCommands(m_collection, this);

    buildTitleStrip(area);
    Frame1 = new DetailPanel(area);
    Frame1->setGeometry(Twips::rect(90, 600, 4830, 6210));
    Frame1->loadLookupLists(programFolder());
    buildEditButtons();
    buildPictureFrame(area);
    buildListFrame(area);
    buildViewerFrame(area);
    buildStatusFrame(area);
    applyResizeRules();

    // Defaults first, so that a settings file that cannot be read leaves them.
    applyColumnWidths();
    readSettings();
    // From here on a changed width is the user's doing.
    connect(ListView1->header(), &QHeaderView::sectionResized, this,
            [this](int column) { m_resizedColumns.set(static_cast<size_t>(column)); });

    m_selection = new RecordSelection(ListView1, Frame1, Image1, ShowKnop, Frame5, m_collection, this);
    connect(m_selection, &RecordSelection::recordShown, this, [this] {
        showRecordCount(CountWording::Details);
        showCatalogueLine();
    });
    auto *pictures = new PictureCommands(this, m_collection, ListView1, Image1);
    connect(pictures, &PictureCommands::pictureFiled, this, &Main::showFiledPicture);
    auto *commands = new MainCommands(
        {this, m_collection, m_settings, *pictures, ListView1, [this] { return printSource(); }, m_language});
    connect(commands, &MainCommands::recordPicked, this, &Main::selectRecord);
    connect(commands, &MainCommands::findWanted, this, &Main::openFindBar);
    connect(Frame1, &DetailPanel::catalogueLineActivated, commands->action("ToolsCatalogue"),
            &QAction::trigger);
    m_languages = new LanguageMenu(folder.languageFile(), this);
    new MainMenu(menuBar(), *commands, *history, m_languages);
    new RecordEditing(Frame1, ListView1, AddKnop, WijzigKnop, DelKnop, m_collection, this);
    new ColumnClickHandler(ListView1, Label10, m_collection, this);
    connect(CountKnop, &VistaButton::Click, this, &Main::CountKnop_Click);

    const RecordList *records = &m_collection.records();
    const auto rowsChanged = [this] { showRecordCount(CountWording::Records); };
    connect(records, &RecordList::rowsInserted, this, rowsChanged);
    connect(records, &RecordList::rowsRemoved, this, rowsChanged);
    connect(records, &RecordList::modelReset, this, rowsChanged);
    // The line follows the selected record through edits, undo and redo.
    connect(&m_collection, &OpenCollection::catalogueEntriesChanged, this, &Main::showCatalogueLine);
    connect(records, &RecordList::dataChanged, this, &Main::showCatalogueLine);
    connect(records, &RecordList::rowsRemoved, this, &Main::showCatalogueLine);
    connect(records, &RecordList::modelReset, this, &Main::showCatalogueLine);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Main::showCatalogueLine);
    connect(&m_collection, &OpenCollection::catalogueDamaged, this, &Main::tellCatalogueDamaged);
    connect(&m_collection, &OpenCollection::contentsReplaced, this, &Main::collectionReplaced);
    // After an undo or redo the list shows the record the step touched.
    connect(&m_collection, &OpenCollection::historyStepped, this, &Main::selectRecord);
    m_recovery = new RecoveryGuard(m_collection, this);
}

void Main::showInterfaceLanguage(const QString &code)
{
    m_language = code;
    m_languages->tick(code);
}

void Main::offerRecovery()
{
    m_recovery->offerLeftBehind();
}

void Main::collectionReplaced()
{
    m_captionName = m_collection.name();
    showCollectionCaption();
    showRecordCount(CountWording::Records);
    // Opened, imported or restored alike: no field or picture of the collection
    // before can be shown or added to this one.
    Frame1->clearForNewCollection();
    m_selection->forgetShownRecord();
    showCatalogueLine();
}

void Main::showCatalogueLine()
{
    const int row = selectedRow();
    Frame1->showCatalogueLine(row >= 0 && row < m_collection.records().count()
                                  ? CatalogueEntries::compactLine(m_collection.catalogueEntriesOf(row))
                                  : QString());
}

void Main::tellCatalogueDamaged(const QString &collectionName, qsizetype damagedLines,
                                const QString &keptAside)
{
    MessageBox::show(
        this,
        tr("Catalogusnummers van '%1' waren beschadigd: %2 regel(s) konden niet worden gelezen.\r\n"
           "Het oorspronkelijke bestand is bewaard als %3.")
            .arg(collectionName)
            .arg(damagedLines)
            .arg(QDir::toNativeSeparators(keptAside)),
        MessageBox::programTitle(), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}

void Main::showCollectionCaption()
{
    Label2->setText(tr("Verzamelgebied : %1").arg(m_captionName));
}

void Main::showRecordCount(CountWording wording)
{
    m_countWording = wording;
    Label6->setText(recordCountLine());
}

QString Main::recordCountLine() const
{
    const int count = m_collection.records().count();
    return m_countWording == CountWording::Records ? tr("Aantal Records : %1").arg(count)
                                                   : tr("Aantal Gegevens : %1").arg(count);
}

void Main::SetPanelColour(int red, int green, int blue)
{
    const QColor colour(red, green, blue);
    MainLook::setBackground(this, QPalette::Window, colour);
    for (QWidget *frame : std::initializer_list<QWidget *>{Frame1, Frame2, Frame3, Frame4, Frame5})
        MainLook::setBackground(frame, QPalette::Window, colour);
}

const QImage &Main::BackPic() const
{
    return m_selection->BackPic();
}

void Main::SetFieldColour(int red, int green, int blue)
{
    Frame1->setFieldColour(QColor(red, green, blue));
}

int Main::selectedRow() const
{
    return SelectedRow(ListView1);
}

PrintSource Main::printSource() const
{
    PrintSource source;
    source.collectionName = m_collection.name();
    // The print dialog is modal: the list stays as it is while the jobs read it.
    source.shownRows = m_collection.records().records();
    source.selectedRow = selectedRow();
    source.panel = Frame1->recordInFields();
    source.collectionCaption = PrintSource::collectionCaptionOf(m_captionName);
    source.recordCountLine = PrintSource::recordCountLineOf(m_collection.records().count(),
                                                            m_countWording == CountWording::Details);
    source.picture = viewerPicture();
    return source;
}

void Main::selectRecord(int row)
{
    const RecordList &records = m_collection.records();
    if (row < 0 || row >= records.count())
        return;
    // The viewer would otherwise stay in front of a record that may have no
    // picture, with its Exit button disabled.
    if (Frame2->isHidden())
        ShowKnop_Click();
    const QModelIndex index = records.index(row, 0);
    const bool alreadySelected = selectedRow() == row;
    // A change of selection shows the record.
    ListView1->setCurrentIndex(index);
    ListView1->scrollTo(index);
    // Without one, the record is shown again, as a click on the selected row does.
    if (alreadySelected)
        m_selection->ShowSelectedRecord();
}

void Main::showFiledPicture(int row)
{
    // The viewer stays in front when it shows the record that changed.
    if (row == selectedRow())
        m_selection->ShowSelectedRecord();
    else
        selectRecord(row);
}

void Main::openFindBar()
{
    if (!m_findBar) {
        m_findBar = new FindBar(ListView1, m_collection.records(), m_collection.catalogueEntries(), Frame2);
        connect(m_findBar, &FindBar::recordPicked, this, &Main::selectRecord);
        connect(m_findBar, &FindBar::roomTaken, this, &Main::setListTopReserve);
    }
    m_findBar->open();
}

void Main::CountKnop_Click()
{
    const QStringList lines = PriceTotals::of(m_collection.records()).messageLines(QLocale());
    MessageBox::show(this, lines.join(QStringLiteral("\r\n")), tr("Totaalprijs"), MessageBox::Buttons::Ok,
                     MessageBox::Icon::Information);
}

void Main::buildTitleStrip(QWidget *area)
{
    MenuPic = new QFrame(area);
    MenuPic->setObjectName(QStringLiteral("MenuPic"));
    MenuPic->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MenuPic->setAutoFillBackground(true);
    MainLook::setBackground(MenuPic, QPalette::Window, MainLook::TitleStripColour);
    MenuPic->setFont(MainLook::titleFont());
    MainLook::setTextColour(MenuPic, MainLook::TitleStripTextColour);
    MenuPic->setGeometry(Twips::rect(90, 90, 0, 510));

    Label2 = newLabel(MenuPic, "Label2", tr("Verzamelgebied : %1").arg(QString()), 90, 60, 9000);
    KlokLabel = newLabel(MenuPic, "KlokLabel", QStringLiteral("00:00:00"), 0, 60);
    m_clock = new Clock(KlokLabel, this);
}

void Main::buildEditButtons()
{
    AddKnop = newButton(Frame1, "AddKnop", tr("Add"), tr(" Record Toevoegen "), 150, 5700);
    WijzigKnop = newButton(Frame1, "WijzigKnop", tr("Wijzig"), tr(" Record Wijzigen "), 1020, 5700);
    DelKnop = newButton(Frame1, "DelKnop", tr("Delete"), tr(" Record Verwijderen "), 1890, 5700);
}

void Main::buildPictureFrame(QWidget *area)
{
    Frame3 = newFrame(area, "Frame3");
    Frame3->setGeometry(Twips::rect(90, 6825, 4830, 1665));

    Image1 = MainLook::newFilledLabel(Frame3, "Image1", Qt::black);
    Image1->setGeometry(Twips::rect(120, 225, 2250, 1305));
    ShowKnop = new VistaButton(QStringLiteral("ShowKnop"), Frame3);
    ShowKnop->setGeometry(Twips::rect(2490, 225, 840, 330));
    ShowKnop->setCaption(tr("Show"));
    ShowKnop->setEnabled(false);
    connect(ShowKnop, &VistaButton::Click, this, &Main::ShowKnop_Click);
    Label5 = newLabel(Frame3, "Label5", tr("Afbeelding"), 3420, 300);
}

void Main::buildListFrame(QWidget *area)
{
    Frame2 = newFrame(area, "Frame2");
    Frame2->move(Twips::toPixels(5010), Twips::toPixels(600));

    ListView1 = new RecordListView(Frame2);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->move(Twips::toPixels(120), Twips::toPixels(240));
    ListView1->setFont(MainLook::normalFont());
    MainLook::setBackground(ListView1, QPalette::Base, ListColour);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setModel(m_collection.listModel());
    ReaderNames::name(ListView1, tr("Records"));

    QHeaderView *header = ListView1->header();
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    // A width of 0 read from the settings file hides a column, as it always has.
    header->setMinimumSectionSize(0);
}

void Main::buildViewerFrame(QWidget *area)
{
    Frame5 = new PictureViewer(area);
    Frame5->move(Twips::toPixels(5010), Twips::toPixels(600));
    Frame5->hide();
}

void Main::setListTopReserve(int twips)
{
    m_listTopReserve = twips;
    applyResizeRules();
}

void Main::showViewerPicture(const QImage &picture)
{
    Frame5->showPicture(picture);
}

void Main::clearViewerPicture()
{
    Frame5->clearPicture();
}

QImage Main::viewerPicture() const
{
    return Frame5->picture();
}

void Main::ShowKnop_Click()
{
    const bool toViewer = !Frame2->isHidden();
    // Hidden first, so that the two never show together.
    if (toViewer) {
        Frame2->hide();
        Frame5->show();
    } else {
        Frame5->hide();
        Frame2->show();
    }
    ShowKnop->setCaption(toViewer ? tr("Exit") : tr("Show"));
    // No record can be edited while the list is out of sight.
    for (VistaButton *button : {AddKnop, WijzigKnop, DelKnop})
        button->setEnabled(!toViewer);
}

void Main::buildStatusFrame(QWidget *area)
{
    Frame4 = newFrame(area, "Frame4");
    Frame4->setGeometry(Twips::rect(5010, 0, 0, 825));

    Label6 = newLabel(Frame4, "Label6", tr("Aantal Records : %1").arg(0), 180, 210, 3600);
    Label10 = newLabel(Frame4, "Label10", tr("Gesorteerd op :"), 180, 510, 3600);
    Label8 = newLabel(Frame4, "Label8", tr("Totaalprijs Berekenen"), 0, 300);
    CountKnop = newButton(Frame4, "CountKnop", tr("Count"), tr(" Totaalprijs Berekenen "), 0, 240);
}

void Main::readSettings()
{
    const QString path = programFolder().settingsFile();
    const bool complete = m_settings.read(path) == SettingsFile::ValueCount;
    // A missing, short or damaged file is written anew from what is known now:
    // the values read so far and the defaults for the rest. Widths read so far
    // take effect at the next start. Should this write fail, the program says so
    // when it writes the file again at closing.
    if (!complete)
        static_cast<void>(m_settings.write(path));
    SetFieldColour(m_settings.fieldColour.red(), m_settings.fieldColour.green(),
                   m_settings.fieldColour.blue());
    SetPanelColour(m_settings.panelColour.red(), m_settings.panelColour.green(),
                   m_settings.panelColour.blue());
    if (complete)
        applyColumnWidths();
}

void Main::applyColumnWidths()
{
    for (int column = 0; column < SettingsFile::ColumnCount; ++column)
        ListView1->header()->resizeSection(
            column, Twips::toPixels(m_settings.columnWidths[static_cast<size_t>(column)]));
}

void Main::storeColumnWidths()
{
    // Only columns the user resized take their width from the screen. The others
    // keep their width to the twip: no drift by rounding from one run to the
    // next, and widths read before a damaged line of the settings file, not shown
    // in this run, still take effect at the next start.
    for (int column = 0; column < SettingsFile::ColumnCount; ++column) {
        if (m_resizedColumns.test(static_cast<size_t>(column)))
            m_settings.columnWidths[static_cast<size_t>(column)] =
                Twips::fromPixels(ListView1->header()->sectionSize(column));
    }
}

void Main::applyResizeRules()
{
    const QSize outer = frameGeometry().size();
    const int W = Twips::fromPixels(outer.width());
    const int H = Twips::fromPixels(outer.height());
    using namespace ResizeRule;

    setWidth(MenuPic, W - 420);
    setLeft(KlokLabel, W - 1800);
    m_clock->keepInsideStrip();
    setWidth(Frame2, W - 5340);
    setHeight(Frame2, H - 2400);
    setTop(ListView1, 240 + m_listTopReserve);
    setWidth(ListView1, W - 5580);
    setHeight(ListView1, H - 2760 - m_listTopReserve);
    setTop(Frame4, H - 1785);
    setWidth(Frame4, W - 5340);
    setLeft(Label8, widthOf(Frame4) - 2640);
    setLeft(CountKnop, widthOf(Frame4) - 990);
    Frame5->fitTo(W - 5340, H - 2400);
}

void Main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    // The start size counts the frame and caption, which are known only now.
    const QSize outer(Twips::toPixels(StartWidth), Twips::toPixels(StartHeight));
    resize(outer - (frameGeometry().size() - size()));
    if (const QScreen *screen = this->screen()) {
        QRect placed(QPoint(), outer);
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
    applyResizeRules();
}

void Main::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyResizeRules();
}

void Main::closeEvent(QCloseEvent *event)
{
    if (m_collection.unsavedChanges()) {
        const QString question = tr("Wijzigingen zijn nog niet opgeslagen...\r\n"
                                    "wilt u het programma toch afsluiten?");
        if (MessageBox::show(this, question, tr(" Sluiten"), MessageBox::Buttons::YesNo) !=
            MessageBox::Answer::Yes) {
            event->ignore();
            return;
        }
    }
    m_recovery->closedCleanly();
    storeColumnWidths();
    const StorageResult written = m_settings.write(programFolder().settingsFile());
    if (!written) {
        // The program still closes: the collection is not at stake, only colours
        // and widths, but the user should know why they will be gone next time.
        MessageBox::show(this, tr("Instellingen konden niet worden opgeslagen!\r\n%1").arg(written.reason),
                         MessageBox::programTitle(), MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
    }
    event->accept();
}
