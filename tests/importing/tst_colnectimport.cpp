#include "common/ColnectSample.h"
#include "common/TestFolder.h"
#include "importing/ColnectImport.h"
#include "importing/ColnectMapping.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"

#include <QDir>
#include <QTest>

namespace {

using ColnectSample::Row;

QString link(int item)
{
    return QStringLiteral("https://colnect.com/en/stamps/stamp/%1").arg(item);
}

// Four stamps of two countries and one without, in lists and not.
QList<Row> sampleRows()
{
    return {
        {{"Name", "Skanderbeg \"Gjergj\""},
         {"Country", "Albania"},
         {"Series", "Skanderbeg"},
         {"Catalog Codes", "Mi:AL 250, Sn:AL 300, Yt:AL 290, Sg:AL 333"},
         {"Issued on", "1937-05-12"},
         {"Format", "Stamp"},
         {"Emission", "Commemorative"},
         {"Perforation", "comb<i> 13 x 12\u00bd</i>"},
         {"Currency", "q - Albanian qindark\u00eb"},
         {"FaceValue", "15"},
         {"Link", link(1001)},
         {"List", "Wish,Swap"},
         {"Quantity", "[2],[3]"},
         {"Condition", "[MNH],[]"}},
        {{"Name", "Luftpost"},
         {"Country", "Germany"},
         {"Catalog Codes", "Gz :DE 758, Sn:DE 12a"},
         {"Issued on", "1950-03"},
         {"Format", "Souvenir Sheet"},
         {"Emission", "Air Post"},
         {"Currency", "DM - Deutsche Mark"},
         {"FaceValue", "0.5"},
         {"Description", "\u0141\u00f3d\u017a &amp; more"},
         {"Link", link(1002)},
         {"List", "Swap"},
         {"Quantity", "[]"},
         {"Condition", "[CTO]"}},
        {{"Name", "Heuss"},
         {"Country", "Germany"},
         {"Catalog Codes", "Mi:DE BL138"},
         {"Issued on", "1960"},
         {"Format", "Block"},
         {"Emission", "Definitive"},
         {"FaceValue", "20"},
         {"Colors", "red, blue"},
         {"Link", link(1003)},
         {"List", "Wish"},
         {"Quantity", "[1]"},
         {"Condition", "[U]"}},
        {{"Name", "Koningin"},
         {"Catalog Codes", "Mi:NL 1144x"},
         {"Issued on", "1980"},
         {"Emission", "Revenue"},
         {"Link", link(1004)}},
    };
}

ColnectImport::Options named(const QString &name, bool perCountry = false)
{
    ColnectImport::Options options;
    options.name = name;
    options.perCountry = perCountry;
    return options;
}

QString reportText(const ColnectImport::Report &report, bool update = false)
{
    QStringList lines;
    for (const ColnectImport::Count &count : report.collections) {
        QString line = QStringLiteral("%1\t%2").arg(count.name).arg(count.records);
        if (update)
            line += QStringLiteral("\t%1\t%2").arg(count.changed).arg(count.unchanged);
        lines << line;
    }
    QString total = QStringLiteral("%1\t%2").arg(report.total.name).arg(report.total.records);
    if (update)
        total += QStringLiteral("\t%1\t%2").arg(report.total.changed).arg(report.total.unchanged);
    return (lines << total).join(u'\n');
}

// Reads the list, then writes (or only reports); a refusal comes back as the report's note.
ColnectImport::Report import(const TestFolder &folder, const QByteArray &bytes,
                             const ColnectImport::Options &options, bool dryRun = false)
{
    folder.write(QStringLiteral("lijst.csv"), bytes);
    ColnectImport colnect;
    ColnectImport::Report report;
    if (const StorageResult read = colnect.read(folder.path(QStringLiteral("lijst.csv"))); !read) {
        report.notes.append(QStringLiteral("read: ") + read.reason);
        return report;
    }
    if (const StorageResult written = colnect.write(folder.folder(), options, dryRun, report); !written)
        report.notes.append(QStringLiteral("write: ") + written.reason);
    return report;
}

std::vector<StampRecord> recordsOf(const TestFolder &folder, const QString &name)
{
    std::vector<StampRecord> records;
    static_cast<void>(CollectionFile::readRecords(CollectionFiles(folder.folder(), name).file(), records));
    return records;
}

CatalogueEntries entriesOf(const TestFolder &folder, const QString &name)
{
    CatalogueEntries entries;
    static_cast<void>(CollectionFiles(folder.folder(), name).readCatalogue(entries));
    return entries;
}

QStringList collectionFiles(const TestFolder &folder)
{
    return QDir(folder.path(QStringLiteral("Verzameling"))).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class ColnectImportTest : public QObject {
    Q_OBJECT

private slots:
    void mapsEveryFieldAndKeepsEveryCode();
    void readsCodesListsAndCellsWithTheirQuirks();
    void splitsPerCountryAndDryRunEqualsRealRun();
    void updateChangesWhatChangedAndNeverDoubles();
    void refusesWhatIsNoColnectListAndWritesNothing();
};

void ColnectImportTest::mapsEveryFieldAndKeepsEveryCode()
{
    TestFolder folder;
    const ColnectImport::Report report = import(folder, ColnectSample::list(sampleRows()), named("Wereld"));
    // Three of the first, one of each other: the largest quantity, not the sum.
    QCOMPARE(reportText(report), QStringLiteral("Wereld\t6\ntotaal\t6"));
    QVERIFY(report.notes.contains(QStringLiteral(
        "1 postzegels hebben geen nummer van Mi; hun Cat.nr. is het nummer van hun eerste code.")));
    QVERIFY(report.notes.contains(
        QStringLiteral("2 tekens die een verzameling niet kan bewaren zijn vervangen door "
                       "de letter die er het meest op lijkt of door '?'.")));

    const std::vector<StampRecord> records = recordsOf(folder, QStringLiteral("Wereld"));
    QCOMPARE(records.size(), size_t(6));
    QCOMPARE(
        records[0].fields,
        (StampRecord{{"1937", "250", "Herdenkingszegels", "Skanderbeg \"Gjergj\"", "-", "Los", "15 q", "-",
                      "Uitgifte: 1937-05-12; Serie: Skanderbeg; Tanding: comb 13 x 12\u00bd; Lijsten: Wish, "
                      "Swap; Land: Albania",
                      "Postfris", "-", "-"}})
            .fields);
    QCOMPARE(records[2].fields, records[0].fields);
    QCOMPARE(
        records[3].fields,
        (StampRecord{{"1950", "758", "Luchtpostzegels", "Luftpost", "-", "Blok", "0,5 DM", "-",
                      "Uitgifte: 1950-03; Beschrijving: L\u00f3dz & more; CTO; Lijsten: Swap; Land: Germany",
                      "Gestempeld", "-", "-"}})
            .fields);
    QCOMPARE(records[4].fields,
             (StampRecord{{"1960", "BL138", "Frankeerzegels", "Heuss", "-", "Blok", "20", "-",
                           "Kleuren: red, blue; Lijsten: Wish; Land: Germany", "Gestempeld", "-", "-"}})
                 .fields);
    // Not in a list: one record, condition unknown; an emission of its own kept as typed.
    QCOMPARE(records[5].fields,
             (StampRecord{{"1980", "1144x", "Revenue", "Koningin", "-", "-", "-", "-", "-", "-", "-", "-"}})
                 .fields);

    const CatalogueEntries entries = entriesOf(folder, QStringLiteral("Wereld"));
    QCOMPARE(entries.stampCount(), 4);
    QCOMPARE(entries.of(records[0]), (CatalogueEntries::List{{"Mi", "250", {}, {}},
                                                             {"Sc", "300", {}, {}},
                                                             {"Yt", "290", {}, {}},
                                                             {"SG", "333", {}, {}},
                                                             {"Colnect", "1001", {}, {}}}));
    QCOMPARE(
        entries.of(records[3]),
        (CatalogueEntries::List{{"Gz", "758", {}, {}}, {"Sc", "12a", {}, {}}, {"Colnect", "1002", {}, {}}}));

    // Another main system; a list left out leaves its stamps out and its name out of Info.
    TestFolder other;
    ColnectImport::Options options = named("Yvert");
    options.system = QStringLiteral("Yt");
    options.leftOutLists = {QStringLiteral("Swap")};
    const ColnectImport::Report yvert = import(other, ColnectSample::list(sampleRows()), options);
    QCOMPARE(reportText(yvert), QStringLiteral("Yvert\t4\ntotaal\t4"));
    QVERIFY(yvert.notes.contains(
        QStringLiteral("1 postzegels staan alleen in weggelaten lijsten en worden niet geïmporteerd.")));
    const std::vector<StampRecord> yt = recordsOf(other, QStringLiteral("Yvert"));
    QCOMPARE(yt[0][StampRecord::CatalogueNumber], QStringLiteral("290"));
    QCOMPARE(
        yt[0][StampRecord::Info],
        QStringLiteral("Uitgifte: 1937-05-12; Serie: Skanderbeg; Tanding: comb 13 x 12\u00bd; Lijsten: Wish; "
                       "Land: Albania"));
    QCOMPARE(yt[2][StampRecord::CatalogueNumber], QStringLiteral("BL138"));

    // Columns are found by name, in any order, and Scott is asked for as Sn or Sc.
    TestFolder reordered;
    options = named("Scott");
    options.system = QStringLiteral("Sn");
    const QStringList columns = {"Link", "Catalog Codes", "Country", "Name", "Issued on"};
    const ColnectImport::Report scott =
        import(reordered, ColnectSample::list(sampleRows().mid(0, 2), columns), options);
    QCOMPARE(reportText(scott), QStringLiteral("Scott\t2\ntotaal\t2"));
    const std::vector<StampRecord> sc = recordsOf(reordered, QStringLiteral("Scott"));
    QCOMPARE(sc[0][StampRecord::CatalogueNumber], QStringLiteral("300"));
    QCOMPARE(sc[1][StampRecord::CatalogueNumber], QStringLiteral("12a"));
}

void ColnectImportTest::readsCodesListsAndCellsWithTheirQuirks()
{
    QCOMPARE(ColnectMapping::codes(u"Mi:DE 1234, Sn:DE 567, Yt:DE 890, Sg:DE 1001, AFA:DE 77"),
             (QList<CatalogueEntry>{{"Mi", "1234", {}, {}},
                                    {"Sc", "567", {}, {}},
                                    {"Yt", "890", {}, {}},
                                    {"SG", "1001", {}, {}},
                                    {"AFA", "77", {}, {}}}));
    QCOMPARE(ColnectMapping::codes(u"Gz :AR 758,G\u00f6t:AR C137, Edi:ES MS2912 ,ANK:AT 1a, Un:IT 1144x"),
             (QList<CatalogueEntry>{{"Gz", "758", {}, {}},
                                    {"G\u00f6t", "C137", {}, {}},
                                    {"Edi", "MS2912", {}, {}},
                                    {"ANK", "1a", {}, {}},
                                    {"Un", "1144x", {}, {}}}));
    // Without a country code the number stands alone; nothing that is no code, nor a blank system.
    QCOMPARE(ColnectMapping::codes(u"Mi:77, , nonsense,  :DE 5"),
             (QList<CatalogueEntry>{{"Mi", "77", {}, {}}}));
    QCOMPARE(ColnectMapping::cells(u"[2],[]"), (QStringList{"2", ""}));
    QCOMPARE(ColnectMapping::cells(u"[MNH]"), (QStringList{"MNH"}));
    QCOMPARE(ColnectMapping::plainText(u"comb<i> 13 x 12\u00bd</i>  &lt;b&gt;"),
             QStringLiteral("comb 13 x 12\u00bd <b>"));
    QCOMPARE(ColnectMapping::condition(u"MH"), QStringLiteral("Met plakker"));
    QCOMPARE(ColnectMapping::condition(u"MNG"), QStringLiteral("Ongebruikt"));
    QCOMPARE(ColnectMapping::condition(u"?"), QString());

    // The first known condition counts, by list position; unknown quantities give one record.
    TestFolder folder;
    QList<Row> rows = {
        {{"Name", "A"},
         {"Catalog Codes", "Mi:X 1"},
         {"Link", link(1)},
         {"List", "Wish,Swap,Have"},
         {"Quantity", "[],[],[]"},
         {"Condition", "[],[MH],[MNG]"}},
        {{"Name", "B, \"the second\""},
         {"Catalog Codes", "Mi:X 2"},
         {"Link", link(2)},
         {"List", "Have"},
         {"Quantity", "[0]"},
         {"Condition", "[MNG]"}},
    };
    const ColnectImport::Report report = import(folder, ColnectSample::list(rows), named("Lijsten"));
    QCOMPARE(reportText(report), QStringLiteral("Lijsten\t2\ntotaal\t2"));
    const std::vector<StampRecord> records = recordsOf(folder, QStringLiteral("Lijsten"));
    QCOMPARE(records[0][StampRecord::Condition], QStringLiteral("Met plakker"));
    QCOMPARE(records[0][StampRecord::Info], QStringLiteral("Lijsten: Wish, Swap, Have"));
    QCOMPARE(records[1][StampRecord::Subject], QStringLiteral("B, \"the second\""));
    QCOMPARE(records[1][StampRecord::Condition], QStringLiteral("Ongebruikt"));
}

void ColnectImportTest::splitsPerCountryAndDryRunEqualsRealRun()
{
    TestFolder dry;
    TestFolder real;
    QList<Row> rows = sampleRows();
    rows.append({{"Name", "Slash"}, {"Country", "A/B"}, {"Catalog Codes", "Mi:AB 1"}, {"Link", link(1005)}});
    const QByteArray bytes = ColnectSample::list(rows);
    const ColnectImport::Report planned = import(dry, bytes, named("Overig", true), true);
    QCOMPARE(collectionFiles(dry), QStringList());
    const ColnectImport::Report written = import(real, bytes, named("Overig", true));
    QCOMPARE(reportText(written), QStringLiteral("Albania\t3\nGermany\t2\nOverig\t2\ntotaal\t7"));
    QCOMPARE(reportText(planned), reportText(written));
    QCOMPARE(planned.notes, written.notes);
    QVERIFY(written.notes.contains(QStringLiteral(
        "Het land 'A/B' kan geen naam van een verzameling zijn; de 1 records ervan gaan naar 'Overig'.")));
    // A country that is its own collection is not repeated in Info.
    QCOMPARE(recordsOf(real, QStringLiteral("Germany"))[1][StampRecord::Info],
             QStringLiteral("Kleuren: red, blue; Lijsten: Wish"));
    QCOMPARE(recordsOf(real, QStringLiteral("Overig"))[1][StampRecord::Info], QStringLiteral("Land: A/B"));
    QCOMPARE(entriesOf(real, QStringLiteral("Albania")).stampCount(), 1);
    QCOMPARE(collectionFiles(real).size(), 3);
}

void ColnectImportTest::updateChangesWhatChangedAndNeverDoubles()
{
    TestFolder folder;
    QList<Row> rows = sampleRows();
    const QString name = QStringLiteral("Wereld");
    QCOMPARE(reportText(import(folder, ColnectSample::list(rows), named(name))),
             QStringLiteral("Wereld\t6\ntotaal\t6"));
    // The collector's own work: a price, and an entry of a system the file does not give.
    std::vector<StampRecord> records = recordsOf(folder, name);
    records[5][StampRecord::OwnPrice] = QStringLiteral("2,50");
    records.push_back(StampRecord{{"1999", "9", "-", "Eigen", "-", "-", "-", "-", "-", "-", "-", "-"}});
    CatalogueEntries entries = entriesOf(folder, name);
    entries.set(CatalogueEntries::keyOf(records[5]),
                entries.of(records[5]) + CatalogueEntries::List{{"NVPH", "1144", "3,00", "2024"}});
    QVERIFY(CollectionFiles(folder.folder(), name).save(records, {}, nullptr, &entries));
    const QByteArray before = folder.read(QStringLiteral("Verzameling/Wereld.col"));

    ColnectImport::Options options = named(name);
    options.update = true;
    // The same file changes nothing.
    ColnectImport::Report report = import(folder, ColnectSample::list(rows), options);
    QCOMPARE(reportText(report, true), QStringLiteral("Wereld\t6\t0\t6\ntotaal\t6\t0\t6"));
    QVERIFY(report.notes.contains(QStringLiteral("Wereld: 1 records zonder Colnect-nummer en 0 records die "
                                                 "het bestand niet (meer) noemt zijn ongemoeid "
                                                 "gelaten.")));
    QCOMPARE(recordsOf(folder, name).size(), records.size());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Wereld.col")).mid(60), before.mid(60));

    // A changed face value and Michel number are changed, a new row added; the
    // collector's price and own entry stay, the entries follow the new number.
    rows[3][rows[3].indexOf(QPair<QString, QString>("Catalog Codes", "Mi:NL 1144x"))].second =
        QStringLiteral("Mi:NL 1144y");
    rows[2][rows[2].indexOf(QPair<QString, QString>("FaceValue", "20"))].second = QStringLiteral("25");
    rows.append(
        {{"Name", "Nieuw"}, {"Catalog Codes", "Mi:NL 2000"}, {"Issued on", "2001"}, {"Link", link(1006)}});
    // A dry run leaves even a damaged catalogue file as it is, and keeps nothing aside.
    const QString catalogue = QStringLiteral("Verzameling/.catalogi/Wereld.txt");
    folder.write(catalogue, folder.read(catalogue) + "kapot\r\n");
    const QByteArray damaged = folder.read(catalogue);
    const ColnectImport::Report dryReport = import(folder, ColnectSample::list(rows), options, true);
    QCOMPARE(folder.read(catalogue), damaged);
    QCOMPARE(QDir(folder.path(QStringLiteral("Verzameling/.catalogi"))).entryList(QDir::Files).size(), 1);
    report = import(folder, ColnectSample::list(rows), options);
    QCOMPARE(reportText(report, true), QStringLiteral("Wereld\t7\t2\t4\ntotaal\t7\t2\t4"));
    QCOMPARE(reportText(dryReport, true), reportText(report, true));
    const std::vector<StampRecord> after = recordsOf(folder, name);
    QCOMPARE(after.size(), records.size() + 1);
    QCOMPARE(after[4][StampRecord::FaceValue], QStringLiteral("25"));
    QCOMPARE(after[5][StampRecord::CatalogueNumber], QStringLiteral("1144y"));
    QCOMPARE(after[5][StampRecord::OwnPrice], QStringLiteral("2,50"));
    QCOMPARE(after[6][StampRecord::Subject], QStringLiteral("Eigen"));
    QCOMPARE(after[7][StampRecord::Subject], QStringLiteral("Nieuw"));
    QCOMPARE(entriesOf(folder, name).of(after[5]),
             (CatalogueEntries::List{
                 {"Mi", "1144y", {}, {}}, {"Colnect", "1004", {}, {}}, {"NVPH", "1144", "3,00", "2024"}}));
    // Again: nothing doubles.
    report = import(folder, ColnectSample::list(rows), options);
    QCOMPARE(reportText(report, true), QStringLiteral("Wereld\t7\t0\t7\ntotaal\t7\t0\t7"));
    QCOMPARE(recordsOf(folder, name).size(), after.size());
}

void ColnectImportTest::refusesWhatIsNoColnectListAndWritesNothing()
{
    TestFolder folder;
    const QByteArray good = ColnectSample::list(sampleRows());
    const auto refusal = [&](const QByteArray &bytes) {
        const ColnectImport::Report report = import(folder, bytes, named("Fout"));
        return report.notes.value(0);
    };
    QCOMPARE(refusal(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)),
             QStringLiteral("read: het bestand is geen tekst"));
    QCOMPARE(
        refusal("Naam;Land\nA;B\n"),
        QStringLiteral("read: geen lijst uit Colnect: de kopregel met Name, Country, Catalog Codes en Link "
                       "ontbreekt"));
    QCOMPARE(refusal(ColnectSample::list({}, {"Name", "Country", "Series"})),
             QStringLiteral("read: geen lijst uit Colnect: de kolommen Catalog Codes, Link ontbreken"));
    QCOMPARE(refusal(good.left(good.indexOf("Gjergj"))),
             QStringLiteral("read: het bestand houdt op midden in een veld (vanaf regel 8)"));
    QCOMPARE(
        refusal(good.left(good.indexOf("\n\n\"END"))),
        QStringLiteral("read: het bestand is niet compleet: de regel \"END of Colnect list\" ontbreekt"));
    QCOMPARE(refusal(QByteArray(good).replace("Heuss", "He\xff\xfeuss")),
             QStringLiteral("read: regel 10 is geen UTF-8-tekst"));
    QCOMPARE(refusal(QByteArray(good).replace("Heuss,", "Heuss,,")),
             QStringLiteral("read: regel 10 heeft 40 velden in plaats van 39"));
    QCOMPARE(refusal(ColnectSample::list({})), QStringLiteral("read: de lijst bevat geen postzegels"));
    QCOMPARE(collectionFiles(folder), QStringList());

    // A second collection that cannot be written stops the first too.
    QDir().mkpath(folder.path(QStringLiteral("Verzameling/Germany.col")));
    const ColnectImport::Report report = import(folder, good, named("Overig", true));
    QVERIFY(report.notes.last().startsWith(
        QStringLiteral("write: Verzameling 'Germany' kan niet worden geschreven")));
    QCOMPARE(collectionFiles(folder), QStringList());
}

QTEST_GUILESS_MAIN(ColnectImportTest)
#include "tst_colnectimport.moc"
