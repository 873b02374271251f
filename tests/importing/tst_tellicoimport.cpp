#include "common/TellicoSample.h"
#include "common/TestFolder.h"
#include "importing/TellicoImport.h"
#include "importing/TellicoMapping.h"
#include "storage/formats/CollectionFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString Separator = CollectionFile::SeparatorLine;

QStringList header(const QString &name)
{
    return {CollectionFile::MakerLine, name, Separator};
}

// Reads the file, then writes (or only reports) as the options say.
TellicoImport::Report import(const TestFolder &folder, const QString &file,
                             const TellicoImport::Options &options, bool dryRun = false)
{
    TellicoImport tellico;
    const StorageResult read = tellico.read(file);
    TellicoImport::Report report;
    if (!read) {
        report.notes.append(QStringLiteral("read: ") + read.reason);
        return report;
    }
    const StorageResult written = tellico.write(folder.folder(), options, dryRun, report);
    if (!written)
        report.notes.append(QStringLiteral("write: ") + written.reason);
    return report;
}

TellicoImport::Options named(const QString &name, bool perCountry = false)
{
    TellicoImport::Options options;
    options.name = name;
    options.perCountry = perCountry;
    return options;
}

QString reportText(const TellicoImport::Report &report)
{
    QStringList lines;
    for (const TellicoImport::Count &count : report.collections)
        lines << QStringLiteral("%1\t%2\t%3").arg(count.name).arg(count.records).arg(count.pictures);
    lines << QStringLiteral("%1\t%2\t%3")
                 .arg(report.total.name)
                 .arg(report.total.records)
                 .arg(report.total.pictures);
    return lines.join(u'\n');
}

QByteArray entry(int id, const QByteArray &nvph, const QByteArray &year, const QByteArray &image,
                 const QByteArray &country = {})
{
    return "  <entry id=\"" + QByteArray::number(id) + "\"><years><year>" + year + "</year></years><nvph>" +
           nvph + "</nvph><country>" + country + "</country><image>" + image + "</image></entry>\n";
}

const QByteArray NvphField =
    "  <fields><field name=\"_default\"/><field name=\"nvph\" title=\"NVPH#\"/></fields>\n";

} // namespace

class TellicoImportTest : public QObject {
    Q_OBJECT

private slots:
    void mapsEveryFieldIntoByteExactCollectionFile();
    void filesPicturesFromArchiveFolderAndData();
    void splitsPerCountryInTheOrderOfTheFile();
    void refusesBadInputAndWritesNothing();
};

