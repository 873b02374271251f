#include "catalogue/CatalogueRange.h"
#include "catalogue/TradeList.h"
#include "catalogue/TradeListDialog.h"
#include "catalogue/WantList.h"
#include "catalogue/WantListDialog.h"
#include "common/Control.h"
#include "common/TestFolder.h"
#include "mainwindow/Main.h"
#include "mainwindow/WindowFixture.h"
#include "printing/PrintJob.h"
#include "printing/RecordingCanvas.h"
#include "reports/PrintListReport.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/catalogue/CatalogueNumber.h"
#include "storage/document/OpenCollection.h"
#include "storage/formats/WantListFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "widgets/VistaButton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Catalogue number and category of each record; the rest stays empty.
std::vector<StampRecord> records(const QList<QStringList> &numbersAndCategories)
{
    std::vector<StampRecord> list;
    for (const QStringList &fields : numbersAndCategories)
        list.push_back(makeRecord({QStringLiteral("1950"), fields.at(0), fields.value(1)}));
    return list;
}

QStringList lineTexts(const WantList &list)
{
    QStringList texts;
    for (const WantList::Line &line : list.lines())
        texts.append(line.readable ? QStringLiteral("%1|%2|%3").arg(line.range, line.runs).arg(line.count)
                                   : line.range + QStringLiteral("|?"));
    return texts;
}

QStringList entryTexts(const TradeList &list)
{
    QStringList texts;
    for (const TradeList::Entry &entry : list.entries())
        texts.append(
            QStringLiteral("%1|%2|%3").arg(entry.catalogueNumber).arg(entry.count).arg(entry.firstRow));
    return texts;
}

QStringList tableTexts(const QTableWidget *table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells.append(table->item(row, column) ? table->item(row, column)->text() : QString());
        rows.append(cells.join(u'|'));
    }
    return rows;
}

// Runs check on the modal dialog the menu item opens, then closes it.
template <class Dialog>
void onDialog(Main &window, const char *item, const std::function<void(Dialog &)> &check)
{
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const auto closeDialog =
            qScopeGuard([dialog] { clickButton(control<VistaButton>(*dialog, "OkKnop")); });
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        check(*dialog);
    });
    window.findChild<QAction *>(QLatin1String(item))->trigger();
}

} // namespace

class WantListTest : public QObject {
    Q_OBJECT

private slots:
    void readsCatalogueNumbers();
    void readsRanges();
    void findsTheGapsOfEachRange();
    void findsDoublesInCatalogueOrder();
    void largeListsGiveTheSameAcrossParts();
    void readsRangesAndDoublesOfAnotherSystem();
    void sideFileKeepsBytesAndGoesAlongWithSaveAs();
    void printsTitleRunsAndPageNumbers();
    void windowsWorkFromTheMenu();
};

void WantListTest::readsCatalogueNumbers()
{
    const auto parts = [](const QString &text) {
        const CatalogueNumber number(text);
        if (!number.hasNumber())
            return QStringLiteral("-");
        return QStringLiteral("%1|%2|%3|%4")
            .arg(number.plainPrefix(), number.digits(), number.suffix(),
                 number.number() ? QString::number(*number.number()) : QStringLiteral("too large"));
    };
    QCOMPARE(parts(QStringLiteral("MBund 152")), QStringLiteral("MBund|152||152"));
    QCOMPARE(parts(QStringLiteral("123a")), QStringLiteral("|123|a|123"));
    QCOMPARE(parts(QStringLiteral("LP12")), QStringLiteral("LP|12||12"));
    QCOMPARE(parts(QStringLiteral("NVPH 1034 II")), QStringLiteral("NVPH|1034|II|1034"));
    QCOMPARE(parts(QStringLiteral("  Port   Betaald  007 b ")), QStringLiteral("Port Betaald|7|b|7"));
    QCOMPARE(parts(QStringLiteral("000")), QStringLiteral("|0||0"));
    QCOMPARE(parts(QStringLiteral("Blok zonder nummer")), QStringLiteral("-"));
    QCOMPARE(parts(QString()), QStringLiteral("-"));
    // Eighteen digits still fit a range; more are kept as digits only.
    QCOMPARE(parts(QStringLiteral("999999999999999999")),
             QStringLiteral("|999999999999999999||999999999999999999"));
    QCOMPARE(parts(QStringLiteral("0001234567890123456789x")),
             QStringLiteral("|1234567890123456789|x|too large"));
    QVERIFY(CatalogueNumber::samePrefix(u"MBund  Blok", u"mbund blok"));
    QVERIFY(!CatalogueNumber::samePrefix(u"MBund", u"MBundBlok"));
    QVERIFY(CatalogueNumber::compareDigits(u"99", u"100") < 0);
}

