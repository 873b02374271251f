#include "common/CollectionState.h"
#include "common/PdfReadback.h"

#include "common/TestFolder.h"
#include "printing/PrintCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

namespace {

StampRecord stamp(const QString &year, const QString &number)
{
    StampRecord r;
    r[StampRecord::Year] = year;
    r[StampRecord::CatalogueNumber] = number;
    r[StampRecord::Category] = QStringLiteral("Frankeerzegel");
    r[StampRecord::CataloguePrice] = QStringLiteral("1,25");
    return r;
}

} // namespace

class TestPrintCommand : public QObject {
    Q_OBJECT

private slots:
    void sourceAsAfterAClick();
    void printsEveryJob();
    void refusesWhatItCannotPrint();
    void headingsSpeakEnglishDataStaysAsItIs();
};

void TestPrintCommand::sourceAsAfterAClick()
{
    TestFolder folder;
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QDir().mkpath(folder.path(QStringLiteral("Verzameling/Nederland/1999")));
    QVERIFY(picture.save(folder.path(QStringLiteral("Verzameling/Nederland/1999/12b.jpg")), "JPG"));
    const std::vector<StampRecord> rows = {stamp("1850", "1"), stamp("1999", "12b"), stamp("2001", "7")};
    const PrintCommand command(folder.folder(), QStringLiteral("Nederland"), rows);

    const PrintSource none = command.source(0);
    QCOMPARE(none.selectedRow, -1);
    QCOMPARE(recordsCopy(none.records()), rows);
    QCOMPARE(none.recordCountLine, QStringLiteral("Aantal Records : 3"));
    QCOMPARE(none.collectionCaption, QStringLiteral("Verzamelgebied : Nederland"));
    QVERIFY(none.picture.isNull());

    const PrintSource second = command.source(2);
    QCOMPARE(second.selectedRow, 1);
    QCOMPARE(second.selectedPosition(), 2);
    QCOMPARE(second.panel, rows[1]);
    QCOMPARE(second.recordCountLine, QStringLiteral("Aantal Gegevens : 3"));
    QCOMPARE(second.picture.size(), QSize(30, 20));

    // A record without a picture file holds none, never another record's.
    QVERIFY(command.source(3).picture.isNull());
}

void TestPrintCommand::printsEveryJob()
{
    TestFolder folder;
    std::vector<StampRecord> rows;
    for (int i = 0; i < 60; ++i)
        rows.push_back(stamp(QString::number(1900 + i), QString::number(i)));
    PrintCommand command(folder.folder(), QStringLiteral("Nederland"), rows);
    QImage photo(10, 10, QImage::Format_RGB32);
    photo.fill(Qt::red);
    const QString photoFile = folder.path(QStringLiteral("foto.png"));
    QVERIFY(photo.save(photoFile));

    const QList<std::tuple<QString, QStringList, int>> cases = {
        {"1", {"--copies", "2"}, 4},   {"2", {}, 2},
        {"3", {"--record", "5"}, 1},   {"4", {"--photo", photoFile, "--copies", "3"}, 3},
        {"5", {"--copies", "nul"}, 1},
    };
    for (const auto &[job, extra, pages] : cases) {
        const QString pdf = folder.path(QStringLiteral("job%1.pdf").arg(job));
        const StorageResult result = command.run(QStringList{"--job", job, "--pdf", pdf} + extra);
        QVERIFY2(result.ok, qPrintable(result.reason));
        const PdfReadback readback(pdf);
        QVERIFY2(readback.ok(), qPrintable(readback.error()));
        QVERIFY2(readback.pageCount() == pages, qPrintable(job));
    }
    // The record sheet of row 5 shows that row and its position.
    const PdfReadback sheet(folder.path(QStringLiteral("job3.pdf")));
    QCOMPARE(sheet.find(0, QStringLiteral("1904")).size(), size_t(1));
    QCOMPARE(sheet.find(0, QStringLiteral("4.jpg")).size(), size_t(1));
    QCOMPARE(sheet.find(0, QStringLiteral("Gegevens")).size(), size_t(1));
}

void TestPrintCommand::refusesWhatItCannotPrint()
{
    TestFolder folder;
    const std::vector<StampRecord> rows = {stamp("1850", "1"), stamp("1851", "  ")};
    PrintCommand command(folder.folder(), QStringLiteral("Nederland"), rows);
    const QString pdf = folder.path(QStringLiteral("uit.pdf"));
    const QList<QStringList> refused = {
        {"--job", "3", "--pdf", pdf},                  // no record chosen
        {"--job", "3", "--pdf", pdf, "--record", "2"}, // a blank catalogue number
        {"--job", "3", "--pdf", pdf, "--record", "3"}, // no such row
        {"--job", "6", "--pdf", pdf},                  // no such job
        {"--job", "een", "--pdf", pdf},
        {"--job", "1"},                                  // no file
        {"--job", "1", "--pdf", pdf, "--kleur", "rood"}, // unknown option
        {"--job", "1", "--pdf"},                         // option without value
        {"--job", "4", "--pdf", pdf, "--photo", folder.path(QStringLiteral("geen.jpg"))},
        {"--job", "1", "--pdf", folder.path(QStringLiteral("geen/map/uit.pdf"))},
    };
    for (const QStringList &arguments : refused) {
        const StorageResult result = command.run(arguments);
        QVERIFY2(!result.ok, qPrintable(arguments.join(u' ')));
        QVERIFY(!result.reason.isEmpty());
        QVERIFY2(!folder.exists(QStringLiteral("uit.pdf")), qPrintable(arguments.join(u' ')));
    }
    QVERIFY(
        command.run({"--job", "3", "--pdf", pdf}).reason.contains(QLatin1String("Item selecteren a.u.b.")));
}

void TestPrintCommand::headingsSpeakEnglishDataStaysAsItIs()
{
    // The programs' own English, as installing the language puts it in place.
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/translations/tessaron2_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&english));
    const auto dutchAgain = qScopeGuard([&] { QCoreApplication::removeTranslator(&english); });

    TestFolder folder;
    std::vector<StampRecord> rows = {stamp("1852", "3a")};
    rows[0][StampRecord::Condition] = QStringLiteral("Gestempeld");
    PrintCommand command(folder.folder(), QStringLiteral("België"), rows);
    const QString pdf = folder.path(QStringLiteral("list.pdf"));
    const StorageResult result = command.run({"--job", "1", "--pdf", pdf});
    QVERIFY2(result.ok, qPrintable(result.reason));
    const PdfReadback list(pdf);
    QVERIFY2(list.ok(), qPrintable(list.error()));
    for (const char *word : {"Collection", "Year", "Cat.Number", "Category", "Kind", "Type", "Condition",
                             "België", "1852", "3a", "Frankeerzegel", "Gestempeld"})
        QVERIFY2(list.find(0, QString::fromUtf8(word)).size() == 1, word);
    for (const char *dutch : {"Verzameling", "Jaar", "Categorie", "Soort", "Conditie"})
        QVERIFY2(list.find(0, QString::fromLatin1(dutch)).empty(), dutch);
}

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
