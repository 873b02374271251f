#include "common/TestFolder.h"
#include "storage/document/OpenCollection.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionVersions.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>

namespace {

std::vector<StampRecord> recordsOf(const QString &subject, int count = 1)
{
    std::vector<StampRecord> records(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index) {
        records[static_cast<size_t>(index)][StampRecord::Year] = QStringLiteral("1990");
        records[static_cast<size_t>(index)][StampRecord::CatalogueNumber] = QString::number(index + 1);
        records[static_cast<size_t>(index)][StampRecord::Subject] = subject;
    }
    return records;
}

QString wantListPath(const QString &name)
{
    return QStringLiteral("Verzameling/.mancolijst/%1.txt").arg(name);
}

QString cataloguePath(const QString &name)
{
    return QStringLiteral("Verzameling/.catalogi/%1.txt").arg(name);
}

// A catalogue file of one entry.
QByteArray catalogueOf(const char *number)
{
    return QByteArray("1990\t1\tMi\t") + number + "\t\t\r\n";
}

} // namespace

class CollectionFilesTest : public QObject {
    Q_OBJECT

private slots:
    void aNameInAnySpellingIsTheCollectionOfItsFile();
    void eachOperationDoesWithEachCompanionWhatItSays();
    void savedUnderItsNameInAnotherCaseTheCollectionIsRespelled();
};

void CollectionFilesTest::aNameInAnySpellingIsTheCollectionOfItsFile()
{
    TestFolder home;
    home.write(QStringLiteral("Verzameling/Belgie.col"),
               CollectionFile::serialize(QStringLiteral("Belgie"), {}));
    const CollectionFiles belgie(home.folder(), QStringLiteral("BELGIE"));
    QVERIFY(belgie.exists());
    QCOMPARE(belgie.name(), QStringLiteral("Belgie"));
    QCOMPARE(belgie.file(), home.path(QStringLiteral("Verzameling/Belgie.col")));
    QCOMPARE(belgie.wantList(), home.path(wantListPath(QStringLiteral("Belgie"))));
    QVERIFY(belgie.isNamed(QStringLiteral("belgie")));
    QVERIFY(!belgie.isNamed(QStringLiteral("Belgie 2")));

    // A file name stored decomposed is the composed name.
    const QString decomposed = QStringLiteral("Re\u0301union");
    home.write(QStringLiteral("Verzameling/%1.col").arg(decomposed), "x");
    const CollectionFiles reunion(home.folder(), QStringLiteral("R\u00e9union"));
    QVERIFY(reunion.exists());
    QCOMPARE(reunion.name(), QStringLiteral("R\u00e9union"));

    // Two files differing only in case, as earlier versions made them, stay two.
    home.write(QStringLiteral("Verzameling/Zee.col"), "Z");
    home.write(QStringLiteral("Verzameling/zee.col"), "z");
    home.write(QStringLiteral("Verzameling/.versies/zee/2001-01-01 00.00.00.col"), "z");
    QCOMPARE(CollectionFiles(home.folder(), QStringLiteral("zee")).name(), QStringLiteral("zee"));
    QVERIFY(CollectionFiles(home.folder(), QStringLiteral("Zee")).versionFolders().isEmpty());
    QCOMPARE(CollectionFiles(home.folder(), QStringLiteral("zee")).versionFolders().size(), 1);

    // A name is refused when a file the collection needs would not fit the
    // disk; a letter with an accent takes two bytes.
    QVERIFY(CollectionFiles::checkLength(QString(200, u'a')));
    QVERIFY(!CollectionFiles::checkLength(QString(230, u'a')));
    QVERIFY(!CollectionFiles::checkLength(QString(115, u'\u00e9')));
    const StorageResult refused = CollectionFiles::checkNewName(home.folder(), QString(245, u'a'));
    QVERIFY(refused.reason.startsWith(
        QStringLiteral("Ongeldige naam voor een verzameling!\r\nDe naam is te lang")));
    QVERIFY(!CollectionFiles(home.folder(), QString(245, u'a')).save(recordsOf(QStringLiteral("x"))));
    QVERIFY(!home.exists(QStringLiteral("Verzameling/") + QString(245, u'a')));
}