void TellicoImportTest::mapsEveryFieldIntoByteExactCollectionFile()
{
    TestFolder folder;
    const QByteArray body =
        "  <fields>\n   <field name=\"_default\"/>\n   <field name=\"nvph\" title=\"NVPH#\" type=\"1\"/>\n"
        "   <field name=\"michel\" title=\"Michel-Nr.\"/>\n   <field name=\"watermark\" "
        "title=\"Watermerk\"/>\n"
        "  </fields>\n"
        "  <entry id=\"1\">\n   <description>Koningin Juliana</description><denomination>10</denomination>"
        "<currency>ct</currency><country>Nederland</country>\n"
        "   <years><year>1949</year><year> 1950 </year></years><color>rood</color><scott>301</scott>"
        "<nvph>518</nvph><michel>525</michel><grade>Heel fijn</grade><cancelled>true</cancelled>"
        "<hinged>Hinged</hinged><centering>Goed</centering><gummed>Origineel</gummed>"
        "<pur_date>2020-03-01</pur_date><pur_price>1.25</pur_price><location>Album 2</location>"
        "<gift>true</gift><watermark>Ringen</watermark>\n"
        "   <comments>Eerste regel<br/>tweede  regel<br/></comments>\n"
        "   <cdate><year>2026</year><month>12</month><day>07</day></cdate>"
        "<mdate><year>2025</year><month>01</month><day>02</day></mdate>\n  </entry>\n"
        "  <entry id=\"2\"><description>\xc5\x81\xc3\xb3\x64\xc5\xba \xe2\x80\x93 \xce\xa9 \xf0\x9f\x98\x80"
        "</description><country>Polska</country><years><year>1960</year></years><scott>A12</scott>"
        "<hinged>Nee</hinged><pur_price>\xe2\x82\xac 1,234.50</pur_price>"
        "<comments>een&lt;br/&gt;twee\ndrie</comments></entry>\n"
        "  <entry id=\"3\"><description>----------------------------</description>"
        "<hinged>Lichte plakker</hinged><pur_price>geen</pur_price></entry>\n";
    folder.write(QStringLiteral("zegels.xml"), TellicoSample::document("Mijn zegels", "9", body));
    TellicoImport::Options options = named(QStringLiteral("Zegels"));
    options.category = QStringLiteral("Frankeerzegels");
    options.type = QStringLiteral("Los");

    const TellicoImport::Report report = import(folder, folder.path(QStringLiteral("zegels.xml")), options);
    QCOMPARE(reportText(report), QStringLiteral("Zegels\t3\t0\ntotaal\t3\t0"));
    // Ł and ź have a nearest letter, Ω and the face none.
    QCOMPARE(report.notes,
             QStringList{QStringLiteral("4 tekens die een verzameling niet kan bewaren zijn vervangen "
                                        "door de letter die er het meest op lijkt of door '?'.")});
    const QStringList expected =
        header(QStringLiteral("Zegels")) +
        QStringList{
            QStringLiteral("1949"),
            QStringLiteral("518"),
            QStringLiteral("Frankeerzegels"),
            QStringLiteral("Koningin Juliana"),
            QStringLiteral("-"),
            QStringLiteral("Los"),
            QStringLiteral("10 ct"),
            QStringLiteral("-"),
            QStringLiteral("Andere jaren: 1950; Kwaliteit: Heel fijn; Centrering: Goed; Plakker: Hinged; "
                           "Gom: Origineel; Kleur: rood; Plaats: Album 2; Aankoopdatum: 2020-03-01; "
                           "Geschenk: ja; Michel-Nr.: 525; Watermerk: Ringen; Land: Nederland; "
                           "Opmerkingen: Eerste regel / tweede  regel"),
            QStringLiteral("Gestempeld"),
            QStringLiteral("-"),
            QStringLiteral("1,25"),
            Separator} +
        QStringList{QStringLiteral("1960"),
                    QStringLiteral("A12"),
                    QStringLiteral("Frankeerzegels"),
                    QStringLiteral("L\u00f3dz \u2013 ? ?"),
                    QStringLiteral("-"),
                    QStringLiteral("Los"),
                    QStringLiteral("-"),
                    QStringLiteral("-"),
                    QStringLiteral("Plakker: Nee; Land: Polska; Opmerkingen: een / twee / drie"),
                    QStringLiteral("Postfris"),
                    QStringLiteral("-"),
                    QStringLiteral("1234,50"),
                    Separator} +
        // No year, no catalogue number; a text that would read as the
        // separator line is left out.
        QStringList{QString(),
                    QStringLiteral("-"),
                    QStringLiteral("Frankeerzegels"),
                    QStringLiteral("-"),
                    QStringLiteral("-"),
                    QStringLiteral("Los"),
                    QStringLiteral("-"),
                    QStringLiteral("-"),
                    QStringLiteral("Plakker: Lichte plakker"),
                    QStringLiteral("Ongebruikt"),
                    QStringLiteral("-"),
                    QStringLiteral("-"),
                    Separator};
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Zegels.col")), crlf(expected));
    QVERIFY(QFileInfo(folder.path(QStringLiteral("Verzameling/Zegels"))).isDir());
    // The Scott numbers are the stamps' "Sc" entries, beside a Cat.nr. of another catalogue and as it.
    QCOMPARE(folder.read(QStringLiteral("Verzameling/.catalogi/Zegels.txt")),
             QByteArray("1949\t518\tSc\t301\t\t\r\n1960\tA12\tSc\tA12\t\t\r\n"));

    QCOMPARE(TellicoMapping::price(u"3"), QStringLiteral("3"));
    QCOMPARE(TellicoMapping::price(u"1.000.000"), QStringLiteral("1000000"));
    QCOMPARE(TellicoMapping::price(u"2,5 EUR"), QStringLiteral("2,5"));
}

