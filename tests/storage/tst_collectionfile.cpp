#include "common/CollectionState.h"
#include "common/TestFolder.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/RecordParts.h"
#include "storage/keeping/CollectionSave.h"
#include "storage/text/ParallelParts.h"
#include "storage/text/Windows1252.h"

#include <QTest>

namespace {

StampRecord makeRecord(const QStringList &fields)
{
    StampRecord record;
    for (int i = 0; i < StampRecord::FieldCount && i < fields.size(); ++i)
        record[i] = fields.at(i);
    return record;
}

const QString Separator = QStringLiteral("----------------------------");

} // namespace

class CollectionFileTest : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheExactBytes();
    void saveAndLoadRoundTripKeepsRowsAndSpaces();
    void saveTrimsOnlyTheYearAndFlattensLineBreaks();
    void saveReplacesALongerFileWithoutTrailingBytes();
    void saveIntoAMissingCollectionFolderFailsAndWritesNothing();
    void loadTakesTheNameFromLineTwo();
    void loadSkipsOnlyAllBlankRecords();
    void loadOfACutOffFileGivesEmptyTrailingFields();
    void loadOfAShortOrMissingFileLeavesTheListEmpty();
    void loadAcceptsLoneCrAndLoneLfLineEnds();
    void loadOfManyRecordsGivesEveryLineAsWritten();
    void largeFilesAreReadInPartsThatEachBeginWithARecord();
};

void CollectionFileTest::saveWritesTheExactBytes()
{
    TestFolder home;
    RecordList list;
    list.append(makeRecord({"1990", "123a", "Frankeerzegels", "Koningin", "Gewoon", "Los", "75 cent",
                            QString::fromUtf8("Portr\u00e9t"), "-", "Postfris", "2,50", "1.75"}));
    QVERIFY(SaveCollection(home.folder(), "Nederland", list));

    const QByteArray expected = QByteArray("Tessaron2 Zegelarchief\xae 2.00\r\n"
                                           "Nederland\r\n"
                                           "----------------------------\r\n"
                                           "1990\r\n123a\r\nFrankeerzegels\r\nKoningin\r\nGewoon\r\nLos\r\n"
                                           "75 cent\r\nPortr\xe9t\r\n-\r\nPostfris\r\n2,50\r\n1.75\r\n"
                                           "----------------------------\r\n");
    const QByteArray written = home.read("Verzameling/Nederland.col");
    QCOMPARE(written, expected);
    QCOMPARE(written.indexOf("\r\n"), 28);
    QCOMPARE(static_cast<unsigned char>(written.at(22)), 0xAE);
}

void CollectionFileTest::saveAndLoadRoundTripKeepsRowsAndSpaces()
{
    TestFolder home;
    RecordList list;
    list.append(makeRecord(
        {"1852", "1", "Frankeerzegels", " Willem III ", "a", "b", "5 cent", "-", "-", "c", "12,50", "-"}));
    list.append(makeRecord({"", "2 ", "", "-", "", "", "-", "-", "-", "", "-", "-"}));
    list.append(makeRecord({"1999", "123a", "x", "y", "z", "w", "v", "u", "t", "s", "1.234,50", "1 234"}));
    QVERIFY(SaveCollection(home.folder(), "Proef", list));
    QCOMPARE(home.read("Verzameling/Proef.col").count("\r\n"), 42);

    RecordList loaded;
    QString name = "vooraf";
    QVERIFY(LoadCollection(home.folder(), "Proef", loaded, name));
    QCOMPARE(name, QString("Proef"));
    QCOMPARE(recordsCopy(loaded.records()), recordsCopy(list.records()));
}

void CollectionFileTest::saveTrimsOnlyTheYearAndFlattensLineBreaks()
{
    TestFolder home;
    RecordList list;
    list.append(makeRecord({"  1990  ", " 7 ", "", " Onderwerp ", "", "", "", "",
                            "regel een\r\nregel twee\nen\rdrie", "a\r\r\nb\r", "", ""}));
    QVERIFY(SaveCollection(home.folder(), "Spaties", list));
    const QStringList lines = QString::fromLatin1(home.read("Verzameling/Spaties.col")).split("\r\n");
    QCOMPARE(lines.size(), 3 + 13 + 1); // the last CR LF leaves one empty piece
    QCOMPARE(lines.at(3), QString("1990"));
    QCOMPARE(lines.at(4), QString(" 7 "));
    QCOMPARE(lines.at(6), QString(" Onderwerp "));
    QCOMPARE(lines.at(11), QString("regel een regel twee en drie"));
    QCOMPARE(lines.at(12), QString("a  b "));
    QCOMPARE(lines.at(15), Separator);
}

