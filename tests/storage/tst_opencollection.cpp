#include "common/CollectionState.h"
#include "common/TestFolder.h"
#include "storage/document/OpenCollection.h"
#include "storage/document/RecordSearch.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/keeping/ListChange.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

StampRecord stamp(const QString &year, const QString &number, const QString &subject = QString())
{
    StampRecord record;
    record[StampRecord::Year] = year;
    record[StampRecord::CatalogueNumber] = number;
    record[StampRecord::Subject] = subject;
    return record;
}

std::vector<StampRecord> threeStamps()
{
    return {stamp(QStringLiteral("1999"), QStringLiteral("9"), QStringLiteral("Molens")),
            stamp(QStringLiteral("1852"), QStringLiteral("100"), QStringLiteral("Koning")),
            stamp(QStringLiteral("2001"), QStringLiteral("10"), QStringLiteral("Bloemen"))};
}

QByteArray fileOf(const OpenCollection &collection)
{
    return CollectionFile::serialize(collection.name(), collection.records().records());
}

// The collection with its list watched by the model tester from here on.
struct Document {
    explicit Document(const TestFolder &home)
        : collection(home.folder())
        , tester(collection.listModel(), QAbstractItemModelTester::FailureReportingMode::QtTest)
    {
        collection.startNew(QStringLiteral("Land"), threeStamps());
    }

    OpenCollection collection;
    QAbstractItemModelTester tester;
};

} // namespace

class OpenCollectionTest : public QObject {
    Q_OBJECT

private slots:
    void everyEditIsOneStepUndoneAndRedoneByteForByte();
    void theSavedStateOfTheHistoryHasNoUnsavedChanges();
    void replacingTheCollectionClearsTheHistory();
    void aSortFollowsTheDirectionRulesAndIsUndoneWithItsState();
    void theHistoryHoldsNoMoreThanTheListAgain();
    void aListSetAsideIsForgottenWhenItsStepLeavesTheHistory();
    void otherCatalogueNumbersAreEditedSavedAndFoundWithTheStamp();
};

void OpenCollectionTest::everyEditIsOneStepUndoneAndRedoneByteForByte()
{
    TestFolder home;
    Document document(home);
    OpenCollection &collection = document.collection;
    QSignalSpy unsaved(&collection, &OpenCollection::unsavedChangesChanged);
    QSignalSpy stepped(&collection, &OpenCollection::historyStepped);

    struct Edit {
        QString text;
        std::function<void()> run;
        int rowUndone; // the record the step touched, after undoing and redoing it
        int rowRedone;
    };
    const std::vector<Edit> edits = {
        {QStringLiteral("Add 1960 5a"), [&] { collection.addRecord(stamp("1960", "5a")); }, -1, 3},
        {QStringLiteral("Wijzig 1961 6"), [&] { collection.replaceRecord(1, stamp("1961", "6")); }, 1, 1},
        {QStringLiteral("Delete 1999 9"), [&] { collection.removeRecord(0); }, 0, -1},
        {QStringLiteral("sorteren op Jaartal"), [&] { collection.sortByColumn(StampRecord::Year); }, -1, -1},
        {QStringLiteral("importeren uit CSV"),
         [&] {
             collection.addImportedRecords({stamp("1800", "1"), stamp("1801", "2")}, false);
         },
         -1, 3},
        {QStringLiteral("vervangen door CSV"),
         [&] { collection.addImportedRecords({stamp("1700", "1")}, true); }, -1, -1},
    };
    std::vector<QByteArray> states{fileOf(collection)};
    for (const Edit &edit : edits) {
        edit.run();
        states.push_back(fileOf(collection));
        QVERIFY(collection.unsavedChanges());
        QCOMPARE(collection.undoText(), edit.text);
        QCOMPARE(collection.stepsInHistory(), static_cast<int>(states.size() - 1));
    }
    QCOMPARE(unsaved.count(), 1);
    QCOMPARE(stepped.count(), 0);

    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        collection.undo();
        states.pop_back();
        QCOMPARE(fileOf(collection), states.back());
        QCOMPARE(stepped.takeLast().at(0).toInt(), edit->rowUndone);
    }
    // Back at the state it was started in: nothing to save.
    QVERIFY(!collection.unsavedChanges());
    QCOMPARE(unsaved.count(), 2);

    for (const Edit &edit : edits) {
        collection.redo();
        QCOMPARE(stepped.takeLast().at(0).toInt(), edit.rowRedone);
    }
    QCOMPARE(collection.records().count(), 1);
    QCOMPARE(collection.records().cell(0, StampRecord::Year), QStringLiteral("1700"));
    QVERIFY(collection.unsavedChanges());
}

