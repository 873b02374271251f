#include "common/TestFolder.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/formats/LookupList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void pathsMatchExistingNamesWithoutRegardToCase();
    void homeComesFromTheCommandLineThenTheEnvironmentThenTheProgram();
    void aFolderWithoutProgramDataIsFilledOnlyWhereMissing();
    void eachWordListReaderKeepsItsOwnLineRule();
    void collectionNamesThatCouldLeaveTheFolderAreRefused();
};

void ProgramFolderTest::pathsMatchExistingNamesWithoutRegardToCase()
{
    TestFolder home;
    QVERIFY(QDir(home.path("Data")).removeRecursively());
    home.write("data/categorie.TXT", "x\r\n");
    home.write("Verzameling/nederland/1999/123A.JPG", "jpg");
    const ProgramFolder &folder = home.folder();

    QCOMPARE(folder.dataFile("Categorie.txt"), home.path("data/categorie.TXT"));
    QCOMPARE(folder.picturePath("Nederland", "1999", "123a"),
             home.path("Verzameling/nederland/1999/123A.JPG"));
    // What does not exist is used as given, so it can be created.
    QCOMPARE(folder.collectionFile("Nieuw"), home.path("Verzameling/Nieuw.col"));
    QCOMPARE(folder.picturePath("Nederland", "1999", "123a "),
             home.path("Verzameling/nederland/1999/123a .jpg"));
    QCOMPARE(folder.settingsFile(), home.path("Tessaron2.ini"));
}

void ProgramFolderTest::homeComesFromTheCommandLineThenTheEnvironmentThenTheProgram()
{
    QStringList arguments{"tessaron2", "--home", "/tmp/a", "show"};
    qputenv("TESSARON2_HOME", "/tmp/b");
    QCOMPARE(ProgramFolder::fromCommandLine(arguments, "/opt/t2", "/nohome").root(), QString("/tmp/a"));
    QCOMPARE(arguments, QStringList({"tessaron2", "show"}));

    arguments = {"tessaron2", "--home=/tmp/c"};
    QCOMPARE(ProgramFolder::fromCommandLine(arguments, "/opt/t2", "/nohome").root(), QString("/tmp/c"));
    QCOMPARE(arguments, QStringList({"tessaron2"}));

    QCOMPARE(ProgramFolder::fromCommandLine(arguments, "/opt/t2", "/nohome").root(), QString("/tmp/b"));
    qunsetenv("TESSARON2_HOME");

    // An installation: the programs' folder, the shared data found from it, a home.
    QTemporaryDir root;
    const QString programs = root.filePath("prefix/bin");
    const QString home = root.filePath("home");
    const auto readFile = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString shared = ProgramFolder::installedData(programs);
    QVERIFY(QDir().mkpath(programs));
    for (const QString &file : {QString("Data/Landen.txt"), QString("Verzameling/Demo.col")}) {
        QVERIFY(QDir().mkpath(QFileInfo(shared + "/" + file).path()));
        QFile written(shared + "/" + file);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write("Nederland\r\n") == 11);
    }

    // The first start copies the shared data into Tessaron2 of the home folder.
    const ProgramFolder personal = ProgramFolder::fromCommandLine(arguments, programs, home);
    QCOMPARE(personal.root(), home + "/Tessaron2");
    QCOMPARE(readFile(personal.dataFile("Landen.txt")), QByteArray("Nederland\r\n"));
    QCOMPARE(readFile(personal.collectionFile("Demo")), QByteArray("Nederland\r\n"));
    QCOMPARE(QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"Tessaron2"});
    // Later starts never copy again: what the collector deleted stays deleted.
    QVERIFY(QFile::remove(personal.collectionFile("Demo")));
    QVERIFY(QFile::remove(personal.dataFile("Landen.txt")));
    ProgramFolder::fromCommandLine(arguments, programs, home);
    QVERIFY(!QFile::exists(personal.collectionFile("Demo")));
    QVERIFY(!QFile::exists(personal.dataFile("Landen.txt")));
    // A folder of another letter case is the same folder.
    QVERIFY(QDir(home).rename("Tessaron2", "tessaron2"));
    QCOMPARE(ProgramFolder::fromCommandLine(arguments, programs, home).root(), home + "/tessaron2");

    // Without shared data nothing is created.
    const QString emptyHome = root.filePath("empty");
    QCOMPARE(ProgramFolder::fromCommandLine(arguments, "/opt/t2", emptyHome).root(),
             emptyHome + "/Tessaron2");
    QVERIFY(!QFileInfo::exists(emptyHome));

    // A Verzameling folder (any letter case) beside the program makes it portable.
    QVERIFY(QDir(programs).mkdir("VERZAMELING"));
    QCOMPARE(ProgramFolder::fromCommandLine(arguments, programs, emptyHome).root(), programs);
}