void TellicoImportTest::filesPicturesFromArchiveFolderAndData()
{
    TestFolder folder;
    const QByteArray jpeg = TellicoSample::picture(Qt::red, "jpeg");
    const QByteArray png = TellicoSample::picture(Qt::blue, "png");
    const QByteArray archived = NvphField + entry(1, "1", "1950", "a.jpeg") + entry(2, "2", "1951", "b.png") +
                                entry(3, "592/596", "1952", "a.jpeg") + entry(4, "4", "1953", "weg.jpeg") +
                                entry(5, "5", "1953", "kapot.jpeg") + entry(6, "", "1953", "a.jpeg");
    const QString tc = folder.path(QStringLiteral("fotos.tc"));
    QVERIFY(TellicoSample::writeZip(tc, TellicoSample::document("Fotos", "9", archived),
                                    {{QStringLiteral("a.jpeg"), jpeg},
                                     {QStringLiteral("b.png"), png},
                                     {QStringLiteral("kapot.jpeg"), "geen afbeelding"}}));

    // A dry run reports what writing gives, and writes nothing.
    const TellicoImport::Report dry = import(folder, tc, named(QStringLiteral("Fotos")), true);
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Fotos.col")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Fotos")));

    const TellicoImport::Report report = import(folder, tc, named(QStringLiteral("Fotos")));
    QCOMPARE(reportText(report), QStringLiteral("Fotos\t6\t2\ntotaal\t6\t2"));
    QCOMPARE(reportText(dry), reportText(report));
    QCOMPARE(dry.notes, report.notes);
    QCOMPARE(report.notes.size(), 4);
    QVERIFY(report.notes.at(0).contains(QStringLiteral("592/596")));
    QVERIFY(report.notes.at(1).contains(QStringLiteral("'weg.jpeg' ontbreekt")));
    QVERIFY(report.notes.at(2).startsWith(QStringLiteral("Fotos, 1953 5: ")));
    QVERIFY(report.notes.at(3).contains(QStringLiteral("geen catalogusnummer")));
    // An upright JPEG byte for byte, anything else as JPEG.
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Fotos/1950/1.jpg")), jpeg);
    QVERIFY(folder.read(QStringLiteral("Verzameling/Fotos/1951/2.jpg")).startsWith("\xff\xd8"));

    // Plain XML: pictures in the folder beside it, or as data in the file.
    const QByteArray plain = NvphField + entry(1, "7", "1970", "c.jpeg") + entry(2, "8", "1971", "d.png") +
                             entry(3, "9", "1972", "d.png") +
                             "  <images><image id=\"d.png\" format=\"PNG\">\n" + png.toBase64() +
                             "\n  </image><image id=\"c.jpeg\"/></images>\n";
    folder.write(QStringLiteral("los.xml"), TellicoSample::document("Los", "9", plain));
    folder.write(QStringLiteral("los_files/c.jpeg"), jpeg);
    const TellicoImport::Report fromXml =
        import(folder, folder.path(QStringLiteral("los.xml")), named(QStringLiteral("Los")));
    QCOMPARE(reportText(fromXml), QStringLiteral("Los\t3\t3\ntotaal\t3\t3"));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Los/1970/7.jpg")), jpeg);
    QVERIFY(folder.read(QStringLiteral("Verzameling/Los/1972/9.jpg")).startsWith("\xff\xd8"));

    // A picture link in the folder that leads out of it is not followed: to the
    // folder above, or to a folder beside it whose name begins the same.
    for (const auto &[outside, name] :
         {std::pair{QStringLiteral("elders.jpeg"), QStringLiteral("Los2")},
          std::pair{QStringLiteral("los_files_ander/c.jpeg"), QStringLiteral("Los3")}}) {
        QVERIFY(QFile::remove(folder.path(QStringLiteral("los_files/c.jpeg"))));
        folder.write(outside, jpeg);
        QVERIFY(QFile::link(folder.path(outside), folder.path(QStringLiteral("los_files/c.jpeg"))));
        const TellicoImport::Report linked =
            import(folder, folder.path(QStringLiteral("los.xml")), named(name));
        QCOMPARE(reportText(linked), name + QStringLiteral("\t3\t2\ntotaal\t3\t2"));
        QVERIFY2(linked.notes.value(0).contains(QStringLiteral("buiten het bestand")), qPrintable(outside));
    }
}