void WantListTest::readsRanges()
{
    const auto read = [](const char *text) {
        const std::optional<CatalogueRange> range = CatalogueRange::read(QString::fromUtf8(text));
        if (!range)
            return QStringLiteral("-");
        return QStringLiteral("%1|%2-%3|%4")
            .arg(range->prefix())
            .arg(range->from())
            .arg(range->to())
            .arg(range->suffix());
    };
    QCOMPARE(read("MBund 1-20"), QStringLiteral("MBund|1-20|"));
    QCOMPARE(read("LP1-LP15"), QStringLiteral("LP|1-15|"));
    QCOMPARE(read(" lp 1 - LP  15 "), QStringLiteral("lp|1-15|"));
    QCOMPARE(read("7-7"), QStringLiteral("|7-7|"));
    QCOMPARE(read("MBund 152"), QStringLiteral("MBund|152-152|"));
    QCOMPARE(read("NVPH 123a"), QStringLiteral("NVPH|123-123|a"));
    for (const char *unreadable :
         {"20-1", "", "   ", "Blok", "LP1-MB15", "1-LP15", "1a-5", "1-", "1-2-3", "1-9999999999999999999"})
        QVERIFY2(read(unreadable) == QStringLiteral("-"), unreadable);
}

void WantListTest::findsTheGapsOfEachRange()
{
    const std::vector<StampRecord> list =
        records({{"MBund 1"},   {"mbund  2"}, {"MBund 6"},  {"MBund 7a"},  {"MBund 8", "Blok"},
                 {"MBund 10"},  {"MBund 11"}, {"MBund 13"}, {"MBund 14"},  {"MBund 15"},
                 {"MBund 16"},  {"MBund 17"}, {"MBund 18"}, {"MBund 19"},  {"MBund 20"},
                 {"MBund 21"},  {"3"},        {"LP 4"},     {"NVPH 123A"}, {"NVPH 124b"},
                 {"NVPH 125a"}, {"Blok"},     {""}});
    const WantList all =
        WantList::of(list, {QStringLiteral("MBund 1-20"), QStringLiteral(" "), QStringLiteral("MBund 2-19"),
                            QStringLiteral("MBund 0-1"), QStringLiteral("1-5"), QStringLiteral("NVPH 123a"),
                            QStringLiteral("NVPH 124a"), QStringLiteral("NVPH 124"),
                            QStringLiteral("NVPH 125A"), QStringLiteral("MBund 9"), QStringLiteral("20-1")});
    // A suffix matches in either letter case, on either side.
    QCOMPARE(lineTexts(all),
             QStringList({"MBund 1-20|3-5, 9, 12|5", "MBund 2-19|3-5, 9, 12|5", "MBund 0-1|0|1",
                          "1-5|1-2, 4-5|4", "NVPH 123a||0", "NVPH 124a|124a|1", "NVPH 124||0", "NVPH 125A||0",
                          "MBund 9|9|1", "20-1|?"}));
    QCOMPARE(all.total(), quint64(17));
    QCOMPARE(all.unreadable(), std::optional<QString>(QStringLiteral("20-1")));
    QCOMPARE(all.rows().size(), size_t(9));

    // Only the category's records count, its name trimmed and in any letter case.
    const WantList blocks = WantList::of(list, {QStringLiteral("MBund 1-10")}, QStringLiteral(" blok "));
    QCOMPARE(lineTexts(blocks), QStringList({"MBund 1-10|1-7, 9-10|9"}));
    // The edges: the first and the last number missing, and all of them.
    const WantList edges = WantList::of(list, {QStringLiteral("MBund 0-22"), QStringLiteral("LP 1-3")});
    QCOMPARE(lineTexts(edges), QStringList({"MBund 0-22|0, 3-5, 9, 12, 22|7", "LP 1-3|1-3|3"}));
}