void OpenCollectionTest::theSavedStateOfTheHistoryHasNoUnsavedChanges()
{
    TestFolder home;
    home.write(QStringLiteral("Verzameling/Land.col"),
               CollectionFile::serialize(QStringLiteral("Land"), threeStamps()));
    const QByteArray original = home.read(QStringLiteral("Verzameling/Land.col"));
    Document document(home);
    OpenCollection &collection = document.collection;
    QVERIFY(collection.open(QStringLiteral("Land")));

    collection.removeRecord(1);
    collection.sortByColumn(StampRecord::CatalogueNumber);
    collection.undo();
    collection.undo();
    QVERIFY(!collection.unsavedChanges());
    QVERIFY(collection.saveAs(QStringLiteral("Land")));
    QCOMPARE(home.read(QStringLiteral("Verzameling/Land.col")), original);

    // Saved after an edit: undoing it is a change, redoing it is the saved state.
    collection.addRecord(stamp("1960", "5a"));
    QVERIFY(collection.saveAs(QStringLiteral("Land")));
    QVERIFY(!collection.unsavedChanges());
    collection.undo();
    QVERIFY(collection.unsavedChanges());
    collection.redo();
    QVERIFY(!collection.unsavedChanges());

    // Marked without an edit: it stays marked whatever is undone, until a save.
    collection.markChangedWithoutEdit();
    collection.replaceRecord(0, stamp("1961", "6"));
    collection.undo();
    QVERIFY(collection.unsavedChanges());
    QVERIFY(collection.saveAs(QStringLiteral("Land")));
    QVERIFY(!collection.unsavedChanges());
}

void OpenCollectionTest::replacingTheCollectionClearsTheHistory()
{
    TestFolder home;
    home.write(QStringLiteral("Verzameling/Land.col"),
               CollectionFile::serialize(QStringLiteral("Land"), threeStamps()));
    Document document(home);
    OpenCollection &collection = document.collection;
    QVERIFY(collection.open(QStringLiteral("Land")));
    collection.addRecord(stamp("1960", "5a"));
    QVERIFY(collection.saveAs(QStringLiteral("Land"))); // the three stamps become a version
    const CollectionVersions::Version version =
        CollectionVersions(home.folder()).versions(QStringLiteral("Land")).at(0);

    const std::vector<std::pair<const char *, std::function<void()>>> replacements = {
        {"new", [&] { collection.startNew(QStringLiteral("Nieuw")); }},
        {"open", [&] { QVERIFY(collection.open(QStringLiteral("Land"))); }},
        {"old data", [&] { QVERIFY(!collection.importOldData(QStringLiteral("Ontbreekt"))); }},
        {"version", [&] { QVERIFY(collection.restoreVersion(version)); }},
    };
    for (const auto &[how, replace] : replacements) {
        collection.addRecord(stamp("1970", "7"));
        collection.sortByColumn(StampRecord::Year);
        collection.undo();
        QVERIFY2(collection.canRedo(), how);
        replace();
        QVERIFY2(!collection.canUndo() && !collection.canRedo(), how);
    }
    // A restored version is unsaved, and stays so with nothing to undo.
    QVERIFY(collection.unsavedChanges());
    QCOMPARE(collection.records().count(), 3);
}