void CollectionFileTest::saveReplacesALongerFileWithoutTrailingBytes()
{
    TestFolder home;
    RecordList list;
    for (int i = 0; i < 20; ++i)
        list.append(makeRecord({"1900", QString::number(i), "lange tekst die ruimte inneemt"}));
    QVERIFY(SaveCollection(home.folder(), "Kort", list));
    list.clear();
    list.append(makeRecord({"2000", "1"}));
    QVERIFY(SaveCollection(home.folder(), "Kort", list));
    const QByteArray bytes = home.read("Verzameling/Kort.col");
    QCOMPARE(bytes.count("\r\n"), 16);
    QVERIFY(bytes.endsWith(Separator.toLatin1() + "\r\n"));
    QVERIFY(!bytes.contains("lange tekst"));
}

void CollectionFileTest::saveIntoAMissingCollectionFolderFailsAndWritesNothing()
{
    TestFolder home;
    QVERIFY(QDir(home.path("Verzameling")).removeRecursively());
    RecordList list;
    list.append(makeRecord({"2000", "1"}));
    const StorageResult result = SaveCollection(home.folder(), "Weg", list);
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(!home.exists("Verzameling"));
}

void CollectionFileTest::loadTakesTheNameFromLineTwo()
{
    TestFolder home;
    home.write("Verzameling/Hernoemd.col",
               crlf({"Tessaron2 Zegelarchief\u00ae 2.00", "Oorspronkelijk", Separator}));
    RecordList list;
    list.append(makeRecord({"1", "2"}));
    QString name = "Hernoemd";
    QVERIFY(LoadCollection(home.folder(), "Hernoemd", list, name));
    QCOMPARE(name, QString("Oorspronkelijk"));
    QCOMPARE(list.count(), 0);
}

void CollectionFileTest::loadSkipsOnlyAllBlankRecords()
{
    TestFolder home;
    QStringList lines{"maker", "Blanco", "sep"};
    lines << ""
          << "5"
          << ""
          << "-"
          << ""
          << ""
          << "-"
          << "-"
          << "-"
          << ""
          << "-"
          << "-"
          << "sep";
    lines << "   "
          << ""
          << ""
          << ""
          << ""
          << ""
          << ""
          << ""
          << ""
          << ""
          << ""
          << ""
          << "sep";
    lines << ""
          << "";
    home.write("Verzameling/Blanco.col", crlf(lines));
    RecordList list;
    QString name;
    QVERIFY(LoadCollection(home.folder(), "Blanco", list, name));
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.cell(0, StampRecord::Year), QString(""));
    QCOMPARE(list.cell(0, StampRecord::CatalogueNumber), QString("5"));
}

void CollectionFileTest::loadOfACutOffFileGivesEmptyTrailingFields()
{
    TestFolder home;
    QStringList lines{"maker", "Afgebroken", "sep"};
    lines << "1900"
          << "1"
          << "a"
          << "b"
          << "c"
          << "d"
          << "e"
          << "f"
          << "g"
          << "h"
          << "i"
          << "j"
          << "sep";
    lines << "1901"
          << "2"
          << "cat";
    QByteArray bytes = crlf(lines);
    bytes.chop(2); // and the last line has no line end
    home.write("Verzameling/Afgebroken.col", bytes);
    RecordList list;
    QString name;
    QVERIFY(LoadCollection(home.folder(), "Afgebroken", list, name));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.cell(1, StampRecord::Category), QString("cat"));
    QCOMPARE(list.cell(1, StampRecord::Subject), QString());
    QCOMPARE(list.cell(1, StampRecord::OwnPrice), QString());
}

void CollectionFileTest::loadOfAShortOrMissingFileLeavesTheListEmpty()
{
    TestFolder home;
    RecordList list;
    list.append(makeRecord({"1", "2"}));
    QString name = "Ontbreekt";
    QVERIFY(!LoadCollection(home.folder(), "Ontbreekt", list, name));
    QCOMPARE(list.count(), 0);
    QCOMPARE(name, QString("Ontbreekt"));

    home.write("Verzameling/Kort.col", crlf({"maker", "Tweede regel"}));
    list.append(makeRecord({"1", "2"}));
    name = "Kort";
    QVERIFY(!LoadCollection(home.folder(), "Kort", list, name));
    QCOMPARE(list.count(), 0);
    QCOMPARE(name, QString("Tweede regel"));

    home.write("Verzameling/Een.col", crlf({"maker"}));
    name = "Een";
    QVERIFY(!LoadCollection(home.folder(), "Een", list, name));
    QCOMPARE(name, QString("Een"));
}

void CollectionFileTest::loadAcceptsLoneCrAndLoneLfLineEnds()
{
    TestFolder home;
    QVERIFY(QDir(home.path("Verzameling")).removeRecursively());
    home.write("verzameling/Linux.COL", "maker\nLinux\rsep\n1990\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\nsep\n");
    RecordList list;
    QString name;
    QVERIFY(LoadCollection(home.folder(), "Linux", list, name));
    QCOMPARE(name, QString("Linux"));
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.cell(0, StampRecord::OwnPrice), QString("11"));
}