// Every operation on a collection, and what it does with each file of it:
// the collection file, the picture folder, the want list and the catalogue
// numbers, the versions with those kept beside each, and the lock. The
// operations here are given no catalogue entries: the file there stays.
void CollectionFilesTest::eachOperationDoesWithEachCompanionWhatItSays()
{
    struct Expected {
        bool file;
        QByteArray wantList;
        int versions;
        QByteArray keptWantList; // beside the newest version
        QByteArray catalogue;
        QByteArray keptCatalogue;
    };
    struct Row {
        const char *operation;
        QString written; // the collection the operation is about
        std::function<bool(const TestFolder &)> run;
        Expected expected;
    };
    const QByteArray wantsOfA = "A 1-5\r\n";
    const QByteArray wantsOfC = "C 1-9\r\n";
    const auto files = [](const TestFolder &home, const char *name) {
        return CollectionFiles(home.folder(), QString::fromLatin1(name));
    };
    // The newest version of A, kept by saving it once more.
    const auto versionOfA = [&](const TestFolder &home) {
        QVERIFY(files(home, "A").save(recordsOf(QStringLiteral("a2"))));
        home.write(wantListPath(QStringLiteral("A")), "A 6\r\n");
        home.write(cataloguePath(QStringLiteral("A")), catalogueOf("6"));
    };
    const QByteArray catalogueOfA = catalogueOf("1");
    const QByteArray catalogueOfC = catalogueOf("3");
    const auto newestOfA = [](const TestFolder &home) {
        return CollectionVersions(home.folder()).versions(QStringLiteral("A")).front().path;
    };
    const std::vector<Row> rows{
        {"save",
         QStringLiteral("A"),
         [&](const TestFolder &home) { return bool(files(home, "A").save(recordsOf(QStringLiteral("a2")))); },
         {true, wantsOfA, 1, wantsOfA, catalogueOfA, catalogueOfA}},
        {"save under a new name",
         QStringLiteral("B"),
         [&](const TestFolder &home) {
             return bool(files(home, "B").saveFrom(files(home, "A"), recordsOf(QStringLiteral("a"))));
         },
         {true, wantsOfA, 0, {}, {}, {}}},
        {"save over another collection",
         QStringLiteral("C"),
         [&](const TestFolder &home) {
             return bool(files(home, "c").saveFrom(files(home, "A"), recordsOf(QStringLiteral("a"))));
         },
         {true, wantsOfA, 1, wantsOfC, catalogueOfC, catalogueOfC}},
        {"save over another from one without a want list",
         QStringLiteral("C"),
         [&](const TestFolder &home) {
             return bool(files(home, "C").saveFrom(files(home, "N"), recordsOf(QStringLiteral("n"))));
         },
         {true, {}, 1, wantsOfC, catalogueOfC, catalogueOfC}},
        {"delete",
         QStringLiteral("A"),
         [&](const TestFolder &home) { return bool(files(home, "a").remove()); },
         {false, {}, 1, wantsOfA, {}, catalogueOfA}},
        {"restore",
         QStringLiteral("A"),
         [&](const TestFolder &home) {
             versionOfA(home);
             return bool(files(home, "A").restore(newestOfA(home), QStringLiteral("A"),
                                                  recordsOf(QStringLiteral("a"))));
         },
         {true, wantsOfA, 2, "A 6\r\n", catalogueOfA, catalogueOf("6")}},
        {"restore under another name",
         QStringLiteral("C"),
         [&](const TestFolder &home) {
             versionOfA(home);
             return bool(files(home, "C").restore(newestOfA(home), QStringLiteral("A"),
                                                  recordsOf(QStringLiteral("a"))));
         },
         {true, wantsOfA, 1, wantsOfC, catalogueOfA, catalogueOfC}},
        {"import over it",
         QStringLiteral("C"),
         [&](const TestFolder &home) {
             return bool(files(home, "C").save(recordsOf(QStringLiteral("i"), 3)));
         },
         {true, wantsOfC, 1, wantsOfC, catalogueOfC, catalogueOfC}},
    };
    for (const Row &row : rows) {
        TestFolder home;
        QVERIFY(files(home, "A").save(recordsOf(QStringLiteral("a"))));
        QVERIFY(files(home, "C").save(recordsOf(QStringLiteral("c"))));
        QVERIFY(files(home, "N").save(recordsOf(QStringLiteral("n"))));
        home.write(wantListPath(QStringLiteral("A")), wantsOfA);
        home.write(wantListPath(QStringLiteral("C")), wantsOfC);
        home.write(cataloguePath(QStringLiteral("A")), catalogueOfA);
        home.write(cataloguePath(QStringLiteral("C")), catalogueOfC);
        QVERIFY2(row.run(home), row.operation);

        const CollectionFiles written(home.folder(), row.written);
        const Expected &expected = row.expected;
        QVERIFY2(written.exists() == expected.file, row.operation);
        // The picture folder is made by every write and left alone by a delete.
        QVERIFY2(home.exists(QStringLiteral("Verzameling/") + row.written), row.operation);
        QVERIFY2(!home.exists(QStringLiteral("Verzameling/.%1.col.lock").arg(row.written)), row.operation);
        const auto bytesAt = [&](const QString &path) {
            return QFile::exists(path) ? home.read(QDir(home.path(QString())).relativeFilePath(path))
                                       : QByteArray();
        };
        QCOMPARE(bytesAt(home.path(wantListPath(row.written))), expected.wantList);
        QCOMPARE(bytesAt(home.path(cataloguePath(row.written))), expected.catalogue);
        const std::vector<CollectionVersions::Version> versions =
            CollectionVersions(home.folder()).versions(row.written);
        QVERIFY2(versions.size() == size_t(expected.versions), row.operation);
        if (!versions.empty()) {
            QCOMPARE(bytesAt(CollectionFiles::wantListOfVersion(versions.front().path)),
                     expected.keptWantList);
            QCOMPARE(bytesAt(CollectionFiles::catalogueOfVersion(versions.front().path)),
                     expected.keptCatalogue);
        }
    }
}