void WantListTest::findsDoublesInCatalogueOrder()
{
    const std::vector<StampRecord> list = records({{"NVPH 12", "Frankeer"},
                                                   {"Blok"},
                                                   {"nvph12"},
                                                   {"12a"},
                                                   {"LP 3"},
                                                   {"NVPH 012 "},
                                                   {" blok "},
                                                   {"12A", "Frankeer"},
                                                   {""},
                                                   {"  "},
                                                   {"LP3b"},
                                                   {"12 a"},
                                                   {"nvph 100"},
                                                   {"NVPH 100"},
                                                   {"9"},
                                                   {"9"},
                                                   {"LP 3 B"},
                                                   {"NVPH 13"},
                                                   {"99999999999999999999"},
                                                   {"0099999999999999999999"}});
    QCOMPARE(entryTexts(TradeList::of(list)),
             QStringList({"9|2|14", "12a|3|3", "99999999999999999999|2|18", "LP3b|2|10", "NVPH 12|3|0",
                          "nvph 100|2|12", "Blok|2|1"}));
    QCOMPARE(entryTexts(TradeList::of(list, QStringLiteral("frankeer"))), QStringList());
    QCOMPARE(TradeList::of(list).rows().front(), QStringList({"9", "2"}));
}

void WantListTest::largeListsGiveTheSameAcrossParts()
{
    // Large enough to be read in parts on a computer with more than one core;
    // the same numbers in rows far apart, and at the middle, count together.
    std::vector<StampRecord> list;
    for (int row = 0; row < 60000; ++row)
        list.push_back(makeRecord({QString(), QStringLiteral("Z %1").arg(row)}));
    const auto put = [&list](int row, const char *number, const char *category = "") {
        list[static_cast<size_t>(row)] =
            makeRecord({QString(), QLatin1String(number), QLatin1String(category)});
    };
    put(5, "lp 7", "Luchtpost");
    put(59000, "LP7", "luchtpost ");
    put(29999, "Blok");
    put(30000, " blok ");
    put(40000, "12a");
    put(50000, "12 A");
    put(59990, "12a");
    QCOMPARE(entryTexts(TradeList::of(list)), QStringList({"12a|3|40000", "lp 7|2|5", "Blok|2|29999"}));
    QCOMPARE(entryTexts(TradeList::of(list, QStringLiteral("Luchtpost"))), QStringList({"lp 7|2|5"}));

    const WantList wants = WantList::of(list, {QStringLiteral("Z 0-59999"), QStringLiteral("LP 1-10")});
    QCOMPARE(lineTexts(wants),
             QStringList({"Z 0-59999|5, 29999-30000, 40000, 50000, 59000, 59990|7", "LP 1-10|1-6, 8-10|9"}));
    QCOMPARE(lineTexts(WantList::of(list, {QStringLiteral("Z 1-3"), QStringLiteral("LP 7")},
                                    QStringLiteral("luchtpost"))),
             QStringList({"Z 1-3|1-3|3", "LP 7||0"}));
}

void WantListTest::readsRangesAndDoublesOfAnotherSystem()
{
    const std::vector<StampRecord> list =
        records({{"NVPH 570", "Zegels"}, {"NVPH 571"}, {"Yt 1", "Blok"}, {"NVPH 572"}, {"NVPH 570"}});
    CatalogueEntries entries;
    const auto stamp = [&entries](const char *number, const CatalogueEntries::List &stampEntries) {
        entries.set(CatalogueEntries::keyOf(u"1950", QString::fromLatin1(number)), stampEntries);
    };
    stamp("NVPH 570", {{"Mi", "570", "", "2020"}, {"mi", "571", "", "2024"}, {"Yt", "512", "", ""}});
    stamp("NVPH 571", {{"MI", "573", "", ""}, {"Yt", "512", "", ""}});
    stamp("NVPH 572", {{"Mi", "Mi 573", "", "2024"}, {"Mi", "574", "", "2020"}});
    // A stamp no record holds counts for nothing.
    stamp("NVPH 999", {{"Mi", "575", "", ""}});

    // Mi: no own Cat.nr. has that prefix, so every edition's numbers count; the
    // own NVPH numbers and Yt, which an own Cat.nr. uses, give what they gave.
    const QStringList ranges{"Mi 570-575", "mi570-MI571", "NVPH 570-573", "Yt 510-513"};
    const QStringList expected{"Mi 570-575|572, 575|2", "mi570-MI571||0", "NVPH 570-573|573|1",
                               "Yt 510-513|510-513|4"};
    QCOMPARE(lineTexts(WantList::of(list, ranges, {}, &entries)), expected);
    QCOMPARE(lineTexts(WantList::of(list, ranges)),
             QStringList({"Mi 570-575|570-575|6", "mi570-MI571|570-571|2", expected[2], expected[3]}));
    // The category's records count, while the prefix is looked for in every record.
    QCOMPARE(lineTexts(WantList::of(list, {"Mi 570-575", "Yt 510-513"}, QStringLiteral("zegels"), &entries)),
             QStringList({"Mi 570-575|572-575|4", "Yt 510-513|510-513|4"}));

    // By a system: a record holds its stamp's latest edition; records without one are left out.
    QCOMPARE(entryTexts(TradeList::of(list, {}, &entries, QStringLiteral("yt"))),
             QStringList({"Yt 512|3|0"}));
    QCOMPARE(entryTexts(TradeList::of(list, {}, &entries, QStringLiteral("Mi"))),
             QStringList({"mi 571|2|0", "MI 573|2|1"}));
    QCOMPARE(entryTexts(TradeList::of(list, QStringLiteral("Zegels"), &entries, QStringLiteral("Yt"))),
             QStringList());
    QCOMPARE(entryTexts(TradeList::of(list, {}, &entries)), QStringList({"NVPH 570|2|0"}));
}

