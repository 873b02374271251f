#include "WindowFixture.h"
#include "common/TestFolder.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/FindBar.h"
#include "mainwindow/Main.h"
#include "storage/document/RecordSearch.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include "widgets/RecordListView.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using Direction = RecordSearch::Direction;

namespace {

// Five records; "zeeland" stands in three of them, each time in another field
// and another letter case.
std::vector<StampRecord> searchRecords()
{
    return {
        makeRecord({"1852", "1", "Frankeerzegels", "Eerste emissie"}),
        makeRecord({"1867", "7", "Frankeerzegels", "Provincie ZEELAND"}),
        makeRecord({"1899", "40", "Port", "-", "", "", "", "", "Uit Zeeland"}),
        makeRecord({"1913", "90", "Jubileum"}),
        makeRecord({"1923", "zeeland-3", "Frankeerzegels", "-", "", "", "", "", "", "", "1,50", "2"}),
    };
}

struct SearchFixture {
    SearchFixture()
    {
        writeCollection(folder, QStringLiteral("Zeeland"), searchRecords());
        window = startWindow(folder);
        openCollection(*window, QStringLiteral("Zeeland"));
    }

    FindBar *bar() const { return window->findChild<FindBar *>(QStringLiteral("FindBar")); }
    QString shownCatalogueNumber() const
    {
        return control<DetailPanel>(*window, "Frame1")->recordInFields()[StampRecord::CatalogueNumber];
    }

    TestFolder folder;
    std::unique_ptr<Main> window;
};

} // namespace

class FindBarTest : public QObject {
    Q_OBJECT

private slots:
    void searchFindsAnyFieldAndWraps();
    void longListFindsTheNearestMatch();
    void barOpensAboveTheListAndGivesItsRoomBack();
    void buttonsSelectAndShowTheMatches();
};

void FindBarTest::searchFindsAnyFieldAndWraps()
{
    RecordList list;
    list.assign(searchRecords());
    const QString text = QStringLiteral("zeeland");
    // From no selection: the first match, the last match going back.
    QCOMPARE(RecordSearch::find(list, text, -1, Direction::Next), 1);
    QCOMPARE(RecordSearch::find(list, text, -1, Direction::Previous), 4);
    QCOMPARE(RecordSearch::find(list, text, 1, Direction::Next), 2);
    QCOMPARE(RecordSearch::find(list, text, 2, Direction::Next), 4);
    // Past the end to the start, and back past the start to the end.
    QCOMPARE(RecordSearch::find(list, text, 4, Direction::Next), 1);
    QCOMPARE(RecordSearch::find(list, text, 1, Direction::Previous), 4);
    QCOMPARE(RecordSearch::find(list, text, 3, Direction::Previous), 2);
    // A price column counts as any other field; a lone match is found from itself.
    QCOMPARE(RecordSearch::find(list, QStringLiteral("1,5"), 4, Direction::Next), 4);
    QCOMPARE(RecordSearch::find(list, QStringLiteral("JUBI"), 0, Direction::Previous), 3);
    QCOMPARE(RecordSearch::find(list, QStringLiteral("Gelderland"), 0, Direction::Next), -1);
    QCOMPARE(RecordSearch::find(list, QString(), 0, Direction::Next), -1);
    QCOMPARE(RecordSearch::find(RecordList(), text, -1, Direction::Next), -1);
}

// A list long enough to be searched on several cores at once: the match
// nearest to the start row wins, whichever stretch of the list holds it.
void FindBarTest::longListFindsTheNearestMatch()
{
    constexpr int Count = 250000;
    std::vector<StampRecord> records(Count);
    for (const int row : {1000, 130000, 240000})
        records[row][StampRecord::Info] = QStringLiteral("Provincie Zeeland");
    RecordList list;
    list.assign(std::move(records));
    const struct {
        int start;
        Direction direction;
        int found;
    } steps[] = {{-1, Direction::Next, 1000},         {1000, Direction::Next, 130000},
                 {130000, Direction::Next, 240000},   {240000, Direction::Next, 1000},
                 {1000, Direction::Previous, 240000}, {129999, Direction::Previous, 1000}};
    for (const auto &step : steps)
        QCOMPARE(RecordSearch::find(list, QStringLiteral("zeeland"), step.start, step.direction), step.found);
    QCOMPARE(RecordSearch::find(list, QStringLiteral("Gelderland"), 5, Direction::Previous), -1);
}