void TellicoImportTest::splitsPerCountryInTheOrderOfTheFile()
{
    TestFolder folder;
    const QByteArray body =
        NvphField + entry(1, "1", "1950", {}, "Belgi\xc3\xab") + entry(2, "2", "1950", {}) +
        entry(3, "3", "1950", {}, "Nederland") + entry(4, "4", "1950", {}, "belgi\xc3\xab") +
        entry(5, "5", "1950", {}, "Bosni\xc3\xab/Herzegovina") + entry(6, "6", "1950", {}, "Wereld");
    folder.write(QStringLiteral("landen.xml"), TellicoSample::document("Landen", "9", body));
    const QString file = folder.path(QStringLiteral("landen.xml"));

    TellicoImport tellico;
    QVERIFY(tellico.read(file));
    QCOMPARE(tellico.countries().size(), size_t(5));
    QCOMPARE(tellico.countries().at(0).name, QStringLiteral("Belgi\u00eb"));
    QCOMPARE(tellico.countries().at(0).records, 2);
    QCOMPARE(tellico.countries().at(1).name, QString());

    // The name given takes the entries without a country, those whose country
    // cannot be a name, and those of the country that has that name.
    const TellicoImport::Report report = import(folder, file, named(QStringLiteral("Wereld"), true));
    QCOMPARE(reportText(report),
             QStringLiteral("Belgi\u00eb\t2\t0\nWereld\t3\t0\nNederland\t1\t0\ntotaal\t6\t0"));
    QVERIFY(
        report.notes.value(0).startsWith(QStringLiteral("Het land 'Bosni\u00eb/Herzegovina' kan geen naam")));
    const QByteArray world = folder.read(QStringLiteral("Verzameling/Wereld.col"));
    QVERIFY(world.contains("\r\nLand: Bosni\xeb/Herzegovina\r\n"));
    QVERIFY(!world.contains("Land: Wereld"));
    QVERIFY(!folder.read(QStringLiteral("Verzameling/Belgi\u00eb.col")).contains("Land:"));
}

void TellicoImportTest::refusesBadInputAndWritesNothing()
{
    TestFolder folder;
    const auto refusal = [&](const QString &name, const QByteArray &bytes) {
        folder.write(name, bytes);
        const TellicoImport::Report report = import(folder, folder.path(name), named(QStringLiteral("Fout")));
        return report.notes.value(0);
    };
    QCOMPARE(refusal(QStringLiteral("foto.tc"), "\x89PNG\r\n"),
             QStringLiteral("read: dit is geen zip- of XML-bestand"));
    QCOMPARE(
        refusal(QStringLiteral("boeken.xml"), TellicoSample::document("Boeken", "2", "")),
        QStringLiteral("read: 'Boeken' is geen postzegelverzameling maar een verzameling van het soort 2; "
                       "alleen postzegelverzamelingen (soort 9) kunnen worden ge\u00efmporteerd"));
    QVERIFY(
        refusal(QStringLiteral("kapot.xml"), TellicoSample::document("K", "9", "<entry>\n<year>1</entry>\n"))
            .startsWith(QStringLiteral("read: fout in de XML op regel 6: ")));
    QCOMPARE(refusal(QStringLiteral("leeg.xml"), TellicoSample::document("K", "9", "")),
             QStringLiteral("read: de verzameling bevat geen postzegels"));

    const QString zip = folder.path(QStringLiteral("heel.tc"));
    QVERIFY(TellicoSample::writeZip(
        zip, TellicoSample::document("K", "9", entry(1, "1", "1950", {})).repeated(50)));
    const QByteArray whole = folder.read(QStringLiteral("heel.tc"));
    QVERIFY(refusal(QStringLiteral("half.tc"), whole.left(whole.size() / 2))
                .startsWith(QStringLiteral("read: het zip-archief is onvolledig of beschadigd")));

    const QString escaping = folder.path(QStringLiteral("ontsnapt.tc"));
    QVERIFY(TellicoSample::writeZip(escaping,
                                    TellicoSample::document("K", "9", entry(1, "1", "1950", "../../x.jpeg")),
                                    {{QStringLiteral("x.jpeg"), "x"}}));
    QCOMPARE(
        import(folder, escaping, named(QStringLiteral("Fout"))).notes.value(0),
        QStringLiteral("read: de afbeelding '../../x.jpeg' verwijst naar een plaats buiten het bestand"));
    QCOMPARE(
        QDir(folder.path(QStringLiteral("Verzameling"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList());
}

QTEST_MAIN(TellicoImportTest)
#include "tst_tellicoimport.moc"
