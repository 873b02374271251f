#include "common/ColnectSample.h"
#include "common/ProgramRun.h"
#include "common/TellicoSample.h"
#include "common/TestFolder.h"
#include "storage/folder/FileHelpers.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/pictures/JpegStructure.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>

namespace {

const QByteArray Separator = "----------------------------\r\n";

// The line every wrong count of arguments ends with.
const QByteArray Usage =
    "gebruik: tessaron2-cli [--home MAP] list [--old] | import NAAM [--as NIEUW] [--force] | show NAAM | "
    "totals NAAM | album NAAM [--open] | print NAAM --job N --pdf BESTAND [--copies C] [--record POS] "
    "[--photo BESTAND] [--force] | export-csv NAAM BESTAND [--force] | import-csv BESTAND NAAM [--force] | "
    "import-tellico BESTAND NAAM [--per-country] [--force] [--dry-run] | import-colnect BESTAND NAAM "
    "[--per-country] [--catalogue SYS] [--update] [--force] [--dry-run] | attach NAAM POS BESTAND "
    "[--replace] | versions NAAM | restore NAAM VERSIE [--as NIEUW] [--force] | gaps NAAM REEKS... "
    "[--category TEKST] | doubles NAAM [--category TEKST] [--system SYS] | catalogue NAAM POS "
    "[--set \"SYS NR\"] [--value WAARDE] [--edition JAAR] [--remove SYS] | find NAAM TEKST\n";

// One line of an old-format record file per entry; the three header lines first.
QByteArray oldDataFile(const QList<QStringList> &records)
{
    QStringList lines = {QStringLiteral("Oude kop"), QStringLiteral("2"), QStringLiteral("3")};
    for (const QStringList &record : records)
        lines += record;
    return crlf(lines);
}

// An old-format record of fifteen lines with only its first two filled.
QStringList blankOldRecord(const QString &first, const QString &second)
{
    QStringList record(15);
    record[0] = first;
    record[1] = second;
    return record;
}

// A collection file with records of twelve fields each.
QByteArray collectionFile(const QString &name, const QList<QStringList> &records)
{
    QStringList lines = {QStringLiteral("Kop"), name, QStringLiteral("-")};
    for (const QStringList &record : records)
        lines += record + QStringList{QStringLiteral("-")};
    return crlf(lines);
}

// A JPEG damaged inside its compressed data, every marker still in place:
// a tolerant decoder shows it with smeared blocks instead of failing.
QByteArray damagedJpeg()
{
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 0xFF));
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", 90);
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    int changed = 0;
    for (qsizetype at = scan + (jpeg.size() - scan) / 3; changed < 24; ++at) {
        // Neither a marker nor the byte stuffed after a 0xFF changes.
        if (jpeg[at] != '\xFF' && jpeg[at - 1] != '\xFF')
            jpeg[at] = char(0x21 + 7 * changed++);
    }
    return jpeg;
}

QStringList record(const QString &year, const QString &number, const QString &subject,
                   const QString &catalogue, const QString &own)
{
    return {year,
            number,
            QStringLiteral("Frankeerzegels"),
            subject,
            QStringLiteral("Portretzegel"),
            QStringLiteral("Los"),
            QStringLiteral("10 c"),
            QStringLiteral("Koningin"),
            QStringLiteral("-"),
            QStringLiteral("Postfris"),
            catalogue,
            own};
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void listsNamesInOpenDialogOrder();
    void showPrintsRecordsAsUtf8();
    void totalsUseDecimalSignOfLocale();
    void importWritesCollectionAsSaving();
    void importUnderNewNameAndReplacing();
    void failuresGiveOneLineAndNonZeroStatus();
    void invalidNamesAreRefused();
    void albumWritesThePageOfTheLoadedCollection();
    void albumOpenHandsThePageToTheDesktopOpener();
    void csvExportAndImportRoundTrip();
    void attachFilesThePictureOfTheRecordAtPos();
    void versionsListsAndRestoreBringsBack();
    void twoSavesAtOnceKeepBothStates();
    void existingFilesAreOverwrittenOnlyWithForce();
    void gapsAndDoublesPrintOneLineEach();
    void catalogueAndFindWorkWithOtherSystemsNumbers();
    void importTellicoReportsPerCollectionAndKeepsVersions();
    void importColnectReplacesOnlyWhenToldAndUpdatesInPlace();
    void aNameInAnySpellingIsOneCollection();
    void argumentsAreReadWordForWordAsBefore();
    void everyCommandAnswersHelpFromItsDeclarations();
    void messagesSpeakTheChosenLanguage();

private:
    ProgramRun run(const TestFolder &folder, const QStringList &arguments,
                   const QString &localeName = QString()) const;
    static void verifyFailure(const ProgramRun &result);
};

ProgramRun TestCli::run(const TestFolder &folder, const QStringList &arguments,
                        const QString &localeName) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TESSARON2_HOME"));
    environment.insert(QStringLiteral("LC_ALL"),
                       localeName.isEmpty() ? QStringLiteral("C.UTF-8") : localeName);
    return ProgramRun::of(QStringLiteral(T2_CLI_PATH),
                          QStringList{QStringLiteral("--home"), folder.path(QString())} + arguments,
                          environment);
}

void TestCli::verifyFailure(const ProgramRun &result)
{
    QVERIFY2(result.exitCode > 0, result.err.constData());
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.size() > 1);
    QVERIFY(result.err.endsWith('\n'));
    QCOMPARE(result.err.count('\n'), 1);
}