void FindBarTest::barOpensAboveTheListAndGivesItsRoomBack()
{
    SearchFixture fixture;
    Main &window = *fixture.window;
    const QRect listBefore = control<RecordListView>(window, "ListView1")->geometry();
    QVERIFY(!fixture.bar());

    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    FindBar *bar = fixture.bar();
    QVERIFY(bar);
    auto *ZoekText = control<QLineEdit>(*bar, "ZoekText");
    auto *SluitKnop = control<VistaButton>(*bar, "SluitKnop");
    QVERIFY(bar->isVisible());
    QVERIFY(ZoekText->hasFocus());
    // The list starts below the bar and still ends where the resize rules end it.
    const int reserve = Twips::toPixels(FindBar::ReservedTwips);
    QCOMPARE(control<RecordListView>(window, "ListView1")->geometry(), listBefore.adjusted(0, reserve, 0, 0));
    QVERIFY(bar->geometry().bottom() < control<RecordListView>(window, "ListView1")->y());
    QCOMPARE(bar->width(), control<RecordListView>(window, "ListView1")->width());

    // The resize rules keep working while the bar shows.
    setOuterSize(&window, window.frameGeometry().size() + QSize(150, 90));
    QCOMPARE(control<RecordListView>(window, "ListView1")->y(), listBefore.y() + reserve);
    QCOMPARE(control<RecordListView>(window, "ListView1")->height(), listBefore.height() + 90 - reserve);
    QCOMPARE(bar->width(), control<RecordListView>(window, "ListView1")->width());
    QCOMPARE(SluitKnop->geometry().right(), bar->width() - 1);

    QTest::keyClick(ZoekText, Qt::Key_Escape);
    QVERIFY(bar->isHidden());
    QCOMPARE(control<RecordListView>(window, "ListView1")->y(), listBefore.y());
    QCOMPARE(control<RecordListView>(window, "ListView1")->height(), listBefore.height() + 90);

    // The close button does the same; the menu item opens the bar again.
    window.findChild<QAction *>(QStringLiteral("ToolsSearch"))->trigger();
    QVERIFY(bar->isVisible());
    clickButton(SluitKnop);
    QVERIFY(bar->isHidden());
    QCOMPARE(control<RecordListView>(window, "ListView1")->y(), listBefore.y());
}

void FindBarTest::buttonsSelectAndShowTheMatches()
{
    SearchFixture fixture;
    Main &window = *fixture.window;
    window.findChild<QAction *>(QStringLiteral("ToolsSearch"))->trigger();
    const FindBar *bar = fixture.bar();
    auto *ZoekText = control<QLineEdit>(*bar, "ZoekText");
    auto *VolgendeKnop = control<VistaButton>(*bar, "VolgendeKnop");
    auto *VorigeKnop = control<VistaButton>(*bar, "VorigeKnop");
    const auto *ZoekStatus = control<QLabel>(*bar, "ZoekStatus");

    QTest::keyClicks(ZoekText, QStringLiteral("ZeeLand"));
    QTest::keyClick(ZoekText, Qt::Key_Return);
    QCOMPARE(window.selectedRow(), 1);
    QCOMPARE(fixture.shownCatalogueNumber(), QStringLiteral("7"));
    clickButton(VolgendeKnop);
    QCOMPARE(window.selectedRow(), 2);
    QCOMPARE(fixture.shownCatalogueNumber(), QStringLiteral("40"));
    QCOMPARE(control<QLabel>(window, "Label6")->text(), QStringLiteral("Aantal Gegevens : 5"));
    clickButton(VolgendeKnop);
    clickButton(VolgendeKnop);
    QCOMPARE(window.selectedRow(), 1);
    QCOMPARE(ZoekStatus->text(), QStringLiteral("Verder vanaf het begin"));
    clickButton(VorigeKnop);
    QCOMPARE(window.selectedRow(), 4);
    QCOMPARE(fixture.shownCatalogueNumber(), QStringLiteral("zeeland-3"));

    // A lone match shows its record again, as a click on the selected row does.
    ZoekText->setText(QStringLiteral("jubileum"));
    clickButton(VolgendeKnop);
    QCOMPARE(window.selectedRow(), 3);
    control<DetailPanel>(window, "Frame1")->showRecord(makeRecord({"2000", "edited"}));
    clickButton(VolgendeKnop);
    QCOMPARE(fixture.shownCatalogueNumber(), QStringLiteral("90"));
    QCOMPARE(ZoekStatus->text(), QStringLiteral("Alleen dit record"));

    // Nothing found: the selection stays and the bar says so.
    ZoekText->setText(QStringLiteral("Gelderland"));
    clickButton(VorigeKnop);
    QCOMPARE(window.selectedRow(), 3);
    QCOMPARE(ZoekStatus->text(), QStringLiteral("Niet gevonden"));
    QVERIFY(!window.collection().unsavedChanges());
}

QTEST_MAIN(FindBarTest)
#include "tst_findbar.moc"
