#include "common/TestFolder.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/CsvFile.h"
#include "storage/formats/CsvMapping.h"
#include "storage/text/Windows1252.h"

#include <QTest>

namespace {

using Rows = std::vector<QStringList>;

StampRecord makeRecord(const QStringList &fields)
{
    StampRecord record;
    for (int i = 0; i < StampRecord::FieldCount && i < fields.size(); ++i)
        record[i] = fields.at(i);
    return record;
}

// Every byte a collection file can hold, spread over the fields of records,
// and the characters that mean something in a CSV file.
std::vector<StampRecord> awkwardRecords()
{
    QByteArray everyByte;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        everyByte += static_cast<char>(byte);
    const QString allCharacters = Windows1252::decode(everyByte);
    return {
        makeRecord({" 1990", "12a", "", "Zegel \"A\"; rood, blauw\tgroen", "-", "  ", "75 cent", "\"", "\"\"",
                    ";", "2,50", "1.75"}),
        makeRecord({"", "0012", allCharacters.left(80), allCharacters.mid(80), "=1+1", "Type", allCharacters,
                    "Kolom\tB", "Info ", " Postfris", "-", ""}),
    };
}

} // namespace

class CsvFileTest : public QObject {
    Q_OBJECT

private slots:
    void writesWhatSpreadsheetsOpen();
    void readsWhatSpreadsheetsWriteBack_data();
    void readsWhatSpreadsheetsWriteBack();
    void roundTripChangesNothing();
    void roundTripKeepsEveryCatalogueEntry();
    void mappingFollowsHeaderNamesAndCleansFields();
};

void CsvFileTest::writesWhatSpreadsheetsOpen()
{
    const QByteArray bytes = CsvFile::serialize(std::vector<StampRecord>{makeRecord(
        {"1990", "1", "", "Zegel \"A\"; rood", "", "", "", "Caf\u00e9 \u20ac", "regel 1\r\nregel 2"})});
    const QByteArray header =
        "\xef\xbb\xbf\"Jaartal\";\"Cat.nr.\";\"Categorie\";\"Onderwerp\";\"Soort\";\"Type\";"
        "\"Opdruk\";\"Afbeedling\";\"Info\";\"Conditie\";\"Cat.Prijs\";\"Mijn Prijs\"\r\n";
    QVERIFY(bytes.startsWith(header));
    QCOMPARE(bytes.mid(header.size()),
             QByteArray(
                 "\"1990\";\"1\";\"\";\"Zegel \"\"A\"\"; rood\";\"\";\"\";\"\";\"Caf\xc3\xa9 \xe2\x82\xac\";"
                 "\"regel 1\r\nregel 2\";\"\";\"\";\"\"\r\n"));

    TestFolder home;
    QVERIFY(CsvFile::write(home.path("lijst.csv"), {}));
    QCOMPARE(home.read("lijst.csv"), header);
}

void CsvFileTest::readsWhatSpreadsheetsWriteBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<Rows>("rows");

    const Rows plain{{"Jaartal", "Cat.nr."}, {"1990", "Caf\u00e9"}};
    QTest::newRow("UTF-8 with mark, quoted")
        << QByteArray("\xef\xbb\xbf\"Jaartal\";\"Cat.nr.\"\r\n\"1990\";\"Caf\xc3\xa9\"\r\n") << QChar(u';')
        << plain;
    QTest::newRow("UTF-8 without mark, LF")
        << QByteArray("Jaartal;Cat.nr.\n1990;Caf\xc3\xa9\n") << QChar(u';') << plain;
    QTest::newRow("Windows-1252, no ending")
        << QByteArray("Jaartal;Cat.nr.\r\n1990;Caf\xe9") << QChar(u';') << plain;
    QTest::newRow("commas") << QByteArray("Jaartal,Cat.nr.\r\n1990,\"Caf\xc3\xa9\"\r\n") << QChar(u',')
                            << plain;
    const QString tabbed = QStringLiteral("\ufeffJaartal\tCat.nr.\n1990\tCaf\u00e9\n");
    QTest::newRow("tabs, UTF-16") << QByteArray(reinterpret_cast<const char *>(tabbed.utf16()),
                                                tabbed.size() * 2)
                                  << QChar(u'\t') << plain;
    // The separator is the one the header line uses most, outside quotes.
    QTest::newRow("commas inside quotes") << QByteArray("\"a,b,c\";\"d,e\"\r\n\"1,5\";2\r\n") << QChar(u';')
                                          << Rows{{"a,b,c", "d,e"}, {"1,5", "2"}};
    QTest::newRow("quotes, breaks, blank lines, lone CR")
        << QByteArray("\"x \"\"y\"\"\";\"1\r\n2\";z\"q\r\n\r\n\n;\"\"\r\"a\"b;\"open") << QChar(u';')
        << Rows{{"x \"y\"", "1\r\n2", "z\"q"}, {"", ""}, {"ab", "open"}};
    QTest::newRow("one column") << QByteArray("Jaartal\r\n1990\r\n") << QChar(u';')
                                << Rows{{"Jaartal"}, {"1990"}};
    QTest::newRow("empty") << QByteArray() << QChar(u';') << Rows{};
}