void ProgramFolderTest::aFolderWithoutProgramDataIsFilledOnlyWhereMissing()
{
    // A program run from the build folder fills from the data the build assembled.
    QCOMPARE(ProgramFolder::shippedData(QCoreApplication::applicationDirPath()),
             QString(T2_SHIPPED_DATA_DIR));
    QCOMPARE(ProgramFolder::shippedData("/opt/t2"), ProgramFolder::installedData("/opt/t2"));

    TestFolder shipped;
    shipped.write("Data/Landen.txt", "Nederland\r\n");
    shipped.write("Verzameling/Demo.col", "demo");
    QTemporaryDir root;
    const ProgramFolder missing(root.filePath("nieuw"));
    QVERIFY(!missing.holdsProgramData());
    QVERIFY(!missing.fillFrom(root.filePath("absent")));
    QVERIFY(missing.fillFrom(shipped.path(QString())));
    QVERIFY(missing.holdsProgramData());
    QVERIFY(QFile::exists(missing.collectionFile("Demo")));

    // An existing folder of either kind, in any letter case, is left as it is.
    TestFolder own;
    QVERIFY(QDir(own.path("Verzameling")).removeRecursively());
    QVERIFY(QDir(own.path(QString())).rename("Data", "data"));
    own.write("data/Eigen.txt", "x");
    QVERIFY(own.folder().holdsProgramData());
    QVERIFY(own.folder().fillFrom(shipped.path(QString())));
    QCOMPARE(QDir(own.path("data")).entryList(QDir::Files), QStringList{"Eigen.txt"});
    QVERIFY(!QFileInfo::exists(own.path("Data")));
    QCOMPARE(own.read("Verzameling/Demo.col"), QByteArray("demo"));
    QCOMPARE(
        QDir(own.path(QString()))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase),
        QStringList({"data", "Verzameling"}));
}

void ProgramFolderTest::eachWordListReaderKeepsItsOwnLineRule()
{
    TestFolder home;
    home.write("Data/Lijst.txt", "A\r\n\r\n  B  \r\n   \r\nC\r\n\tD\t");
    const QString path = home.folder().dataFile("Lijst.txt");
    QCOMPARE(LookupList::readVerbatim(path), QStringList({"A", "", "  B  ", "   ", "C", "\tD\t"}));
    // Only blanks are trimmed; a tab is part of the entry.
    QCOMPARE(LookupList::readTrimmed(path), QStringList({"A", "", "B", "", "C", "\tD\t"}));
    QCOMPARE(LookupList::readNonBlank(path), QStringList({"A", "  B  ", "C", "\tD\t"}));
    QVERIFY(LookupList::readVerbatim(home.folder().dataFile("Ontbreekt.txt")).isEmpty());

    QVERIFY(LookupList::write(path, {"Zegel", QString::fromUtf8("Belgi\u00eb")}));
    QCOMPARE(home.read("Data/Lijst.txt"), QByteArray("Zegel\r\nBelgi\xeb\r\n"));
}

void ProgramFolderTest::collectionNamesThatCouldLeaveTheFolderAreRefused()
{
    for (const QString &name :
         QStringList{"Nederland", "   ", "Frankrijk & co", QString::fromUtf8("Cura\u00e7ao"), "a.b"})
        QVERIFY2(CollectionName::isValid(name), qPrintable(name));
    for (const QString &name : QStringList{"", ".", "..", "../x", "a/b", "a\\b", "c:", "a*", "a?", "\"a\"",
                                           "<a>", "a|b", "tab\there", "nl\nx", QString(QChar(0x7F))})
        QVERIFY2(!CollectionName::isValid(name), qPrintable(name));
    // Every C1 control, the five that Windows-1252 leaves undefined among them.
    for (char16_t c = 0x80; c <= 0x9F; ++c)
        QVERIFY2(!CollectionName::isValid(QStringLiteral("a") + QChar(c)),
                 qPrintable(QString::number(c, 16)));
    QVERIFY(CollectionName::isValid(QStringLiteral("a") + QChar(0xA0)));
}

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