void OpenCollectionTest::aSortFollowsTheDirectionRulesAndIsUndoneWithItsState()
{
    TestFolder home;
    Document document(home);
    OpenCollection &collection = document.collection;
    QImage ascending(16, 16, QImage::Format_ARGB32);
    ascending.fill(Qt::red);
    QImage descending(16, 16, QImage::Format_ARGB32);
    descending.fill(Qt::blue);
    collection.setSortPictures(ascending, descending);
    const QAbstractItemModel &model = *collection.listModel();
    const auto picture = [&model](int column) {
        const QVariant shown = model.headerData(column, Qt::Horizontal, Qt::DecorationRole);
        return shown.isNull() ? QColor() : shown.value<QPixmap>().toImage().pixelColor(0, 0);
    };
    const auto years = [&collection] {
        QStringList texts;
        for (const StampRecord &record : collection.records().records())
            texts.append(record[StampRecord::Year]);
        return texts;
    };
    QSignalSpy states(&collection, &OpenCollection::sortStateChanged);

    // A view cannot reorder or change the rows behind the collection's back:
    // only its verbs do, each as a step of its history.
    const QStringList unsorted = years();
    QAbstractItemModel &shown = *collection.listModel();
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder})
        shown.sort(StampRecord::Year, order);
    QVERIFY(!shown.setData(shown.index(0, StampRecord::Year), QStringLiteral("1800")));
    QVERIFY(!shown.removeRows(0, 1) && !shown.moveRows({}, 0, 1, {}, 3));
    QCOMPARE(years(), unsorted);
    QVERIFY(!collection.unsavedChanges() && collection.stepsInHistory() == 0 && states.isEmpty());

    // At start the catalogue number shows the ascending picture: its first click sorts descending.
    QCOMPARE(picture(StampRecord::CatalogueNumber), QColor(Qt::red));
    QCOMPARE(collection.sortState().sortedBy, -1);
    collection.sortByColumn(StampRecord::CatalogueNumber);
    QCOMPARE(collection.sortState().direction, Qt::DescendingOrder);
    QCOMPARE(picture(StampRecord::CatalogueNumber), QColor(Qt::blue));

    collection.sortByColumn(StampRecord::Year);
    QCOMPARE(years(), QStringList({"1852", "1999", "2001"}));
    QCOMPARE(picture(StampRecord::CatalogueNumber), QColor());
    collection.sortByColumn(StampRecord::Year);
    QCOMPARE(years(), QStringList({"2001", "1999", "1852"}));
    QCOMPARE(picture(StampRecord::Year), QColor(Qt::blue));
    collection.clearSortMark();
    QCOMPARE(picture(StampRecord::Year), QColor());
    QCOMPARE(collection.sortState().sortedBy, int(StampRecord::Year));

    // Undone: each order and picture as it was before its sort.
    collection.undo();
    QCOMPARE(years(), QStringList({"1852", "1999", "2001"}));
    QCOMPARE(picture(StampRecord::Year), QColor(Qt::red));
    collection.undo();
    collection.undo();
    QCOMPARE(years(), QStringList({"1999", "1852", "2001"}));
    QCOMPARE(collection.sortState(), SortState());
    QCOMPARE(picture(StampRecord::CatalogueNumber), QColor(Qt::red));
    QCOMPARE(states.count(), 7);
    QVERIFY(!collection.unsavedChanges());
}

void OpenCollectionTest::theHistoryHoldsNoMoreThanTheListAgain()
{
    TestFolder home;
    Document document(home);
    OpenCollection &collection = document.collection;
    collection.addRecord(stamp("1960", "1"));
    // A large import, then another that replaces every record with a few.
    std::vector<StampRecord> many(150000, stamp("1900", "x"));
    collection.addImportedRecords(std::move(many), false);
    QCOMPARE(collection.stepsInHistory(), 2);
    collection.addImportedRecords(threeStamps(), true);

    // The newest step stays, the older ones went; the saved state went with them.
    QCOMPARE(collection.stepsInHistory(), 1);
    collection.undo();
    QCOMPARE(collection.records().count(), 150004);
    QVERIFY(!collection.canUndo());
    QVERIFY(collection.unsavedChanges());
    collection.redo();
    QCOMPARE(recordsCopy(collection.records().records()), threeStamps());

    // A saved large list replaced by a few records: that one step trims the
    // history at once, and the saved state stays the one before it.
    collection.addImportedRecords(std::vector<StampRecord>(150000, stamp("1900", "x")), true);
    QVERIFY(collection.saveAs(QStringLiteral("Groot")));
    collection.addImportedRecords(threeStamps(), true);
    QVERIFY(collection.unsavedChanges());
    collection.undo();
    QVERIFY(!collection.unsavedChanges());
    collection.redo();
    QVERIFY(collection.unsavedChanges());
}