void CollectionFilesTest::savedUnderItsNameInAnotherCaseTheCollectionIsRespelled()
{
    TestFolder home;
    QVERIFY(CollectionFiles(home.folder(), QStringLiteral("Belgie")).save(recordsOf(QStringLiteral("b"))));
    QVERIFY(CollectionFiles(home.folder(), QStringLiteral("Belgie")).save(recordsOf(QStringLiteral("b"), 2)));
    home.write(wantListPath(QStringLiteral("Belgie")), "1-5\r\n");
    home.write(cataloguePath(QStringLiteral("belgie")), catalogueOf("5"));
    OpenCollection collection(home.folder());
    QVERIFY(collection.open(QStringLiteral("belgie")));
    QCOMPARE(collection.name(), QStringLiteral("Belgie"));
    QVERIFY(collection.saveAs(QStringLiteral("BELGIE")));
    QCOMPARE(collection.name(), QStringLiteral("BELGIE"));
    const QStringList files =
        QDir(home.path(QStringLiteral("Verzameling"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(files, QStringList({"BELGIE", "BELGIE.col"}));
    QVERIFY(home.read(QStringLiteral("Verzameling/BELGIE.col")).contains("\r\nBELGIE\r\n"));
    QCOMPARE(home.read(wantListPath(QStringLiteral("BELGIE"))), QByteArray("1-5\r\n"));
    QCOMPARE(home.read(cataloguePath(QStringLiteral("BELGIE"))), catalogueOf("5"));
    QCOMPARE(CollectionVersions(home.folder()).versions(QStringLiteral("BELGIE")).size(), size_t(2));
    QVERIFY(home.exists(QStringLiteral("Verzameling/.versies/BELGIE")));
}

QTEST_GUILESS_MAIN(CollectionFilesTest)
#include "tst_collectionfiles.moc"