void TestCli::listsNamesInOpenDialogOrder()
{
    TestFolder folder;
    const QByteArray empty = collectionFile(QStringLiteral("x"), {});
    folder.write(QStringLiteral("Verzameling/B.col"), empty);
    folder.write(QStringLiteral("Verzameling/a.col"), empty);
    folder.write(QStringLiteral("Verzameling/c.COL"), empty);
    folder.write(QStringLiteral("Verzameling/Belgie 2.col"), empty);
    folder.write(QStringLiteral("Verzameling/belgie.col"), empty);
    folder.write(QStringLiteral("Verzameling/X.cat"), oldDataFile({}));
    folder.write(QStringLiteral("Verzameling/notities.txt"), "x");
    QVERIFY(QDir(folder.path(QStringLiteral("Verzameling"))).mkdir(QStringLiteral("Map.col")));

    ProgramRun result = run(folder, {QStringLiteral("list")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("a\nB\nbelgie\nBelgie 2\nc\n"));
    QVERIFY(result.err.isEmpty());

    result = run(folder, {QStringLiteral("list"), QStringLiteral("--old")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("X\n"));

    verifyFailure(run(folder, {QStringLiteral("list"), QStringLiteral("--nieuw")}));

    // Without --home the program folder comes from the environment.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TESSARON2_HOME"), folder.path(QString()));
    result = ProgramRun::of(QStringLiteral(T2_CLI_PATH), {QStringLiteral("list"), QStringLiteral("--old")},
                            environment);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("X\n"));
}

void TestCli::showPrintsRecordsAsUtf8()
{
    TestFolder folder;
    const QStringList first = record(QStringLiteral("1990"), QStringLiteral("12a"), QStringLiteral("Café  "),
                                     QStringLiteral("2,50"), QStringLiteral("-"));
    const QStringList second = record(QString(), QStringLiteral("13"), QStringLiteral("Prijs in €"),
                                      QStringLiteral("3.75"), QStringLiteral("1"));
    const QByteArray bytes = collectionFile(QStringLiteral("Nederland"), {first, second});
    QVERIFY(bytes.contains("Caf\xe9  \r\n"));
    QVERIFY(bytes.contains("Prijs in \x80\r\n"));
    folder.write(QStringLiteral("Verzameling/Nederland.col"), bytes);

    const ProgramRun result = run(folder, {QStringLiteral("show"), QStringLiteral("Nederland")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    const QByteArray expected = (first.join(u'\t') + u'\n' + second.join(u'\t') + u'\n').toUtf8();
    QCOMPARE(result.out, expected);
    QVERIFY(result.out.contains("Caf\xc3\xa9  \t"));
    QVERIFY(result.out.contains("Prijs in \xe2\x82\xac\t"));
}

void TestCli::totalsUseDecimalSignOfLocale()
{
    TestFolder folder;
    folder.write(QStringLiteral("Verzameling/Prijzen.col"),
                 collectionFile(QStringLiteral("Prijzen"),
                                {record(QStringLiteral("1990"), QStringLiteral("1"), QStringLiteral("-"),
                                        QStringLiteral("1000000.10"), QStringLiteral("12,50")),
                                 record(QStringLiteral("1991"), QStringLiteral("2"), QStringLiteral("-"),
                                        QStringLiteral("€ 5"), QStringLiteral("-13 €"))}));

    ProgramRun result = run(folder, {QStringLiteral("totals"), QStringLiteral("Prijzen")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    QCOMPARE(result.out,
             QByteArray("Cat.Prijs : \xe2\x82\xac 1000000.10\nMijn Prijs : \xe2\x82\xac -0.50\n"));

    // The locale is read from the environment, also when it is not installed.
    result =
        run(folder, {QStringLiteral("totals"), QStringLiteral("Prijzen")}, QStringLiteral("nl_NL.UTF-8"));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out,
             QByteArray("Cat.Prijs : \xe2\x82\xac 1000000,10\nMijn Prijs : \xe2\x82\xac -0,50\n"));
}

void TestCli::importWritesCollectionAsSaving()
{
    TestFolder folder;
    const QByteArray oldBytes = oldDataFile({
        {QStringLiteral("101"), QStringLiteral("1990"), QStringLiteral("Frankeerzegels"),
         QStringLiteral("Café"), QStringLiteral("Portretzegel"), QStringLiteral("Los"),
         QStringLiteral("10 c"), QStringLiteral("Koningin"), QStringLiteral(" met spaties "),
         QStringLiteral("True"), QStringLiteral("False"), QStringLiteral("False"), QStringLiteral("1,50"),
         QStringLiteral("-"), QStringLiteral("*****")},
        {QStringLiteral("  "), QStringLiteral("1990"), QStringLiteral("weg"), QStringLiteral("weg"),
         QStringLiteral("weg"), QStringLiteral("weg"), QStringLiteral("weg"), QStringLiteral("weg"),
         QStringLiteral("weg"), QStringLiteral("True"), QStringLiteral("True"), QStringLiteral("True"),
         QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("*****")},
        {QStringLiteral("102"), QStringLiteral(" 1991 "), QStringLiteral("Luchtpost"),
         QStringLiteral("Vliegtuig"), QStringLiteral("Luchtpostzegel"), QStringLiteral("Blok"),
         QStringLiteral("1 gld"), QStringLiteral("Vogel"), QStringLiteral("-"), QStringLiteral("True"),
         QStringLiteral("True"), QStringLiteral("True"), QStringLiteral("2.25"), QStringLiteral("3"),
         QStringLiteral("*****")},
        // The last record lacks its separator line; it still counts.
        {QStringLiteral("103"), QStringLiteral("1992"), QString(), QStringLiteral("Brug"), QString(),
         QString(), QStringLiteral("50 c"), QStringLiteral("Rivier"), QStringLiteral("-"),
         QStringLiteral("true"), QStringLiteral("False"), QStringLiteral(""), QStringLiteral("€ 5"),
         QStringLiteral("5 €")},
    });
    folder.write(QStringLiteral("Verzameling/X.cat"), oldBytes);

    const ProgramRun result = run(folder, {QStringLiteral("import"), QStringLiteral("X")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.isEmpty());

    const QByteArray expected =
        "Tessaron2 Zegelarchief\xae 2.00\r\n"
        "X\r\n" +
        Separator +
        "1990\r\n101\r\nFrankeerzegels\r\nCaf\xe9\r\nPortretzegel\r\nLos\r\n10 c\r\n"
        "Koningin\r\n met spaties \r\nPostfris\r\n1,50\r\n-\r\n" +
        Separator +
        "1991\r\n102\r\nLuchtpost\r\nVliegtuig\r\nLuchtpostzegel\r\nBlok\r\n1 gld\r\n"
        "Vogel\r\n-\r\n1e dag envelop\r\n2.25\r\n3\r\n" +
        Separator + "1992\r\n103\r\n\r\nBrug\r\n\r\n\r\n50 c\r\nRivier\r\n-\r\n-\r\n\x80 5\r\n5 \x80\r\n" +
        Separator;
    QCOMPARE(folder.read(QStringLiteral("Verzameling/X.col")), expected);
    QVERIFY(QFileInfo(folder.path(QStringLiteral("Verzameling/X"))).isDir());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/X.cat")), oldBytes);

    // The imported collection is listed and loads like any other.
    QCOMPARE(run(folder, {QStringLiteral("list")}).out, QByteArray("X\n"));
    const ProgramRun shown = run(folder, {QStringLiteral("show"), QStringLiteral("X")});
    QCOMPARE(shown.exitCode, 0);
    QCOMPARE(shown.out.count('\n'), 3);
    QVERIFY(shown.out.startsWith("1990\t101\tFrankeerzegels\tCaf\xc3\xa9\t"));
}

void TestCli::importUnderNewNameAndReplacing()
{
    TestFolder folder;
    const QStringList oldRecord = {QStringLiteral("7"),     QStringLiteral("2001"), QStringLiteral("a"),
                                   QStringLiteral("b"),     QStringLiteral("c"),    QStringLiteral("d"),
                                   QStringLiteral("e"),     QStringLiteral("f"),    QStringLiteral("g"),
                                   QStringLiteral("False"), QStringLiteral("True"), QStringLiteral("False"),
                                   QStringLiteral("1"),     QStringLiteral("2"),    QStringLiteral("-")};
    folder.write(QStringLiteral("Verzameling/Oud.cat"), oldDataFile({oldRecord}));
    const QByteArray body =
        "2001\r\n7\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nGestempeld\r\n1\r\n2\r\n" + Separator;
    const QByteArray header = "Tessaron2 Zegelarchief\xae 2.00\r\n";

    ProgramRun result = run(folder, {QStringLiteral("import"), QStringLiteral("Oud"), QStringLiteral("--as"),
                                     QStringLiteral("Nieuw")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nieuw.col")), header + "Nieuw\r\n" + Separator + body);
    QVERIFY(QFileInfo(folder.path(QStringLiteral("Verzameling/Nieuw"))).isDir());
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Oud.col")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Oud")));

    // An existing collection is replaced only with --force; its pictures stay.
    const QByteArray existing = collectionFile(QStringLiteral("Nieuw"), {});
    folder.write(QStringLiteral("Verzameling/Nieuw.col"), existing);
    folder.write(QStringLiteral("Verzameling/Nieuw/2001/7.jpg"), "foto");
    result = run(folder, {QStringLiteral("import"), QStringLiteral("Oud"), QStringLiteral("--as"),
                          QStringLiteral("Nieuw")});
    verifyFailure(result);
    QVERIFY(result.err.contains("Nieuw"));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nieuw.col")), existing);

    result = run(folder, {QStringLiteral("import"), QStringLiteral("--force"), QStringLiteral("Oud"),
                          QStringLiteral("--as"), QStringLiteral("Nieuw")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nieuw.col")), header + "Nieuw\r\n" + Separator + body);
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nieuw/2001/7.jpg")), QByteArray("foto"));
}

void TestCli::failuresGiveOneLineAndNonZeroStatus()
{
    TestFolder folder;
    verifyFailure(run(folder, {QStringLiteral("show"), QStringLiteral("Nergens")}));
    verifyFailure(run(folder, {QStringLiteral("totals"), QStringLiteral("Nergens")}));
    verifyFailure(run(folder, {QStringLiteral("import"), QStringLiteral("Nergens")}));
    verifyFailure(run(folder, {QStringLiteral("kopieer"), QStringLiteral("Nergens")}));
    verifyFailure(run(folder, {}));
    verifyFailure(run(folder, {QStringLiteral("show")}));
    verifyFailure(run(folder, {QStringLiteral("show"), QStringLiteral("a"), QStringLiteral("b")}));
    verifyFailure(run(folder, {QStringLiteral("import"), QStringLiteral("a"), QStringLiteral("--as")}));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Nergens.col")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Nergens")));

    // A collection file too short to hold its header cannot be shown.
    folder.write(QStringLiteral("Verzameling/Kort.col"), "Kop\r\n");
    verifyFailure(run(folder, {QStringLiteral("show"), QStringLiteral("Kort")}));

    // An old file without records gives nothing to save, as in the program.
    folder.write(QStringLiteral("Verzameling/Leeg.cat"), oldDataFile({}));
    verifyFailure(run(folder, {QStringLiteral("import"), QStringLiteral("Leeg")}));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Leeg.col")));

    // A picture folder that cannot be made (a file has its name) writes nothing.
    const QStringList oldRecord = blankOldRecord(QStringLiteral("1"), QStringLiteral("2001"));
    folder.write(QStringLiteral("Verzameling/Oud.cat"), oldDataFile({oldRecord}));
    folder.write(QStringLiteral("Verzameling/Bezet"), "geen map");
    verifyFailure(run(folder, {QStringLiteral("import"), QStringLiteral("Oud"), QStringLiteral("--as"),
                               QStringLiteral("Bezet")}));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Bezet.col")));

    // A program folder without a collection folder is no program folder.
    TestFolder elsewhere;
    QVERIFY(QDir(elsewhere.path(QString())).rmdir(QStringLiteral("Verzameling")));
    verifyFailure(run(elsewhere, {QStringLiteral("list")}));
    // A folder with neither collections nor data is said to be no program folder.
    QVERIFY(QDir(elsewhere.path(QString())).rmdir(QStringLiteral("Data")));
    const ProgramRun empty = run(elsewhere, {QStringLiteral("list")});
    verifyFailure(empty);
    QVERIFY2(empty.err.startsWith("Geen programmamap: "), empty.err.constData());
}

void TestCli::invalidNamesAreRefused()
{
    TestFolder folder;
    const QStringList oldRecord = blankOldRecord(QStringLiteral("1"), QStringLiteral("2001"));
    folder.write(QStringLiteral("Verzameling/Oud.cat"), oldDataFile({oldRecord}));
    folder.write(QStringLiteral("Buiten.col"), collectionFile(QStringLiteral("Buiten"), {}));

    for (const QString &name :
         {QStringLiteral("../Buiten"), QStringLiteral("a:b"), QStringLiteral(".."), QStringLiteral("x?"),
          QStringLiteral("tab\there"), QStringLiteral("\u0141\u00f3d\u017a"), QStringLiteral(".verborgen")}) {
        verifyFailure(
            run(folder, {QStringLiteral("import"), QStringLiteral("Oud"), QStringLiteral("--as"), name}));
        verifyFailure(
            run(folder, {QStringLiteral("import-csv"), folder.path(QStringLiteral("Buiten.col")), name}));
        verifyFailure(run(folder, {QStringLiteral("show"), name}));
    }
    verifyFailure(run(folder, {QStringLiteral("import"), QStringLiteral("../Verzameling/Oud")}));
    QCOMPARE(
        QDir(folder.path(QStringLiteral("Verzameling"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("Oud.cat")});
    QCOMPARE(folder.read(QStringLiteral("Buiten.col")), collectionFile(QStringLiteral("Buiten"), {}));
}

void TestCli::albumWritesThePageOfTheLoadedCollection()
{
    TestFolder folder;
    // The file nl.col calls its collection Nederland; the album shows the
    // pictures of that name, as the program does after opening it.
    folder.write(QStringLiteral("Verzameling/nl.col"),
                 collectionFile(QStringLiteral("Nederland"),
                                {record(QStringLiteral("1990"), QStringLiteral("12"), QStringLiteral("-"),
                                        QStringLiteral("1"), QStringLiteral("2"))}));
    folder.write(QStringLiteral("Verzameling/Nederland/1990/7.jpg"), "seven");
    folder.write(QStringLiteral("Verzameling/Nederland/1990/12.jpg"), "twelve");
    QVERIFY(QDir().mkpath(folder.path(QStringLiteral("Verzameling/Nederland/1991"))));
    folder.write(QStringLiteral("Verzameling/Leeg.col"), collectionFile(QStringLiteral("Leeg"), {}));
    folder.write(QStringLiteral("Slideshow.htm"), "old page");

    ProgramRun result = run(folder, {QStringLiteral("album"), QStringLiteral("nl")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    QCOMPARE(QFileInfo(QString::fromUtf8(result.out.trimmed())).canonicalFilePath(),
             QFileInfo(folder.path(QStringLiteral("Slideshow.htm"))).canonicalFilePath());
    const QByteArray page = folder.read(QStringLiteral("Slideshow.htm"));
    QVERIFY(page.startsWith("<html>\r\n<head>\r\n<title>Slide Show</title>\r\n"));
    QVERIFY(page.endsWith(
        "<P></SPAN>\r\n"
        "<hr color=\"#BBBBFF\"><SPAN class=jaar>1990</SPAN><P>\r\n"
        "<SPAN class=tekst>12</SPAN><br><img src=\"Verzameling\\Nederland\\1990\\12.jpg\"><P> \r\n"
        "<SPAN class=tekst>7</SPAN><br><img src=\"Verzameling\\Nederland\\1990\\7.jpg\"><P> \r\n"
        "<hr color=\"#BBBBFF\"><SPAN class=jaar>1991</SPAN><P>\r\n"
        "</body>\r\n</html>\r\n"));

    // A collection without records gives the page that asks for one.
    result = run(folder, {QStringLiteral("album"), QStringLiteral("Leeg")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(folder.read(QStringLiteral("Slideshow.htm"))
                .endsWith("<P></SPAN>\r\n"
                          "<P><br><P><br><P><center>Eerst een verzameling met zegels laden!</center><br>\r\n"
                          "</body>\r\n</html>\r\n"));

    // A missing collection is an error and leaves the page alone.
    const QByteArray before = folder.read(QStringLiteral("Slideshow.htm"));
    verifyFailure(run(folder, {QStringLiteral("album"), QStringLiteral("Nergens")}));
    verifyFailure(run(folder, {QStringLiteral("album")}));
    verifyFailure(run(folder, {QStringLiteral("album"), QStringLiteral("nl"), QStringLiteral("Leeg")}));
    verifyFailure(run(folder, {QStringLiteral("album"), QStringLiteral("nl"), QStringLiteral("--toon")}));
    verifyFailure(run(folder, {QStringLiteral("album"), QStringLiteral("../nl")}));
    QCOMPARE(folder.read(QStringLiteral("Slideshow.htm")), before);
}

void TestCli::albumOpenHandsThePageToTheDesktopOpener()
{
    // An opener in place of the desktop's notes what it was given.
    QTemporaryDir bin;
    const QString opened = bin.filePath(QStringLiteral("opened.txt"));
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nprintf '%s' \"$1\" > \"" + QFile::encodeName(opened) + ".part\"\nmv \"" +
                 QFile::encodeName(opened) + ".part\" \"" + QFile::encodeName(opened) + "\"\n");
    opener.close();
    QVERIFY(opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    TestFolder folder;
    folder.write(QStringLiteral("Verzameling/Nederland.col"),
                 collectionFile(QStringLiteral("Nederland"), {}));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    const ProgramRun result =
        run(folder, {QStringLiteral("album"), QStringLiteral("Nederland"), QStringLiteral("--open")});
    qputenv("PATH", path);

    QCOMPARE(result.exitCode, 0);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(opened), 30000);
    QFile openedFile(opened);
    QVERIFY(openedFile.open(QIODevice::ReadOnly));
    QCOMPARE(QFileInfo(QFile::decodeName(openedFile.readAll())).canonicalFilePath(),
             QFileInfo(folder.path(QStringLiteral("Slideshow.htm"))).canonicalFilePath());
}

void TestCli::csvExportAndImportRoundTrip()
{
    TestFolder folder;
    std::vector<StampRecord> records(2);
    for (int field = 0; field < StampRecord::FieldCount; ++field) {
        records[0][field] = QStringLiteral("a\"%1\"; b, \u20ac ").arg(field);
        records[1][field] = field % 2 ? QString() : QStringLiteral("-");
    }
    const QByteArray original = CollectionFile::serialize(QStringLiteral("Nederland"), records);
    folder.write(QStringLiteral("Verzameling/Nederland.col"), original);
    const QString csv = folder.path(QStringLiteral("lijst.csv"));

    ProgramRun result = run(folder, {QStringLiteral("export-csv"), QStringLiteral("Nederland"), csv});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.isEmpty());
    QVERIFY(folder.read(QStringLiteral("lijst.csv")).startsWith("\xef\xbb\xbf\"Jaartal\";\"Cat.nr.\";"));

    // An existing collection is replaced only with --force, and then by the same bytes.
    const QStringList importBack{QStringLiteral("import-csv"), csv, QStringLiteral("Nederland")};
    verifyFailure(run(folder, importBack));
    folder.write(QStringLiteral("Verzameling/Nederland.col"), "gewijzigd");
    result = run(folder, importBack + QStringList{QStringLiteral("--force")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.isEmpty());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Nederland.col")), original);
    QVERIFY(QFileInfo(folder.path(QStringLiteral("Verzameling/Nederland"))).isDir());

    // A character that a collection cannot hold becomes '?', and the output says so.
    folder.write(QStringLiteral("teken.csv"), "Cat.nr.;Onderwerp\r\n1;vink \xe2\x9c\x93\r\n");
    result = run(folder, {QStringLiteral("import-csv"), folder.path(QStringLiteral("teken.csv")),
                          QStringLiteral("Teken")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.endsWith("'?': 1\n"));
    QVERIFY(folder.read(QStringLiteral("Verzameling/Teken.col")).contains("\r\nvink ?\r\n"));

    folder.write(QStringLiteral("kop.csv"), "\"Jaartal\";\"Cat.nr.\"\r\n");
    verifyFailure(run(folder, {QStringLiteral("import-csv"), folder.path(QStringLiteral("kop.csv")),
                               QStringLiteral("Kop")}));
    verifyFailure(run(folder, {QStringLiteral("import-csv"), csv, QStringLiteral("../Buiten")}));
    verifyFailure(run(folder, {QStringLiteral("export-csv"), QStringLiteral("Nergens"), csv}));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Kop.col")));
}

void TestCli::attachFilesThePictureOfTheRecordAtPos()
{
    TestFolder folder;
    // nl.col calls its collection Nederland: the pictures go where the program shows them.
    folder.write("Verzameling/nl.col", collectionFile("Nederland", {record("1990", "12", "-", "1", "2"),
                                                                    record("1991", "../x", "-", "1", "2")}));
    QImage scan(30, 10, QImage::Format_ARGB32);
    scan.fill(Qt::red);
    QVERIFY(scan.save(folder.path("scan.png")));
    const QString picture = folder.path("Verzameling/Nederland/1990/12.jpg");

    ProgramRun result = run(folder, {"attach", "nl", "1", folder.path("scan.png")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, picture.toUtf8() + "\n");
    QCOMPARE(QImage(picture, "jpeg").size(), QSize(30, 10));

    // Replaced only with --replace; refused, the old picture keeps its bytes.
    const QByteArray filed = folder.read("Verzameling/Nederland/1990/12.jpg");
    scan.fill(Qt::blue);
    QVERIFY(scan.save(folder.path("scan.bmp")));
    verifyFailure(run(folder, {"attach", "nl", "1", folder.path("scan.bmp")}));
    QCOMPARE(folder.read("Verzameling/Nederland/1990/12.jpg"), filed);
    QCOMPARE(run(folder, {"attach", "nl", "1", folder.path("scan.bmp"), "--replace"}).exitCode, 0);
    QVERIFY(folder.read("Verzameling/Nederland/1990/12.jpg") != filed);

    // A hostile catalogue number, a position outside the list, a file that is no picture.
    verifyFailure(run(folder, {"attach", "nl", "2", folder.path("scan.png")}));
    QVERIFY(!folder.exists("Verzameling/Nederland/x.jpg"));
    verifyFailure(run(folder, {"attach", "nl", "3", folder.path("scan.png")}));
    verifyFailure(run(folder, {"attach", "nl", "0", folder.path("scan.png")}));
    verifyFailure(run(folder, {"attach", "nl", "1", folder.path("Verzameling/nl.col"), "--replace"}));
    QVERIFY(!QFileInfo::exists(folder.path("Verzameling/Nederland/1991")));

    // A JPEG damaged inside, though complete and shown by a tolerant decoder, is refused.
    const QByteArray damaged = damagedJpeg();
    QVERIFY(JpegStructure::isComplete(damaged));
    QVERIFY(!QImage::fromData(damaged).isNull());
    folder.write("beschadigd.jpg", damaged);
    const QByteArray before = folder.read("Verzameling/Nederland/1990/12.jpg");
    result = run(folder, {"attach", "nl", "1", folder.path("beschadigd.jpg"), "--replace"});
    verifyFailure(result);
    QVERIFY2(result.err.contains("beschadigd"), result.err.constData());
    QCOMPARE(folder.read("Verzameling/Nederland/1990/12.jpg"), before);
}

void TestCli::versionsListsAndRestoreBringsBack()
{
    TestFolder folder;
    folder.write(QStringLiteral("Verzameling/Nat.col"),
                 collectionFile(QStringLiteral("Nat"),
                                {record("1990", "1", "Vis", "1", "2"), record("1991", "2", "Boot", "3", "4"),
                                 record("1992", "3", "Trein", "5", "6")}));
    folder.write(QStringLiteral("Verzameling/Oud.cat"), oldDataFile({}));
    const ProgramRun original = run(folder, {QStringLiteral("show"), QStringLiteral("Nat")});
    QCOMPARE(original.exitCode, 0);
    const ProgramRun none = run(folder, {QStringLiteral("versions"), QStringLiteral("Nat")});
    verifyFailure(none);
    QVERIFY2(none.err.contains("geen vorige versies"), none.err.constData());
    const ProgramRun never = run(folder, {QStringLiteral("versions"), QStringLiteral("Nooit")});
    verifyFailure(never);
    QVERIFY2(never.err.contains("bestaat niet"), never.err.constData());

    // Replacing it with a CSV file keeps the old file as a version.
    folder.write(QStringLiteral("los.csv"), "Jaar;Nummer\r\n2001;9\r\n");
    QCOMPARE(run(folder, {QStringLiteral("import-csv"), folder.path(QStringLiteral("los.csv")),
                          QStringLiteral("Nat"), QStringLiteral("--force")})
                 .exitCode,
             0);
    ProgramRun result = run(folder, {QStringLiteral("versions"), QStringLiteral("Nat")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d\\t3\\n$"))
                 .match(QString::fromUtf8(result.out))
                 .hasMatch(),
             result.out.constData());
    const QString version = QString::fromUtf8(result.out.left(result.out.indexOf('\t')));

    // Restored under a new name and over the collection itself, whose state
    // before becomes a version too.
    QCOMPARE(run(folder, {QStringLiteral("restore"), QStringLiteral("Nat"), version, QStringLiteral("--as"),
                          QStringLiteral("Kopie")})
                 .exitCode,
             0);
    QCOMPARE(run(folder, {QStringLiteral("show"), QStringLiteral("Kopie")}).out, original.out);
    QCOMPARE(run(folder, {QStringLiteral("restore"), QStringLiteral("Nat"), version}).exitCode, 0);
    QCOMPARE(run(folder, {QStringLiteral("show"), QStringLiteral("Nat")}).out, original.out);
    result = run(folder, {QStringLiteral("versions"), QStringLiteral("Nat")});
    QCOMPARE(result.out.count('\n'), 2);
    QVERIFY(result.out.split('\n').first().endsWith("\t2")); // the CSV file's two lines, newest

    verifyFailure(run(
        folder, {QStringLiteral("restore"), QStringLiteral("Nat"), QStringLiteral("1999-01-01 00.00.00")}));
    verifyFailure(run(folder, {QStringLiteral("restore"), QStringLiteral("Nat")}));
    verifyFailure(run(folder, {QStringLiteral("restore"), QStringLiteral("Nat"), version,
                               QStringLiteral("--as"), QStringLiteral("a/b")}));
    // A version whose line 2 names another collection does not give this one its records.
    folder.write(QStringLiteral("Verzameling/.versies/Nat/2001-01-01 00.00.00.col"),
                 collectionFile(QStringLiteral("Natuur"), {record("1990", "1", "Vis", "1", "2")}));
    verifyFailure(run(
        folder, {QStringLiteral("restore"), QStringLiteral("Nat"), QStringLiteral("2001-01-01 00.00.00")}));
    QCOMPARE(run(folder, {QStringLiteral("show"), QStringLiteral("Nat")}).out, original.out);
}

void TestCli::twoSavesAtOnceKeepBothStates()
{
    TestFolder folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TESSARON2_HOME"));
    // Save n holds n records, so the record counts tell the states apart.
    constexpr int Rounds = 8;
    for (int round = 0; round < Rounds; ++round) {
        std::array<QProcess, 2> saves;
        for (int which = 0; which < 2; ++which) {
            const int count = round * 2 + which + 1;
            QByteArray csv;
            for (int row = 1; row <= count; ++row)
                csv += "2001;" + QByteArray::number(row) + "\r\n";
            const QString csvName = QStringLiteral("%1.csv").arg(count);
            folder.write(csvName, csv);
            saves[which].setProcessEnvironment(environment);
            saves[which].start(QStringLiteral(T2_CLI_PATH),
                               {QStringLiteral("--home"), folder.path(QString()),
                                QStringLiteral("import-csv"), folder.path(csvName), QStringLiteral("Race"),
                                QStringLiteral("--force")});
        }
        for (QProcess &save : saves) {
            QVERIFY(save.waitForFinished(240000));
            QVERIFY2(save.exitCode() == 0, save.readAllStandardError().constData());
        }
    }
    // Every state is the collection file or one of its versions.
    QList<qsizetype> counts;
    const QString versions = folder.path(QStringLiteral("Verzameling/.versies/Race"));
    for (const QString &version : QDir(versions).entryList({QStringLiteral("*.col")}, QDir::Files))
        counts.append(CollectionFile::countRecords(folder.read("Verzameling/.versies/Race/" + version)));
    counts.append(CollectionFile::countRecords(folder.read(QStringLiteral("Verzameling/Race.col"))));
    std::sort(counts.begin(), counts.end());
    QList<qsizetype> expected;
    for (int count = 1; count <= Rounds * 2; ++count)
        expected.append(count);
    QCOMPARE(counts, expected);
    // The lock goes with the save that held it.
    QVERIFY(QDir(folder.path(QStringLiteral("Verzameling")))
                .entryList({QStringLiteral(".*.lock")}, QDir::Hidden | QDir::Files)
                .isEmpty());
}

void TestCli::existingFilesAreOverwrittenOnlyWithForce()
{
    TestFolder folder;
    folder.write("Verzameling/Nat.col", collectionFile("Nat", {record("1990", "1", "Vis", "1", "2")}));
    folder.write("Verzameling/Oud.cat", oldDataFile({}));
    folder.write("eigen.csv", "eigen");
    folder.write("eigen.pdf", "eigen");
    const QStringList exportCsv{"export-csv", "Nat", folder.path("eigen.csv")};
    const QStringList print{"print", "Nat", "--job", "2", "--pdf", folder.path("eigen.pdf")};
    verifyFailure(run(folder, exportCsv));
    verifyFailure(run(folder, print));
    QCOMPARE(folder.read("eigen.csv"), QByteArray("eigen"));
    QCOMPARE(folder.read("eigen.pdf"), QByteArray("eigen"));
    QCOMPARE(run(folder, exportCsv + QStringList{"--force"}).exitCode, 0);
    QVERIFY(folder.read("eigen.csv").contains("\"Jaartal\""));
    QCOMPARE(run(folder, print + QStringList{"--force"}).exitCode, 0);
    QVERIFY(folder.read("eigen.pdf").startsWith("%PDF"));

    // A collection or old-data file, new or existing, directly or through a
    // link, never becomes a CSV or PDF file.
    const QByteArray collection = folder.read("Verzameling/Nat.col");
    const QByteArray shown = run(folder, {"show", "Nat"}).out;
    QVERIFY(QFile::link(folder.path("Verzameling/Nat.col"), folder.path("link.csv")));
    for (const char *target :
         {"Verzameling/Nat.col", "Verzameling/Oud.cat", "Verzameling/Nieuw.col", "link.csv"}) {
        verifyFailure(run(folder, {"export-csv", "Nat", folder.path(target), "--force"}));
        verifyFailure(run(folder, {"print", "Nat", "--job", "2", "--pdf", folder.path(target), "--force"}));
    }
    QCOMPARE(folder.read("Verzameling/Nat.col"), collection);
    QVERIFY(!folder.exists("Verzameling/Nieuw.col"));

    // A link to a stamp picture is replaced with --force, never written through.
    folder.write("Verzameling/Nat/1990/1.jpg", "foto");
    for (const char *output : {"foto.csv", "foto.pdf"})
        QVERIFY(QFile::link(folder.path("Verzameling/Nat/1990/1.jpg"), folder.path(output)));
    verifyFailure(run(folder, {"export-csv", "Nat", folder.path("foto.csv")}));
    QCOMPARE(run(folder, {"export-csv", "Nat", folder.path("foto.csv"), "--force"}).exitCode, 0);
    QCOMPARE(
        run(folder, {"print", "Nat", "--job", "2", "--pdf", folder.path("foto.pdf"), "--force"}).exitCode, 0);
    QCOMPARE(folder.read("Verzameling/Nat/1990/1.jpg"), QByteArray("foto"));
    QVERIFY(folder.read("foto.csv").contains("\"Jaartal\""));
    QVERIFY(folder.read("foto.pdf").startsWith("%PDF"));

    // restore --as replaces another collection only with --force, as import does.
    folder.write("los.csv", "Jaar;Nummer\r\n2001;9\r\n");
    QCOMPARE(run(folder, {"import-csv", folder.path("los.csv"), "Kopie"}).exitCode, 0);
    QCOMPARE(run(folder, {"import-csv", folder.path("los.csv"), "Nat", "--force"}).exitCode, 0);
    const ProgramRun versions = run(folder, {"versions", "Nat"});
    const QString version = QString::fromUtf8(versions.out.left(versions.out.indexOf('\t')));
    const QByteArray copy = folder.read("Verzameling/Kopie.col");
    verifyFailure(run(folder, {"restore", "Nat", version, "--as", "Kopie"}));
    QCOMPARE(folder.read("Verzameling/Kopie.col"), copy);
    QCOMPARE(run(folder, {"restore", "Nat", version, "--as", "Kopie", "--force"}).exitCode, 0);
    QCOMPARE(run(folder, {"show", "Kopie"}).out, shown);
}

void TestCli::gapsAndDoublesPrintOneLineEach()
{
    TestFolder folder;
    QList<QStringList> records;
    for (const char *number : {"MBund 1", "MBund 2", "mbund 6", "MBund 7", "MBund 8", "MBund 10", "MBund 11",
                               "MBund 13", "MBund  13", "MBund 14", "MBund 15", "MBund 16", "MBund 17",
                               "MBund 18", "MBund 19", "MBund 20", "Blok", "blok", "MBund 21"})
        records.append(record(QStringLiteral("1990"), QString::fromLatin1(number), {}, {}, {}));
    records.last()[2] = QStringLiteral("Blokken");
    folder.write(QStringLiteral("Verzameling/Nederland.col"),
                 collectionFile(QStringLiteral("Nederland"), records));

    ProgramRun result =
        run(folder, {QStringLiteral("gaps"), QStringLiteral("Nederland"), QStringLiteral(" MBund 1-20"),
                     QStringLiteral("MBund 13-16"), QStringLiteral("MBund 21")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("MBund 1-20\t3-5, 9, 12\t5\nMBund 13-16\t\t0\nMBund 21\t\t0\n"));
    result = run(folder, {QStringLiteral("gaps"), QStringLiteral("Nederland"), QStringLiteral("MBund 20-21"),
                          QStringLiteral("--category"), QStringLiteral("blokken")});
    QCOMPARE(result.out, QByteArray("MBund 20-21\t20\t1\n"));
    // A range that cannot be read is named, and nothing else is written.
    verifyFailure(run(folder, {QStringLiteral("gaps"), QStringLiteral("Nederland"), QStringLiteral("1-5"),
                               QStringLiteral("20-1")}));
    QVERIFY(run(folder, {QStringLiteral("gaps"), QStringLiteral("Nederland"), QStringLiteral("20-1")})
                .err.contains("'20-1'"));
    verifyFailure(run(folder, {QStringLiteral("gaps"), QStringLiteral("Nederland")}));
    verifyFailure(run(folder, {QStringLiteral("gaps"), QStringLiteral("Belgie"), QStringLiteral("1-5")}));

    result = run(folder, {QStringLiteral("doubles"), QStringLiteral("Nederland")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("MBund 13\t2\nBlok\t2\n"));
    result = run(folder, {QStringLiteral("doubles"), QStringLiteral("Nederland"),
                          QStringLiteral("--category"), QStringLiteral("Blokken")});
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.exitCode, 0);
    verifyFailure(
        run(folder, {QStringLiteral("doubles"), QStringLiteral("Nederland"), QStringLiteral("--category")}));
}

void TestCli::catalogueAndFindWorkWithOtherSystemsNumbers()
{
    TestFolder folder;
    const QList<QStringList> records{
        record(QStringLiteral("1990"), QStringLiteral("NVPH 570"), QStringLiteral("Molen"), {}, {}),
        record(QStringLiteral("1991"), QStringLiteral("NVPH 571"), QStringLiteral("Brug"), {}, {}),
        record(QStringLiteral(" 1990"), QStringLiteral("NVPH 570"), QStringLiteral("Molen"), {}, {})};
    folder.write(QStringLiteral("Verzameling/Nederland.col"),
                 collectionFile(QStringLiteral("Nederland"), records));
    const auto catalogue = [&](const QStringList &arguments) {
        return run(folder, QStringList{QStringLiteral("catalogue"), QStringLiteral("Nederland")} + arguments);
    };
    QCOMPARE(catalogue({"1"}).out, QByteArray());
    // Another edition is added, the same edition replaced, a system in any letter case.
    for (const QStringList &set :
         {QStringList{"1", "--set", "Mi 535", "--value", "1,50", "--edition", "2020"},
          QStringList{"1", "--set", "mi 536", "--edition", "2024"},
          QStringList{"3", "--set", "Mi537", "--edition", "2024"}, QStringList{"1", "--set", "Yt 512"},
          QStringList{"2", "--set", "Yt 512"}}) {
        const ProgramRun result = catalogue(set);
        QVERIFY2(result.exitCode == 0, result.err.constData());
        QVERIFY(result.out.isEmpty());
    }
    QCOMPARE(folder.read(QStringLiteral("Verzameling/.catalogi/Nederland.txt")),
             QByteArray("1990\tNVPH 570\tMi\t535\t1,50\t2020\r\n1990\tNVPH 570\tMi\t537\t\t2024\r\n"
                        "1990\tNVPH 570\tYt\t512\t\t\r\n1991\tNVPH 571\tYt\t512\t\t\r\n"));
    QCOMPARE(catalogue({"1"}).out, QByteArray("Mi\t535\t1,50\t2020\nMi\t537\t\t2024\nYt\t512\t\t\n"));

    // find matches fields and other systems' numbers as the search bar does.
    const QByteArray first =
        "1\t1990\tNVPH 570\tFrankeerzegels\tMolen\tPortretzegel\tLos\t10 c\tKoningin\t-\t"
        "Postfris\t\t\n";
    const QByteArray third = "3\t 1990" + first.mid(6);
    ProgramRun result =
        run(folder, {QStringLiteral("find"), QStringLiteral("Nederland"), QStringLiteral("mi535")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, first + third);
    result = run(folder, {QStringLiteral("find"), QStringLiteral("Nederland"), QStringLiteral("brug")});
    QVERIFY(result.out.startsWith("2\t1991\tNVPH 571\t"));
    QCOMPARE(run(folder, {QStringLiteral("find"), QStringLiteral("Nederland"), QStringLiteral("Sc 1")}).out,
             QByteArray());

    // The want and trade lists read the system's numbers.
    result = run(folder, {QStringLiteral("gaps"), QStringLiteral("Nederland"), QStringLiteral("Mi 535-538")});
    QCOMPARE(result.out, QByteArray("Mi 535-538\t536, 538\t2\n"));
    result = run(folder, {QStringLiteral("doubles"), QStringLiteral("Nederland"), QStringLiteral("--system"),
                          QStringLiteral("yt")});
    QCOMPARE(result.out, QByteArray("Yt 512\t3\n"));
    verifyFailure(run(folder, {QStringLiteral("doubles"), QStringLiteral("Nederland"),
                               QStringLiteral("--system"), QStringLiteral("Sc")}));

    // A CSV round trip keeps every entry.
    const QString csv = folder.path(QStringLiteral("lijst.csv"));
    QCOMPARE(run(folder, {QStringLiteral("export-csv"), QStringLiteral("Nederland"), csv}).exitCode, 0);
    QCOMPARE(run(folder, {QStringLiteral("import-csv"), csv, QStringLiteral("Kopie")}).exitCode, 0);
    QCOMPARE(folder.read(QStringLiteral("Verzameling/.catalogi/Kopie.txt")).replace("\r\n", "\n"),
             QByteArray("1990\tNVPH 570\tMi\t535\t1,50\t2020\n1990\tNVPH 570\tMi\t537\t\t2024\n"
                        "1990\tNVPH 570\tYt\t512\t\t\n1991\tNVPH 571\tYt\t512\t\t\n"));

    QCOMPARE(catalogue({"3", "--remove", "mi"}).exitCode, 0);
    QCOMPARE(catalogue({"1"}).out, QByteArray("Yt\t512\t\t\n"));
    // What was written over is kept with a version.
    const QString version =
        CollectionVersions(folder.folder()).versions(QStringLiteral("Nederland")).front().path;
    QVERIFY(
        folder
            .read(QDir(folder.path(QString())).relativeFilePath(CollectionFiles::catalogueOfVersion(version)))
            .contains("Mi\t537"));
    // Refused with one line: a TAB, a position out of range, no such system, a value without --set,
    // a missing collection.
    const QByteArray before = folder.read(QStringLiteral("Verzameling/.catalogi/Nederland.txt"));
    for (const QStringList &wrong : {QStringList{"1", "--set", "Mi 5\t35"}, QStringList{"4"},
                                     QStringList{"0"}, QStringList{"1", "--remove", "Sc"},
                                     QStringList{"1", "--value", "2"}, QStringList{"1", "--set", "535"}})
        verifyFailure(catalogue(wrong));
    verifyFailure(run(folder, {QStringLiteral("catalogue"), QStringLiteral("Nergens"), QStringLiteral("1")}));
    verifyFailure(run(folder, {QStringLiteral("find"), QStringLiteral("Nergens"), QStringLiteral("1")}));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/.catalogi/Nederland.txt")), before);
}

void TestCli::importTellicoReportsPerCollectionAndKeepsVersions()
{
    TestFolder folder;
    const auto entry = [](const QByteArray &number, const QByteArray &country, const QByteArray &image) {
        return "<entry><years><year>1990</year></years><scott>" + number + "</scott><country>" + country +
               "</country><image>" + image + "</image></entry>\n";
    };
    const QString tc = folder.path(QStringLiteral("zegels.tc"));
    QVERIFY(TellicoSample::writeZip(tc,
                                    TellicoSample::document("Zegels", "9",
                                                            entry("1", "Belgi\xc3\xab", "a.jpeg") +
                                                                entry("2", "", "") +
                                                                entry("3", "Belgi\xc3\xab", "weg.jpeg") +
                                                                entry("4", "Duitsland", "a.jpeg")),
                                    {{QStringLiteral("a.jpeg"), TellicoSample::picture(Qt::green, "jpeg")}}));
    const QStringList perCountry{QStringLiteral("import-tellico"), tc, QStringLiteral("Wereld"),
                                 QStringLiteral("--per-country")};
    const QByteArray report = "Belgi\xc3\xab\t2\t1\nWereld\t1\t0\nDuitsland\t1\t1\ntotaal\t4\t2\n"
                              "Let op: Belgi\xc3\xab, 1990 3: afbeelding 'weg.jpeg' ontbreekt\n";

    ProgramRun result = run(folder, perCountry + QStringList{QStringLiteral("--dry-run")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, report);
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Wereld.col")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Duitsland")));

    result = run(folder, perCountry);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, report);
    QVERIFY(folder.exists(QStringLiteral("Verzameling/Duitsland/1990/4.jpg")));
    result = run(folder, {QStringLiteral("show"), QStringLiteral("Wereld")});
    QCOMPARE(result.out, "1990\t2\t-\t-\t-\t-\t-\t-\t-\tPostfris\t-\t-\n");

    // Existing collections are replaced only with --force, and kept as versions.
    verifyFailure(run(folder, perCountry));
    result = run(folder, {QStringLiteral("import-tellico"), tc, QStringLiteral("Duitsland"),
                          QStringLiteral("--force")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("Duitsland\t4\t1\ntotaal\t4\t1\n"));
    result = run(folder, {QStringLiteral("versions"), QStringLiteral("Duitsland")});
    QCOMPARE(result.out.count('\n'), 1);

    // All or nothing: when the third collection cannot be written, the first
    // two are taken back, with the picture filed and the file replaced.
    QVERIFY(QFile::remove(folder.path(QStringLiteral("Verzameling/Belgi\u00eb.col"))));
    QVERIFY(DeleteFolderTree(folder.path(QStringLiteral("Verzameling/Belgi\u00eb"))));
    const QByteArray wereld = folder.read(QStringLiteral("Verzameling/Wereld.col"));
    const QString versions = folder.path(QStringLiteral("Verzameling/.versies/Duitsland"));
    QVERIFY(QDir().rename(versions, versions + QStringLiteral(" oud")));
    QVERIFY(QFile::link(versions + QStringLiteral(" oud"), versions));
    verifyFailure(run(folder, perCountry + QStringList{QStringLiteral("--force")}));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Belgi\u00eb.col")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Belgi\u00eb")));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Wereld.col")), wereld);

    // A country too long for a file name goes to the main collection, in the
    // dry run as in the real one.
    const QByteArray longCountry(240, 'x');
    QVERIFY(TellicoSample::writeZip(
        tc,
        TellicoSample::document("Zegels", "9", entry("5", longCountry, "") + entry("6", "Frankrijk", ""))));
    const QStringList intoVerre{QStringLiteral("import-tellico"), tc, QStringLiteral("Verre"),
                                QStringLiteral("--per-country")};
    const ProgramRun dry = run(folder, intoVerre + QStringList{QStringLiteral("--dry-run")});
    QCOMPARE(dry.exitCode, 0);
    QVERIFY(dry.out.startsWith("Verre\t1\t0\nFrankrijk\t1\t0\ntotaal\t2\t0\n"));
    QCOMPARE(run(folder, intoVerre).out, dry.out);

    folder.write(QStringLiteral("boeken.xml"), TellicoSample::document("Boeken", "2", ""));
    verifyFailure(run(folder, {QStringLiteral("import-tellico"), folder.path(QStringLiteral("boeken.xml")),
                               QStringLiteral("Boeken")}));
    verifyFailure(run(
        folder, {QStringLiteral("import-tellico"), tc, QStringLiteral("Wereld"), QStringLiteral("--land")}));
}

void TestCli::importColnectReplacesOnlyWhenToldAndUpdatesInPlace()
{
    TestFolder folder;
    const auto row = [](const QString &item, const QString &codes, const QString &face) {
        return ColnectSample::Row{{"Name", "Zegel " + item},
                                  {"Country", "Nederland"},
                                  {"Catalog Codes", codes},
                                  {"Issued on", "1990-01-02"},
                                  {"FaceValue", face},
                                  {"Currency", "c - Dutch cent"},
                                  {"Link", "https://colnect.com/en/stamps/stamp/" + item}};
    };
    folder.write(QStringLiteral("lijst.csv"),
                 ColnectSample::list({row("11", "Mi:NL 1, Yt:NL 5", "10"), row("12", "Yt:NL 6", "20")}));
    const QString list = folder.path(QStringLiteral("lijst.csv"));
    const QStringList import{QStringLiteral("import-colnect"), list, QStringLiteral("NL")};
    const QByteArray report =
        "NL\t2\ntotaal\t2\nLet op: 1 postzegels hebben geen nummer van Mi; hun Cat.nr. is "
        "het nummer van hun eerste code.\n";

    ProgramRun result = run(folder, import + QStringList{QStringLiteral("--catalogue"), QStringLiteral("Yt"),
                                                         QStringLiteral("--dry-run")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, "NL\t2\ntotaal\t2\n");
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/NL.col")));
    result = run(folder, import);
    QCOMPARE(result.out, report);
    QCOMPARE(run(folder, {QStringLiteral("show"), QStringLiteral("NL")}).out,
             "1990\t1\t-\tZegel 11\t-\t-\t10 c\t-\tUitgifte: 1990-01-02; Land: Nederland\t-\t-\t-\n"
             "1990\t6\t-\tZegel 12\t-\t-\t20 c\t-\tUitgifte: 1990-01-02; Land: Nederland\t-\t-\t-\n");

    // An existing collection only with --force (kept as a version) or --update.
    verifyFailure(run(folder, import));
    QCOMPARE(run(folder, import + QStringList{QStringLiteral("--force")}).out, report);
    QCOMPARE(run(folder, {QStringLiteral("versions"), QStringLiteral("NL")}).out.count('\n'), 1);
    folder.write(QStringLiteral("lijst.csv"),
                 ColnectSample::list({row("11", "Mi:NL 1, Yt:NL 5", "12"), row("12", "Yt:NL 6", "20"),
                                      row("13", "Mi:NL 3", "30")}));
    result = run(folder, import + QStringList{QStringLiteral("--update")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("NL\t3\t1\t1\ntotaal\t3\t1\t1\n"));
    QCOMPARE(run(folder, {QStringLiteral("show"), QStringLiteral("NL")}).out.count('\n'), 3);

    folder.write(QStringLiteral("ander.csv"), "Naam,Land\nA,B\n");
    const QByteArray before = folder.read(QStringLiteral("Verzameling/NL.col"));
    verifyFailure(run(folder, {QStringLiteral("import-colnect"), folder.path(QStringLiteral("ander.csv")),
                               QStringLiteral("NL"), QStringLiteral("--force")}));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/NL.col")), before);
}

void TestCli::aNameInAnySpellingIsOneCollection()
{
    TestFolder folder;
    folder.write("Verzameling/Belgie.col", collectionFile("Belgie", {record("1990", "1", "Vis", "1", "2")}));
    // A version an earlier program kept under another spelling is this collection's.
    folder.write("Verzameling/.versies/belgie/2001-01-01 00.00.00.col",
                 collectionFile("belgie", {record("1980", "7", "Boot", "1", "2")}));
    QCOMPARE(run(folder, {"versions", "Belgie"}).out, QByteArray("2001-01-01 00.00.00\t1\n"));
    QCOMPARE(run(folder, {"restore", "belgie", "2001-01-01 00.00.00"}).exitCode, 0);
    QCOMPARE(folder.read("Verzameling/Belgie.col").split('\r').value(1), QByteArray("\nBelgie"));
    QVERIFY(run(folder, {"show", "BELGIE"}).out.startsWith("1980\t7\t"));
    QCOMPARE(run(folder, {"versions", "belgie"}).out.count('\n'), 2);

    // A new collection in another spelling of an existing one's name is that one.
    folder.write("los.csv", "Jaar;Nummer\r\n2001;9\r\n");
    ProgramRun result = run(folder, {"import-csv", folder.path("los.csv"), "BELGIE"});
    verifyFailure(result);
    QVERIFY2(result.err.contains("'Belgie' bestaat reeds"), result.err.constData());
    QCOMPARE(run(folder, {"import-csv", folder.path("los.csv"), "BELGIE", "--force"}).exitCode, 0);
    QCOMPARE(folder.read("Verzameling/Belgie.col").split('\r').value(1), QByteArray("\nBelgie"));
    QCOMPARE(QDir(folder.path("Verzameling")).entryList({"*.col"}, QDir::Files), QStringList{"Belgie.col"});

    // A name stored decomposed is reached as listed and as typed.
    const QString decomposed = QStringLiteral("Re\u0301union");
    folder.write("Verzameling/" + decomposed + ".col",
                 collectionFile(QStringLiteral("R\u00e9union"), {record("1990", "1", "Vis", "1", "2")}));
    QVERIFY(run(folder, {"list"}).out.contains(decomposed.toUtf8()));
    for (const QString &name : {decomposed, QStringLiteral("R\u00e9union")})
        QVERIFY(run(folder, {"show", name}).out.startsWith("1990\t1\t"));

    // A name too long for the disk is refused before anything is written.
    const QString tooLong(240, u'a');
    verifyFailure(run(folder, {"import-csv", folder.path("los.csv"), tooLong}));
    QVERIFY(!folder.exists("Verzameling/" + tooLong));
}

void TestCli::argumentsAreReadWordForWordAsBefore()
{
    TestFolder folder;
    folder.write("Verzameling/Nat.col", collectionFile("Nat", {record("1990", "1", "Vis", "1", "2"),
                                                               record("1991", "LP3", "Boot", "1", "2")}));
    // The first argument that cannot be read is the one named; one that
    // begins with a single "-" is a value, "--" alone an unknown argument.
    const QList<QPair<QStringList, QByteArray>> refused = {
        {{}, "Geen commando gegeven; " + Usage},
        {{"kopieer"}, "Onbekend commando 'kopieer'; " + Usage},
        {{"list", "-x"}, "Onbekend argument voor list: '-x'\n"},
        {{"list", "--old=1"}, "Onbekend argument voor list: '--old=1'\n"},
        {{"import", "a", "b", "--x"}, "Onbekend argument voor import: 'b'\n"},
        {{"import", "a", "--x", "--as"}, "Onbekend argument voor import: '--x'\n"},
        {{"import", "--", "a"}, "Onbekend argument voor import: '--'\n"},
        {{"import", "a", "--as=b"}, "Onbekend argument voor import: '--as=b'\n"},
        {{"import", "a", "--as"}, "--as verwacht een naam\n"},
        {{"import", "a", "--as", ""}, "Ongeldige naam voor een verzameling: ''\n"},
        {{"import", "-a"}, "Oude data '-a' bestaat niet\n"},
        {{"import"}, "import verwacht de naam van oude data; " + Usage},
        {{"show", "--x"}, "show verwacht precies één naam; " + Usage},
        {{"totals", "Nat", "Nat"}, "totals verwacht precies één naam; " + Usage},
        {{"versions", "-x"}, "Verzameling '-x' bestaat niet\n"},
        {{"album", "Nat", "Nat"}, "Onbekend argument voor album: 'Nat'\n"},
        {{"album", "--open"}, "album verwacht de naam van een verzameling; " + Usage},
        {{"print", "--job", "1"}, "print verwacht precies één naam; " + Usage},
        {{"print", "Nergens", "--kleur"}, "Verzameling 'Nergens' bestaat niet\n"},
        {{"print", "Nat", "--kleur"}, "print: '--kleur' zonder waarde\n"},
        {{"print", "Nat", "--job", "1", "x", "--pdf", "u.pdf"}, "print: onbekend argument 'x'\n"},
        {{"print", "Nat", "--record", "x", "--job", "y"}, "print: '--record' verwacht een getal, niet 'x'\n"},
        {{"export-csv", "a", "b", "c", "--x"}, "Onbekend argument voor export-csv: '--x'\n"},
        {{"export-csv", "a", "b", "c"}, "export-csv verwacht een naam en een bestand; " + Usage},
        {{"import-tellico", "a", "b", "--land"}, "Onbekend argument voor import-tellico: '--land'\n"},
        {{"attach", "Nat", "x", "f"}, "record 'x' bestaat niet (1 tot en met 2)\n"},
        {{"restore", "Nat", "V", "--as"}, "--as verwacht een naam\n"},
        {{"restore", "Nat"}, "restore verwacht een naam en een versie; " + Usage},
        {{"gaps", "Nat", "--category", "a", "--category", "b", "--x"}, "--category verwacht één tekst\n"},
        {{"gaps", "Nat", "--category", "a", "--x", "--category", "b"},
         "Onbekend argument voor gaps: '--x'\n"},
        {{"gaps", "Nat"}, "gaps verwacht een naam en ten minste één reeks; " + Usage},
        {{"doubles", "Nat", "--category"}, "--category verwacht één tekst\n"},
        {{"doubles", "Nat", "x"}, "doubles verwacht precies één naam; " + Usage},
        // --help is read as any option is: not after what cannot be read, not as a value.
        {{"list", "--x", "--help"}, "Onbekend argument voor list: '--x'\n"},
        {{"import", "Oud", "--as", "--help"}, "Oude data 'Oud' bestaat niet\n"},
        {{"print", "Nat", "--pdf", "--help"}, "print: --job 1 tot en met 5 is nodig\n"},
    };
    for (const auto &[arguments, message] : refused) {
        const ProgramRun result = run(folder, arguments);
        QCOMPARE(result.err, message);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.out.isEmpty());
    }
    const ProgramRun values = run(folder, {"gaps", "Nat", "-2", "LP1-LP3", "--category", "-x"});
    QCOMPARE(values.out, QByteArray("-2\t2\t1\nLP1-LP3\t1-3\t3\n"));
    QCOMPARE(run(folder, {"import", "Nat", "--as", "--force"}).err,
             QByteArray("Oude data 'Nat' bestaat niet\n"));
}

void TestCli::everyCommandAnswersHelpFromItsDeclarations()
{
    // Help needs no program folder.
    TestFolder folder;
    QVERIFY(QDir(folder.path(QString())).rmdir(QStringLiteral("Verzameling")));
    QVERIFY(QDir(folder.path(QString())).rmdir(QStringLiteral("Data")));
    const ProgramRun general = run(folder, {"--help"});
    QCOMPARE(general.exitCode, 0);
    QVERIFY(general.out.contains("\n  COMMANDO --help "));
    QVERIFY(general.out.contains("\n  --language nl|en|de "));

    // Each command's help opens with its part of the usage line and lists
    // every option that part names; the general help lists that part too.
    const QString start = QStringLiteral("gebruik: tessaron2-cli [--home MAP] ");
    const QStringList synopses =
        QString::fromUtf8(Usage).trimmed().mid(start.size()).split(QStringLiteral(" | "));
    QCOMPARE(synopses.size(), 17);
    for (const QString &synopsis : synopses) {
        const QString command = synopsis.section(u' ', 0, 0);
        for (const QStringList &arguments :
             {QStringList{command, "--help"}, QStringList{command, "--help", "--x"}}) {
            const ProgramRun help = run(folder, arguments);
            QCOMPARE(help.exitCode, 0);
            QVERIFY(help.err.isEmpty());
            QVERIFY2(help.out.startsWith((start + synopsis + u'\n').toUtf8()), help.out.constData());
            QVERIFY(help.out.endsWith("\n  --help                            toont deze tekst\n"));
            for (QString option : synopsis.split(u' ').filter(QStringLiteral("--")))
                QVERIFY2(help.out.contains("\n  " + option.remove(u'[').remove(u']').toUtf8() + ' '),
                         qPrintable(option));
        }
        QVERIFY2(general.out.contains("\n  " + synopsis.toUtf8() + (synopsis.size() < 34 ? " " : "\n")),
                 qPrintable(synopsis));
    }
}

void TestCli::messagesSpeakTheChosenLanguage()
{
    TestFolder folder;
    const QStringList missing = {QStringLiteral("show"), QStringLiteral("Onbekend")};
    const auto errorLine = [&](const QStringList &arguments, const QString &locale) {
        const ProgramRun result = run(folder, arguments, locale);
        return result.exitCode > 0 ? result.err : QByteArray("exit 0");
    };
    const QByteArray dutch("Verzameling 'Onbekend' bestaat niet\n");
    QCOMPARE(errorLine(missing, QString()), dutch);
    QCOMPARE(errorLine(missing, QStringLiteral("fr_FR.UTF-8")), dutch);
    QCOMPARE(errorLine(missing, QStringLiteral("de_DE.UTF-8")),
             QByteArray("Sammlung 'Onbekend' existiert nicht\n"));
    QCOMPARE(errorLine(missing, QStringLiteral("en_GB.UTF-8")),
             QByteArray("Collection 'Onbekend' does not exist\n"));
    QCOMPARE(errorLine(QStringList{QStringLiteral("--language"), QStringLiteral("nl")} + missing,
                       QStringLiteral("en_GB.UTF-8")),
             dutch);

    // The choice of the window counts over the locale, --language over both.
    folder.write(QStringLiteral("Tessaron2.taal"), "de\r\n");
    QCOMPARE(errorLine(missing, QStringLiteral("en_GB.UTF-8")),
             QByteArray("Sammlung 'Onbekend' existiert nicht\n"));
    QCOMPARE(errorLine(QStringList{QStringLiteral("--language=en")} + missing, QString()),
             QByteArray("Collection 'Onbekend' does not exist\n"));
    // An unknown code is refused before any language is taken.
    QCOMPARE(
        errorLine({QStringLiteral("--language"), QStringLiteral("fr"), QStringLiteral("list")}, QString()),
        QByteArray("Onbekende taal 'fr' (nl, en of de)\n"));

    // Data stays as it is: the records print byte for byte in every language.
    folder.write(QStringLiteral("Verzameling/Nederland.col"),
                 collectionFile(QStringLiteral("Nederland"),
                                {record(QStringLiteral("1990"), QStringLiteral("12a"), QStringLiteral("Café"),
                                        QStringLiteral("2,50"), QStringLiteral("-"))}));
    const ProgramRun shown = run(folder, {QStringLiteral("show"), QStringLiteral("Nederland")});
    const ProgramRun shownInEnglish = run(folder, {QStringLiteral("--language"), QStringLiteral("en"),
                                                   QStringLiteral("show"), QStringLiteral("Nederland")});
    QCOMPARE(shownInEnglish.exitCode, 0);
    QVERIFY(shown.out.contains("Caf\xc3\xa9"));
    QCOMPARE(shownInEnglish.out, shown.out);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