void WantListTest::sideFileKeepsBytesAndGoesAlongWithSaveAs()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nederland"), records({{"MBund 1"}}));
    // Any spelling of the name reaches the collection's own list.
    QVERIFY(WantListFile::write(CollectionFiles(folder.folder(), QStringLiteral("nederland")).wantList(),
                                {QStringLiteral("MBund 1-20"), QStringLiteral("Zegel € 5")}));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/.mancolijst/Nederland.txt")),
             QByteArray("MBund 1-20\r\nZegel \x80 5\r\n"));
    QVERIFY(CollectionFiles(folder.folder(), QStringLiteral("../Buiten")).wantList().isEmpty());
    QVERIFY(!WantListFile::write(QString(), {}));

    OpenCollection collection(folder.folder());
    QVERIFY(collection.open(QStringLiteral("Nederland")));
    QVERIFY(collection.saveAs(QStringLiteral("Nederland 2")));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/.mancolijst/Nederland 2.txt")),
             folder.read(QStringLiteral("Verzameling/.mancolijst/Nederland.txt")));
}

void WantListTest::printsTitleRunsAndPageNumbers()
{
    ListReport report{QStringLiteral("Mancolijst Nederland"),
                      {QStringLiteral("Reeks"), QStringLiteral("Ontbrekend"), QStringLiteral("Aantal")},
                      {},
                      {QStringLiteral("Totaal"), QString(), QStringLiteral("160")}};
    QStringList runs;
    for (int number = 1; number < 200; number += 2)
        runs.append(QString::number(number));
    report.rows.push_back({QStringLiteral("1-200"), runs.join(QStringLiteral(", ")), QStringLiteral("100")});
    for (int line = 0; line < 60; ++line)
        report.rows.push_back(
            {QStringLiteral("LP %1").arg(line), QString::number(line), QStringLiteral("1")});
    RecordingCanvas canvas;
    const std::vector<PrintListReport::Column> columns{
        {1200, 2700, false}, {4000, 3000, false}, {9600, 1200, true}};
    PrintListReport::print(canvas, report, columns);

    QCOMPARE(canvas.documentsEnded(), 1);
    QVERIFY(canvas.find(QStringLiteral("Mancolijst Nederland")));
    // The long runs go on over several lines, each within its column.
    int runLines = 0;
    for (const RecordingCanvas::Text &text : canvas.texts()) {
        if (text.x == 4000 && text.text.contains(u',')) {
            ++runLines;
            QVERIFY(MeasureTextWidth(text.text) <= 3000);
        }
    }
    QVERIFY(runLines > 3);
    QCOMPARE(canvas.pageCount(), 2);
    QCOMPARE(canvas.find(QStringLiteral("Pagina 1 van 2"))->page, 0);
    QCOMPARE(canvas.find(QStringLiteral("Pagina 2 van 2"))->page, 1);
    QVERIFY(canvas.find(QStringLiteral("Totaal"))->bold);
    QCOMPARE(canvas.find(QStringLiteral("Totaal"))->page, 1);
    // Headings again on the second page.
    QCOMPARE(canvas.textsAt(1, PrintListReport::LaterFirstLineY).size(), size_t(3));
}

