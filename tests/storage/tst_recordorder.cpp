#include "storage/document/RecordList.h"
#include "storage/document/RecordOrder.h"
#include "storage/formats/CollectionFile.h"

#include <QPersistentModelIndex>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

void fill(RecordList &list, const QList<QPair<QString, QString>> &yearAndNumber)
{
    for (const auto &[year, number] : yearAndNumber) {
        StampRecord record;
        record[StampRecord::Year] = year;
        record[StampRecord::CatalogueNumber] = number;
        list.append(record);
    }
}

QStringList column(const RecordList &list, int field)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.cell(row, field);
    return texts;
}

} // namespace

class RecordOrderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }
    void numbersSortAsTextWithEmptyCellsFirst();
    void lettersSortWithoutRegardToCase();
    void equalKeysKeepTheirOrderBothWays();
    void aSelectedRecordStaysSelectedAfterASort();
    void aLoadedListSortsAndDeletesCellForCell();
    void editsAroundTheRoomInTheMiddleKeepEveryRecord();
};

void RecordOrderTest::numbersSortAsTextWithEmptyCellsFirst()
{
    RecordList list;
    fill(list, {{"1", "9"}, {"2", "100"}, {"3", ""}, {"4", "10"}});
    list.permute(RecordOrder::sorted(list.records(), StampRecord::CatalogueNumber, Qt::AscendingOrder));
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"", "10", "100", "9"}));
    QCOMPARE(column(list, StampRecord::Year), QStringList({"3", "4", "2", "1"}));
    list.permute(RecordOrder::sorted(list.records(), StampRecord::CatalogueNumber, Qt::DescendingOrder));
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"9", "100", "10", ""}));
}

void RecordOrderTest::lettersSortWithoutRegardToCase()
{
    RecordList list;
    fill(list, {{"1", "banaan"}, {"2", "Appel"}, {"3", "aap"}, {"4", "Beer"}});
    list.permute(RecordOrder::sorted(list.records(), StampRecord::CatalogueNumber, Qt::AscendingOrder));
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"aap", "Appel", "banaan", "Beer"}));
}

void RecordOrderTest::equalKeysKeepTheirOrderBothWays()
{
    RecordList list;
    fill(list, {{"1990", "a"}, {"1980", "b"}, {"1990", "c"}, {"1980", "d"}, {"1990", "e"}});
    list.permute(RecordOrder::sorted(list.records(), StampRecord::Year, Qt::AscendingOrder));
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"b", "d", "a", "c", "e"}));
    list.permute(RecordOrder::sorted(list.records(), StampRecord::Year, Qt::DescendingOrder));
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"a", "c", "e", "b", "d"}));

    // Different texts that differ only in case are equal keys as well.
    list.clear();
    fill(list, {{"1", "blok"}, {"2", "Los"}, {"3", "BLOK"}, {"4", "los"}, {"5", "Blok"}});
    list.permute(RecordOrder::sorted(list.records(), StampRecord::CatalogueNumber, Qt::AscendingOrder));
    QCOMPARE(column(list, StampRecord::Year), QStringList({"1", "3", "5", "2", "4"}));
    list.permute(RecordOrder::sorted(list.records(), StampRecord::CatalogueNumber, Qt::DescendingOrder));
    QCOMPARE(column(list, StampRecord::Year), QStringList({"2", "4", "1", "3", "5"}));
}

void RecordOrderTest::aSelectedRecordStaysSelectedAfterASort()
{
    RecordList list;
    fill(list, {{"2000", "x"}, {"1900", "y"}, {"1950", "z"}});
    const QPersistentModelIndex selected = list.index(0, 1);
    list.permute(RecordOrder::sorted(list.records(), StampRecord::Year, Qt::AscendingOrder));
    QCOMPARE(selected.row(), 2);
    QCOMPARE(selected.data().toString(), QString("x"));
}

