#include "common/TestFolder.h"
#include "storage/CollectionName.h"
#include "storage/LookupList.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QTest>

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void pathsMatchExistingNamesWithoutRegardToCase();
    void homeComesFromTheCommandLineThenTheEnvironmentThenTheProgram();
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
    QCOMPARE(folder.picturePath("Nederland", "1999", "123a"), home.path("Verzameling/nederland/1999/123A.JPG"));
    // What does not exist is used as given, so it can be created.
    QCOMPARE(folder.collectionFile("Nieuw"), home.path("Verzameling/Nieuw.col"));
    QCOMPARE(folder.picturePath("Nederland", "1999", "123a "), home.path("Verzameling/nederland/1999/123a .jpg"));
    QCOMPARE(folder.settingsFile(), home.path("Tessaron2.ini"));
}

void ProgramFolderTest::homeComesFromTheCommandLineThenTheEnvironmentThenTheProgram()
{
    QStringList arguments{"tessaron2", "--home", "/tmp/a", "show"};
    qputenv("TESSARON2_HOME", "/tmp/b");
    QCOMPARE(ProgramFolder::fromCommandLine(arguments, "/opt/t2").root(), QString("/tmp/a"));
    QCOMPARE(arguments, QStringList({"tessaron2", "show"}));

    arguments = {"tessaron2", "--home=/tmp/c"};
    QCOMPARE(ProgramFolder::fromCommandLine(arguments, "/opt/t2").root(), QString("/tmp/c"));
    QCOMPARE(arguments, QStringList({"tessaron2"}));

    QCOMPARE(ProgramFolder::fromCommandLine(arguments, "/opt/t2").root(), QString("/tmp/b"));
    qunsetenv("TESSARON2_HOME");
    QCOMPARE(ProgramFolder::fromCommandLine(arguments, "/opt/t2").root(), QString("/opt/t2"));
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
    for (const QString &name : QStringList{"Nederland", "   ", "Frankrijk & co", QString::fromUtf8("Cura\u00e7ao"), "a.b"})
        QVERIFY2(CollectionName::isValid(name), qPrintable(name));
    for (const QString &name : QStringList{"", ".", "..", "../x", "a/b", "a\\b", "c:", "a*", "a?", "\"a\"", "<a>", "a|b",
                               "tab\there", "nl\nx", QString(QChar(0x7F))})
        QVERIFY2(!CollectionName::isValid(name), qPrintable(name));
}

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
