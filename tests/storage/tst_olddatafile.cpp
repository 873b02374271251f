#include "common/TestFolder.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/OldDataFile.h"
#include "storage/keeping/CollectionSave.h"

#include <QTest>

namespace {

// The fourteen lines of an old record and its separator.
QStringList oldRecord(const QString &catalogueNumber, const QString &year, const QStringList &flags)
{
    return {catalogueNumber, year,        "Frankeerzegels", "Onderwerp", "Gewoon",
            "Los",           "10 cent",   "Afbeelding",     "Info",      flags.at(0),
            flags.at(1),     flags.at(2), "1,25",           "0.80",      "=========="};
}

const QStringList Header{"Oude kop 1", "Oude kop 2", "Oude kop 3"};

} // namespace

class OldDataFileTest : public QObject {
    Q_OBJECT

private slots:
    void conditionFollowsTheLastSetFlag_data();
    void conditionFollowsTheLastSetFlag();
    void fieldsMoveToTheirNewPlaces();
    void recordsWithABlankCatalogueNumberAreSkipped();
    void aCutOffRecordIsDroppedButAMissingLastSeparatorIsNot();
    void aLargeFileIsReadInPartsInFileOrder();
    void aMissingFileLeavesTheListEmpty();
    void importThenSaveWritesTheYearFirstAndLeavesTheOldFile();
};

void OldDataFileTest::conditionFollowsTheLastSetFlag_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("condition");
    QTest::newRow("mint") << QStringList{"True", "False", "False"} << "Postfris";
    QTest::newRow("cancelled") << QStringList{"False", "True", "False"} << "Gestempeld";
    QTest::newRow("all") << QStringList{"True", "True", "True"} << "1e dag envelop";
    QTest::newRow("mint and cancelled") << QStringList{"True", "True", "False"} << "Gestempeld";
    QTest::newRow("none") << QStringList{"False", "False", "False"} << "-";
    QTest::newRow("lower case") << QStringList{"true", "TRUE", " True"} << "-";
}

void OldDataFileTest::conditionFollowsTheLastSetFlag()
{
    QFETCH(QStringList, flags);
    QFETCH(QString, condition);
    const std::vector<StampRecord> records = OldDataFile::parse(crlf(Header + oldRecord("1", "1900", flags)));
    QCOMPARE(records.size(), size_t(1));
    QCOMPARE(records[0][StampRecord::Condition], condition);
}

void OldDataFileTest::fieldsMoveToTheirNewPlaces()
{
    const std::vector<StampRecord> records =
        OldDataFile::parse(crlf(Header + oldRecord(" 12a ", " 1923", {"False", "True", "False"})));
    QCOMPARE(records.size(), size_t(1));
    const QStringList expected{" 1923",   " 12a ",      "Frankeerzegels", "Onderwerp",  "Gewoon", "Los",
                               "10 cent", "Afbeelding", "Info",           "Gestempeld", "1,25",   "0.80"};
    for (int field = 0; field < StampRecord::FieldCount; ++field)
        QCOMPARE(records[0][field], expected.at(field));
}

void OldDataFileTest::recordsWithABlankCatalogueNumberAreSkipped()
{
    const QStringList flags{"False", "False", "False"};
    const std::vector<StampRecord> records =
        OldDataFile::parse(crlf(Header + oldRecord("1", "1900", flags) + oldRecord("   ", "1901", flags) +
                                oldRecord("3", "1902", flags)));
    QCOMPARE(records.size(), size_t(2));
    QCOMPARE(records[1][StampRecord::CatalogueNumber], QString("3"));
    QCOMPARE(records[1][StampRecord::Year], QString("1902"));
}

void OldDataFileTest::aCutOffRecordIsDroppedButAMissingLastSeparatorIsNot()
{
    const QStringList flags{"True", "False", "False"};
    const QStringList two = Header + oldRecord("1", "1900", flags) + oldRecord("2", "1901", flags);
    QCOMPARE(OldDataFile::parse(crlf(two + oldRecord("3", "1902", flags).mid(0, 7))).size(), size_t(2));

    QByteArray withoutSeparator = crlf(two + oldRecord("3", "1902", flags).mid(0, 14));
    withoutSeparator.chop(2);
    QCOMPARE(OldDataFile::parse(withoutSeparator).size(), size_t(3));
    QVERIFY(OldDataFile::parse(crlf({"kop"})).empty());
}

void OldDataFileTest::aLargeFileIsReadInPartsInFileOrder()
{
    // Megabytes enough to be read on several threads.
    const QStringList flags{"False", "True", "False"};
    QStringList lines = Header;
    for (int record = 0; record < 30000; ++record)
        lines += oldRecord(record % 100 == 7 ? QString() : QString::number(record), "1900", flags);
    const std::vector<StampRecord> records = OldDataFile::parse(crlf(lines));
    QCOMPARE(records.size(), size_t(30000 - 300));
    size_t row = 0;
    for (int record = 0; record < 30000; ++record) {
        if (record % 100 != 7)
            QCOMPARE(records[row++][StampRecord::CatalogueNumber], QString::number(record));
    }
}

void OldDataFileTest::aMissingFileLeavesTheListEmpty()
{
    TestFolder home;
    RecordList list;
    list.append(StampRecord{});
    QVERIFY(!ImportOldData(home.folder(), "Nergens", list));
    QCOMPARE(list.count(), 0);
}

void OldDataFileTest::importThenSaveWritesTheYearFirstAndLeavesTheOldFile()
{
    TestFolder home;
    const QByteArray old = crlf(Header + oldRecord("77", "1950", {"False", "False", "True"}));
    home.write("Verzameling/Oud.cat", old);
    RecordList list;
    QVERIFY(ImportOldData(home.folder(), "Oud", list));
    QVERIFY(SaveCollection(home.folder(), "Oud", list));
    QCOMPARE(home.read("Verzameling/Oud.cat"), old);
    QCOMPARE(
        home.read("Verzameling/Oud.col"),
        QByteArray("Tessaron2 Zegelarchief\xae 2.00\r\nOud\r\n----------------------------\r\n"
                   "1950\r\n77\r\nFrankeerzegels\r\nOnderwerp\r\nGewoon\r\nLos\r\n10 cent\r\nAfbeelding\r\n"
                   "Info\r\n1e dag envelop\r\n1,25\r\n0.80\r\n----------------------------\r\n"));
}

QTEST_GUILESS_MAIN(OldDataFileTest)
#include "tst_olddatafile.moc"