void CollectionFileTest::loadOfManyRecordsGivesEveryLineAsWritten()
{
    // Texts that recur, texts that differ only in case or in a byte that
    // Windows-1252 and Latin-1 read differently, and texts that never recur:
    // the loader shares recurring texts, and every field must still come out
    // as its own line decodes.
    const QList<QByteArray> recurring = {"Blok",
                                         "blok",
                                         "\x80 5",
                                         "\xc2 5",
                                         "\x81",
                                         "\xc2\x81",
                                         "",
                                         "Frankeerzegels Nederland",
                                         "Frankeerzegels Nederlanb",
                                         "Frankeerzegels Nederlan\xe9"};
    QList<QByteArray> lines = {"Tessaron2 Zegelarchief\xae 2.00", "Veel", Separator.toLatin1()};
    for (int record = 0; record < 9000; ++record) {
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            if (field % 2 == 0)
                lines.append(recurring[(record + field) % recurring.size()]);
            else
                lines.append(QByteArray::number(record * StampRecord::FieldCount + field) + "\x9c");
        }
        lines.append(Separator.toLatin1());
    }
    TestFolder home;
    home.write("Verzameling/Veel.col", lines.join("\r\n") + "\r\n");
    RecordList list;
    QString name;
    QVERIFY(LoadCollection(home.folder(), "Veel", list, name));
    QCOMPARE(list.count(), 9000);
    for (int row = 0; row < list.count(); ++row) {
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            const QByteArray &line = lines[3 + row * (StampRecord::FieldCount + 1) + field];
            QCOMPARE(list.cell(row, field), Windows1252::decode(line));
            QVERIFY(!list.cell(row, field).isNull());
        }
    }
    // Saved in several pieces, the file comes out as it was.
    QVERIFY(SaveCollection(home.folder(), "Veel", list));
    QCOMPARE(home.read("Verzameling/Veel.col"), lines.join("\r\n") + "\r\n");
}

void CollectionFileTest::largeFilesAreReadInPartsThatEachBeginWithARecord()
{
    // Some megabytes with every kind of line end and a blank record now and
    // then: read in parts on several threads, the records come out in order.
    const QByteArray header = "Tessaron2 Zegelarchief\xae 2.00\r\nGroot\r\nsep\r\n";
    const QList<QByteArray> lineEnds = {"\r\n", "\n", "\r"};
    QByteArray body;
    std::vector<StampRecord> expected;
    for (int record = 0; record < 30000; ++record) {
        const bool blank = record % 1000 == 999;
        StampRecord stamp;
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            stamp[field] = blank ? QString("  ") : QString("r%1 f%2 \u00e9").arg(record).arg(field);
            body += Windows1252::encode(stamp[field]) + lineEnds[(record + field) % 3];
        }
        body += "sep" + lineEnds[record % 3];
        if (!blank)
            expected.push_back(stamp);
    }
    // Cut off inside the last record: it keeps the fields it has.
    body += "2001\r\n7";
    expected.push_back(makeRecord({"2001", "7"}));

    const CollectionFile::Contents contents = CollectionFile::parse(header + body);
    QCOMPARE(contents.records.size(), expected.size());
    QVERIFY(contents.records == expected);

    const std::vector<QByteArrayView> parts = RecordParts::split(body, StampRecord::FieldCount + 1, 4);
    QCOMPARE(parts.size(), size_t(4));
    std::vector<StampRecord> joined;
    const char *next = body.constData();
    for (const QByteArrayView part : parts) {
        QCOMPARE(part.data(), next);
        next = part.data() + part.size();
        const CollectionFile::Contents read = CollectionFile::parse(header + part.toByteArray());
        joined.insert(joined.end(), read.records.begin(), read.records.end());
    }
    QCOMPARE(next, body.constData() + body.size());
    QVERIFY(joined == expected);

    // A part that fills less than it counted leaves no empty records behind.
    const std::vector<StampRecord> filled = RecordParts::parse(
        body, StampRecord::FieldCount + 1, [](QByteArrayView) { return size_t(3); },
        [](QByteArrayView part, std::span<StampRecord> records) {
            records[0][StampRecord::Year] = QString::number(part.size());
            return size_t(1);
        });
    const size_t partCount =
        RecordParts::split(body, StampRecord::FieldCount + 1, ParallelParts::cores()).size();
    QCOMPARE(filled.size(), partCount);
    for (const StampRecord &record : filled)
        QVERIFY(!record[StampRecord::Year].isEmpty());
}

QTEST_GUILESS_MAIN(CollectionFileTest)
#include "tst_collectionfile.moc"
