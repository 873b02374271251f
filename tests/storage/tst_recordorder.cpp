#include "storage/RecordList.h"

#include <QPersistentModelIndex>
#include <QTest>

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
};

void RecordOrderTest::numbersSortAsTextWithEmptyCellsFirst()
{
    RecordList list;
    fill(list, {{"1", "9"}, {"2", "100"}, {"3", ""}, {"4", "10"}});
    list.sort(StampRecord::CatalogueNumber, Qt::AscendingOrder);
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"", "10", "100", "9"}));
    QCOMPARE(column(list, StampRecord::Year), QStringList({"3", "4", "2", "1"}));
    list.sort(StampRecord::CatalogueNumber, Qt::DescendingOrder);
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"9", "100", "10", ""}));
}

void RecordOrderTest::lettersSortWithoutRegardToCase()
{
    RecordList list;
    fill(list, {{"1", "banaan"}, {"2", "Appel"}, {"3", "aap"}, {"4", "Beer"}});
    list.sort(StampRecord::CatalogueNumber, Qt::AscendingOrder);
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"aap", "Appel", "banaan", "Beer"}));
}

void RecordOrderTest::equalKeysKeepTheirOrderBothWays()
{
    RecordList list;
    fill(list, {{"1990", "a"}, {"1980", "b"}, {"1990", "c"}, {"1980", "d"}, {"1990", "e"}});
    list.sort(StampRecord::Year, Qt::AscendingOrder);
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"b", "d", "a", "c", "e"}));
    list.sort(StampRecord::Year, Qt::DescendingOrder);
    QCOMPARE(column(list, StampRecord::CatalogueNumber), QStringList({"a", "c", "e", "b", "d"}));

    // Different texts that differ only in case are equal keys as well.
    list.clear();
    fill(list, {{"1", "blok"}, {"2", "Los"}, {"3", "BLOK"}, {"4", "los"}, {"5", "Blok"}});
    list.sort(StampRecord::CatalogueNumber, Qt::AscendingOrder);
    QCOMPARE(column(list, StampRecord::Year), QStringList({"1", "3", "5", "2", "4"}));
    list.sort(StampRecord::CatalogueNumber, Qt::DescendingOrder);
    QCOMPARE(column(list, StampRecord::Year), QStringList({"2", "4", "1", "3", "5"}));
}

void RecordOrderTest::aSelectedRecordStaysSelectedAfterASort()
{
    RecordList list;
    fill(list, {{"2000", "x"}, {"1900", "y"}, {"1950", "z"}});
    const QPersistentModelIndex selected = list.index(0, 1);
    list.sort(StampRecord::Year, Qt::AscendingOrder);
    QCOMPARE(selected.row(), 2);
    QCOMPARE(selected.data().toString(), QString("x"));
}

QTEST_GUILESS_MAIN(RecordOrderTest)
#include "tst_recordorder.moc"