void OpenCollectionTest::aListSetAsideIsForgottenWhenItsStepLeavesTheHistory()
{
    TestFolder home;
    Document document(home);
    OpenCollection &collection = document.collection;
    using Use = ListChange::AsideUse;
    std::vector<std::pair<Use, quint64>> seen;
    connect(&collection, &OpenCollection::listChanged, this,
            [&](const std::shared_ptr<const ListChange> &change) {
                seen.emplace_back(change->asideUse(), change->aside());
            });
    collection.addImportedRecords(std::vector<StampRecord>(150000, stamp("1900", "x")), true);
    collection.undo();
    collection.redo();
    // Too much for the history: the first import goes, the second stays.
    collection.addImportedRecords(threeStamps(), true);
    collection.undo();
    // A new step drops the second import, which was undone.
    collection.addRecord(stamp("1960", "1"));
    QCOMPARE(seen.size(), size_t(8));
    const quint64 first = seen[0].second;
    const quint64 second = seen[3].second;
    QVERIFY(first != 0 && second != 0 && first != second);
    const std::vector<std::pair<Use, quint64>> expected{
        {Use::SetsAside, first}, {Use::Swaps, first},  {Use::Swaps, first}, {Use::SetsAside, second},
        {Use::Forgets, first},   {Use::Swaps, second}, {Use::None, 0},      {Use::Forgets, second}};
    QVERIFY(seen == expected);
    // Another collection in its place: its changes start anew, nothing to forget.
    collection.addImportedRecords(threeStamps(), true);
    collection.startNew(QStringLiteral("Nieuw"));
    QCOMPARE(seen.size(), size_t(9));
}