void WantListTest::windowsWorkFromTheMenu()
{
    TestFolder folder;
    writeCollection(
        folder, QStringLiteral("Nederland"),
        records({{"LP 1", "Luchtpost"}, {"LP3", "Luchtpost"}, {"5"}, {"5", "Luchtpost"}, {"LP 3"}}));
    folder.write(QStringLiteral("Verzameling/.catalogi/Nederland.txt"),
                 "1950\t5\tMi\t10\t\t\r\n1950\tLP3\tMi\t12\t\t\r\n1950\tLP 3\tMi\t12\t\t\r\n");
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Nederland"));

    onDialog<WantListDialog>(*window, "ToolsWantList", [](WantListDialog &dialog) {
        auto *ranges = control<QPlainTextEdit>(dialog, "RangesText");
        auto *table = control<QTableWidget>(dialog, "ResultTable");
        QVERIFY(ranges->toPlainText().isEmpty());
        for (const char *line : {"LP1-LP4", "1-6", "9-1"}) {
            if (!ranges->toPlainText().isEmpty())
                QTest::keyClick(ranges, Qt::Key_Return);
            QTest::keyClicks(ranges, QLatin1String(line));
        }
        QCOMPARE(tableTexts(table),
                 QStringList({"LP1-LP4|2, 4|2", "1-6|1-4, 6|5", "9-1|kan niet worden gelezen|"}));
        QCOMPARE(control<QLabel>(dialog, "TotalLabel")->text(), QStringLiteral("Totaal ontbrekend : 7"));
        auto *category = control<QComboBox>(dialog, "CategoryCombo");
        QCOMPARE(category->count(), 2);
        category->setCurrentIndex(1);
        QCOMPARE(tableTexts(table).first(), QStringLiteral("LP1-LP4|2, 4|2"));
        QCOMPARE(tableTexts(table).at(1), QStringLiteral("1-6|1-4, 6|5"));
        clickButton(control<VistaButton>(dialog, "CopyKnop"));
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("LP1-LP4\t2, 4\t2\n1-6\t1-4, 6\t5\nTotaal\t\t7\n"));
        QTemporaryDir output;
        const QString csv = output.filePath(QStringLiteral("lijst.csv"));
        dialog.askCsvFile = [&](QWidget *, const QString &name) {
            return name == QStringLiteral("Mancolijst Nederland") ? csv : QString();
        };
        clickButton(control<VistaButton>(dialog, "CsvKnop"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xef\xbb\xbf\"Reeks\";\"Ontbrekend\";\"Aantal\"\r\n"
                                            "\"LP1-LP4\";\"2, 4\";\"2\"\r\n\"1-6\";\"1-4, 6\";\"5\"\r\n"
                                            "\"Totaal\";\"\";\"7\"\r\n"));

        // Afdrukken asks for the printer first and says where the list went.
        const QString pdf = output.filePath(QStringLiteral("lijst.pdf"));
        dialog.askPdfFile = [&](QWidget *) { return pdf; };
        const BoxRecorder boxes(MessageBox::Answer::Ok);
        choosePdfFileWhenAsked();
        clickButton(control<VistaButton>(dialog, "PrintKnop"));
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text, QStringLiteral("Opgeslagen als PDF-bestand: ") + pdf);
        QVERIFY(QFileInfo(pdf).size() > 0);
    });
    // The ranges were kept when the window closed, and come back with it.
    QCOMPARE(folder.read(QStringLiteral("Verzameling/.mancolijst/Nederland.txt")),
             QByteArray("LP1-LP4\r\n1-6\r\n9-1\r\n"));
    onDialog<WantListDialog>(*window, "ToolsWantList", [](WantListDialog &dialog) {
        QCOMPARE(control<QPlainTextEdit>(dialog, "RangesText")->toPlainText(),
                 QStringLiteral("LP1-LP4\n1-6\n9-1"));
    });

    // A double click on a double picks its first record.
    onDialog<TradeListDialog>(*window, "ToolsTradeList", [&](TradeListDialog &dialog) {
        auto *table = control<QTableWidget>(dialog, "ResultTable");
        QCOMPARE(tableTexts(table), QStringList({"5|2", "LP3|2"}));
        // Counted by another system's numbers instead.
        auto *system = control<QComboBox>(dialog, "SystemCombo");
        QCOMPARE(system->count(), 2);
        system->setCurrentIndex(1);
        QCOMPARE(tableTexts(table), QStringList({"Mi 10|2", "Mi 12|2"}));
        system->setCurrentIndex(0);
        const QRect cell = table->visualItemRect(table->item(1, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(window->selectedRow(), 1);
    });
}

QTEST_MAIN(WantListTest)
#include "tst_wantlist.moc"