void CsvFileTest::readsWhatSpreadsheetsWriteBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QChar, separator);
    QFETCH(Rows, rows);
    const CsvFile::Table table = CsvFile::parse(bytes);
    QCOMPARE(table.separator, separator);
    QCOMPARE(table.rows, rows);
}

void CsvFileTest::roundTripChangesNothing()
{
    const QByteArray collection = CollectionFile::serialize(QStringLiteral("Nederland"), awkwardRecords());
    const std::vector<StampRecord> loaded = CollectionFile::parse(collection).records;
    QCOMPARE(loaded.size(), size_t(2));

    const CsvFile::Table table = CsvFile::parse(CsvFile::serialize(loaded));
    QVERIFY(CsvMapping::hasHeader(table));
    const CsvMapping::Result imported = CsvMapping::preset(table).records(table, true);
    QCOMPARE(imported.replacedCharacters, 0);
    QCOMPARE(imported.records, loaded);
    QCOMPARE(CollectionFile::serialize(QStringLiteral("Nederland"), imported.records), collection);
}

void CsvFileTest::roundTripKeepsEveryCatalogueEntry()
{
    const std::vector<StampRecord> records = {makeRecord({"1990", "12a"}), makeRecord({"1991", "13"}),
                                              makeRecord({"1990", "12a"}), makeRecord({"1992", "14"})};
    const QString first = CatalogueEntries::keyOf(records[0]);
    const QString second = CatalogueEntries::keyOf(records[1]);
    CatalogueEntries entries;
    // Two editions, a value, a number with the cell's own mark, a system of the collector's.
    entries.set(first, {{"Mi", "535", "1,50", "2020"},
                        {"Mi", "536 | b", "", "2024"},
                        {"Bund", "7", "", ""},
                        {"SG", "MS 12", "\u20ac 3", ""}});
    entries.set(second, {{"Mi", "540", "", ""}, {"Yt", "512", "", "2019"}});

    const CsvFile::Table table = CsvFile::parse(CsvFile::serialize(records, &entries));
    QCOMPARE(table.rows[0].mid(StampRecord::FieldCount), QStringList({"Bund", "Mi", "SG", "Yt"}));
    QCOMPARE(table.rows[1].mid(StampRecord::FieldCount),
             QStringList({"7", "535 | 1,50 | 2020\n536 | b |  | 2024", "MS 12 | \u20ac 3 | ", ""}));
    QCOMPARE(table.rows[4].mid(StampRecord::FieldCount), QStringList({"", "", "", ""}));
    const CsvMapping::Result imported = CsvMapping::preset(table).records(table, true);
    QCOMPARE(imported.records, records);
    QCOMPARE(imported.entries.stampCount(), qsizetype(2));
    for (const QString &key : {first, second})
        QCOMPARE(CatalogueEntries::ordered(imported.entries.of(key)),
                 CatalogueEntries::ordered(entries.of(key)));

    // In a file of another program only columns named after a known system hold numbers.
    const CsvFile::Table foreign =
        CsvFile::parse("Cat.nr.;Opmerking;mi\r\n12;zie boek;\"535\r\n536 | 2,00\"\r\n");
    QCOMPARE(
        CsvMapping::preset(foreign).records(foreign, true).entries.of(CatalogueEntries::keyOf(u"", "12")),
        CatalogueEntries::List({{"mi", "535", "", ""}, {"mi", "536", "2,00", ""}}));
}

void CsvFileTest::mappingFollowsHeaderNamesAndCleansFields()
{
    // Names in any letter case, the panel's labels too; unknown columns ignored.
    const CsvFile::Table named =
        CsvFile::parse("Opmerking;  mijn prijs ;Jaar van uitgifte;CAT.NR.;Informatie\r\n"
                       "x;1,50;1990;12;\"regel\r\neen\"\r\n"
                       ";;;;\r\n"
                       "y;;1991;13;Caf\u00e9 \xe2\x9c\x93 \xf0\x9f\x93\xae\r\n"
                       "z;;1992\r\n");
    QVERIFY(CsvMapping::hasHeader(named));
    const CsvMapping mapping = CsvMapping::preset(named);
    QCOMPARE(mapping.column(StampRecord::Year), 2);
    QCOMPARE(mapping.column(StampRecord::CatalogueNumber), 3);
    QCOMPARE(mapping.column(StampRecord::Info), 4);
    QCOMPARE(mapping.column(StampRecord::OwnPrice), 1);
    QCOMPARE(mapping.column(StampRecord::Subject), CsvMapping::NoColumn);

    const CsvMapping::Result result = mapping.records(named, true);
    // The all-blank row is dropped; a short row gives empty fields.
    QCOMPARE(result.records.size(), size_t(3));
    QCOMPARE(result.records[0],
             makeRecord({"1990", "12", "", "", "", "", "", "", "regel een", "", "", "1,50"}));
    // A check mark and a character outside the basic plane: one '?' each.
    QCOMPARE(result.records[1][StampRecord::Info], QStringLiteral("Caf\u00e9 ? ?"));
    QCOMPARE(result.records[2], makeRecord({"1992"}));
    QCOMPARE(result.replacedCharacters, 2);
}

QTEST_GUILESS_MAIN(CsvFileTest)
#include "tst_csvfile.moc"