void RecordOrderTest::aLoadedListSortsAndDeletesCellForCell()
{
    // More records than one piece of a parallel load, and more than a
    // megabyte of them behind a row in the middle (moved by streaming stores);
    // texts shared between records, packed into blocks, and long enough to
    // have their own memory. Multiplying by a prime coprime to the count gives
    // long permutation cycles.
    constexpr int Count = 20000;
    std::vector<StampRecord> written(Count);
    for (int i = 0; i < Count; ++i) {
        StampRecord &record = written[size_t(i)];
        for (int field = 0; field < StampRecord::FieldCount; ++field)
            record[field] = QStringLiteral("f%1 r%2").arg(field).arg(i);
        record[StampRecord::Year] = QString::number(1850 + i % 7);
        record[StampRecord::CatalogueNumber] =
            QStringLiteral("n%1").arg((i * 7919) % Count, 5, 10, QChar(u'0'));
        record[StampRecord::Category] = i % 3 == 0 ? QStringLiteral("Zegel") : QStringLiteral("Blok");
        record[StampRecord::Info] = QString(300 + i % 5, QChar(u'a' + i % 26));
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Groot.col"));
    QVERIFY(CollectionFile::write(path, QStringLiteral("Groot"), written));
    std::vector<StampRecord> loaded;
    QVERIFY(CollectionFile::readRecords(path, loaded));
    QCOMPARE(loaded, written);
    RecordList list;
    list.assign(std::move(loaded));

    // The expected order by plain comparison of the unique, equally long numbers.
    std::vector<StampRecord> expected = written;
    const auto byNumber = [](const StampRecord &left, const StampRecord &right) {
        return left[StampRecord::CatalogueNumber] < right[StampRecord::CatalogueNumber];
    };
    std::sort(expected.begin(), expected.end(), byNumber);
    list.permute(RecordOrder::sorted(list.records(), StampRecord::CatalogueNumber, Qt::AscendingOrder));
    QVERIFY(std::ranges::equal(list.records(), expected));

    for (const int row : {0, 2500, 1, Count - 4, 777}) {
        static_cast<void>(list.takeRecords(row, 1));
        expected.erase(expected.begin() + row);
        QVERIFY(std::ranges::equal(list.records(), expected));
    }
    // Records out and back in again, as deleted records undone: each move of
    // the records before or after them, down and up, keeps every byte; the
    // last puts back more than the room before the first row holds.
    for (const auto &[row, count] : {std::pair{3, 3}, {1001, 3}, {Count / 2, 3}, {Count - 20, 3}, {5, 400}}) {
        std::vector<StampRecord> taken = list.takeRecords(row, count);
        QVERIFY(std::equal(taken.begin(), taken.end(), expected.begin() + row));
        list.insertRecords(row, std::move(taken));
        QVERIFY(std::ranges::equal(list.records(), expected));
    }
    std::reverse(expected.begin(), expected.end());
    list.permute(RecordOrder::sorted(list.records(), StampRecord::CatalogueNumber, Qt::DescendingOrder));
    QVERIFY(std::ranges::equal(list.records(), expected));

    // Swapped out whole and back, the room before the first row goes along.
    // A list made to replace it has room where its memory has some to spare,
    // made within that memory.
    std::vector<StampRecord> replacing = written;
    replacing.reserve(Count + Count / 256);
    const StampRecord *const memory = replacing.data();
    RecordList::Storage other = RecordList::withRoomBeforeFirst(std::move(replacing));
    QCOMPARE(other.first, size_t(Count / 256));
    QCOMPARE(other.records.data(), memory);
    list.swapAll(other);
    QVERIFY(std::ranges::equal(list.records(), written));
    list.swapAll(other);
    QVERIFY(std::ranges::equal(list.records(), expected));
    static_cast<void>(list.takeRecords(0, 2));
    list.insertRecords(1, {written[7]});
    expected.erase(expected.begin(), expected.begin() + 2);
    expected.insert(expected.begin() + 1, written[7]);
    QVERIFY(std::ranges::equal(list.records(), expected));
}

// Records taken out and put back here and there, one or many, near the room
// an earlier one left in the middle, across it and far from it, as a
// collector's deletes, adds and undos come; the list read row by row after
// each (which leaves the room where it is) and whole now and then (which
// closes it). More than a megabyte of records moves at times.
void RecordOrderTest::editsAroundTheRoomInTheMiddleKeepEveryRecord()
{
    constexpr int Count = 8000;
    std::vector<StampRecord> expected(Count);
    for (int i = 0; i < Count; ++i) {
        expected[size_t(i)][StampRecord::CatalogueNumber] = QString::number(i);
        expected[size_t(i)][StampRecord::Subject] = QString(20 + i % 7, QChar(u'a' + i % 26));
    }
    RecordList list;
    list.assign(expected);
    QRandomGenerator random(1852);
    int added = 0;
    const auto newRecords = [&added](int count) {
        std::vector<StampRecord> records(static_cast<size_t>(count));
        for (StampRecord &record : records)
            record[StampRecord::CatalogueNumber] = QStringLiteral("nieuw %1").arg(++added);
        return records;
    };
    const auto sameRows = [&] {
        if (list.count() != int(expected.size()))
            return false;
        for (int row = 0; row < list.count(); ++row) {
            if (list.record(row) != expected[size_t(row)])
                return false;
        }
        return true;
    };
    int lastRow = Count / 2;
    for (int step = 0; step < 400; ++step) {
        const int size = int(expected.size());
        // Half the edits near the one before, the others anywhere.
        const int near = std::clamp(lastRow + random.bounded(-20, 21), 0, size);
        const int row = step % 2 == 0 ? near : random.bounded(size + 1);
        const int count = random.bounded(4) == 0 ? random.bounded(1, 300) : 1;
        if (random.bounded(2) == 0 && row + count <= size) {
            std::vector<StampRecord> taken = list.takeRecords(row, count);
            QVERIFY(std::equal(taken.begin(), taken.end(), expected.begin() + row));
            expected.erase(expected.begin() + row, expected.begin() + row + count);
            if (random.bounded(3) == 0) {
                // Undone at once: back where they were.
                list.insertRecords(row, taken);
                expected.insert(expected.begin() + row, taken.begin(), taken.end());
            }
        } else {
            std::vector<StampRecord> records = newRecords(count);
            expected.insert(expected.begin() + row, records.begin(), records.end());
            list.insertRecords(row, std::move(records));
        }
        if (random.bounded(20) == 0 && !expected.empty()) {
            StampRecord changed = newRecords(1).front();
            const int at = random.bounded(int(expected.size()));
            expected[size_t(at)] = changed;
            list.swapRecord(at, changed);
        }
        lastRow = row;
        QVERIFY2(sameRows(), qPrintable(QStringLiteral("step %1").arg(step)));
        if (step % 50 == 49)
            QVERIFY(std::ranges::equal(list.records(), expected));
    }
    // A sort while the room is open.
    const int middle = list.count() / 2;
    static_cast<void>(list.takeRecords(middle, 1));
    expected.erase(expected.begin() + middle);
    const std::vector<int> order =
        RecordOrder::sorted(expected, StampRecord::CatalogueNumber, Qt::AscendingOrder);
    list.permute(order);
    QVERIFY(
        std::ranges::equal(list.records(), order, {}, {}, [&](int from) { return expected[size_t(from)]; }));
}

QTEST_GUILESS_MAIN(RecordOrderTest)
#include "tst_recordorder.moc"