// The numbers of other catalogue systems: edits of the collection that follow
// the stamp, are saved beside it byte for byte, read back, found by the search;
// a damaged file of them still opens, told once.
void OpenCollectionTest::otherCatalogueNumbersAreEditedSavedAndFoundWithTheStamp()
{
    TestFolder home;
    Document document(home);
    OpenCollection &collection = document.collection;
    QSignalSpy entriesChanged(&collection, &OpenCollection::catalogueEntriesChanged);
    const CatalogueEntries::List entries{
        {QStringLiteral("Yt"), QStringLiteral("512"), {}, {}},
        {QStringLiteral("Mi"), QStringLiteral("535"), QStringLiteral("1,20"), QStringLiteral("2023")}};
    collection.setCatalogueEntries(1, entries);
    QVERIFY(collection.unsavedChanges());
    QCOMPARE(collection.catalogueEntriesOf(1), entries);
    QCOMPARE(entriesChanged.count(), 1);
    collection.undo();
    QVERIFY(collection.catalogueEntriesOf(1).isEmpty());
    QVERIFY(!collection.unsavedChanges());
    collection.redo();
    QCOMPARE(collection.catalogueEntriesOf(1), entries);

    // A new Cat.nr. takes the entries along; undone, they are back on the old one.
    collection.replaceRecord(1, stamp(QStringLiteral(" 1852 "), QStringLiteral("100a")));
    QCOMPARE(collection.catalogueEntriesOf(1), entries);
    QVERIFY(!collection.catalogueEntries().has(QStringLiteral("1852\t100")));
    collection.undo();
    QCOMPARE(collection.catalogueEntries().of(QStringLiteral("1852\t100")), entries);
    QVERIFY(!collection.catalogueEntries().has(QStringLiteral("1852\t100a")));
    // Another record of the same stamp keeps them.
    collection.addRecord(stamp(QStringLiteral("1852"), QStringLiteral("100")));
    collection.replaceRecord(1, stamp(QStringLiteral("1852"), QStringLiteral("100b")));
    QCOMPARE(collection.catalogueEntriesOf(1), entries);
    QCOMPARE(collection.catalogueEntriesOf(3), entries);

    // Found by any of its numbers, in any spelling; plain text still finds fields.
    for (const char *text : {"mi535", "MI 535", "Mi 535", "Yt 512"})
        QCOMPARE(RecordSearch::find(collection.records(), QString::fromLatin1(text), 1,
                                    RecordSearch::Direction::Next, &collection.catalogueEntries()),
                 3);
    QCOMPARE(RecordSearch::find(collection.records(), QStringLiteral("Sc 535"), -1,
                                RecordSearch::Direction::Next, &collection.catalogueEntries()),
             -1);
    QCOMPARE(RecordSearch::find(collection.records(), QStringLiteral("molens"), -1,
                                RecordSearch::Direction::Next, &collection.catalogueEntries()),
             0);

    // Saved beside the collection, by stamp, in the file's fixed form.
    QVERIFY(collection.saveAs(QStringLiteral("Land")));
    const QByteArray expected = "1852\t100\tYt\t512\t\t\r\n"
                                "1852\t100\tMi\t535\t1,20\t2023\r\n"
                                "1852\t100b\tYt\t512\t\t\r\n"
                                "1852\t100b\tMi\t535\t1,20\t2023\r\n";
    QCOMPARE(home.read(QStringLiteral("Verzameling/.catalogi/Land.txt")), expected);
    QVERIFY(collection.saveAs(QStringLiteral("Ander")));
    QCOMPARE(home.read(QStringLiteral("Verzameling/.catalogi/Ander.txt")), expected);
    OpenCollection reopened(home.folder());
    QVERIFY(reopened.open(QStringLiteral("Land")));
    QCOMPARE(reopened.catalogueEntriesOf(1), entries);
    QCOMPARE(reopened.catalogueEntries().systemsInUse(), QStringList({"Mi", "Yt"}));
    // Many changes go in with those read; every stamp keeps its entries.
    CatalogueEntries many = reopened.catalogueEntries();
    for (int number = 0; number < 1100; ++number)
        many.set(QStringLiteral("1900\t%1").arg(number),
                 {{QStringLiteral("SG"), QString::number(number), {}, {}}});
    QCOMPARE(many.stampCount(), qsizetype(1102));
    QCOMPARE(many.of(QStringLiteral("1900\t7")).front().number, QStringLiteral("7"));
    QCOMPARE(many.of(QStringLiteral("1852\t100b")), entries);
    QCOMPARE(many.systemsInUse(), QStringList({"Mi", "SG", "Yt"}));

    // A version brings back its own entries.
    collection.setCatalogueEntries(1, {});
    collection.setCatalogueEntries(3, {});
    QVERIFY(collection.saveAs(QStringLiteral("Land")));
    QVERIFY(!home.exists(QStringLiteral("Verzameling/.catalogi/Land.txt")));
    QVERIFY(
        reopened.restoreVersion(CollectionVersions(home.folder()).versions(QStringLiteral("Land")).front()));
    QCOMPARE(reopened.catalogueEntriesOf(3), entries);

    // Damaged: garbage, too few fields, a byte no text holds. The lines that
    // can be read are used, the file is kept aside, and the next open is quiet.
    home.write(QStringLiteral("Verzameling/.catalogi/Ander.txt"),
               QByteArrayLiteral("1852\t100\tMi\t535\t\t\r\n\x01\x02\xff\x00garbage\r\n1852\t100\tYt\r\n"
                                 "1852\t100\tSG\t7\x81\t\t\r\n"));
    QSignalSpy damaged(&reopened, &OpenCollection::catalogueDamaged);
    QVERIFY(reopened.open(QStringLiteral("Ander")));
    QCOMPARE(damaged.count(), 1);
    QCOMPARE(damaged.at(0).at(1).value<qsizetype>(), qsizetype(3));
    QCOMPARE(reopened.catalogueEntriesOf(3),
             (CatalogueEntries::List{{QStringLiteral("Mi"), QStringLiteral("535"), {}, {}}}));
    QVERIFY(QFile::exists(damaged.at(0).at(2).toString()));
    QVERIFY(reopened.open(QStringLiteral("Ander")));
    QCOMPARE(damaged.count(), 1);
}

QTEST_MAIN(OpenCollectionTest)
#include "tst_opencollection.moc"
