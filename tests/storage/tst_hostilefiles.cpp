#include "common/TestFolder.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/LookupList.h"
#include "storage/formats/OldDataFile.h"
#include "storage/formats/SettingsFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionSave.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

const QByteArray Header = QByteArray("Tessaron2 Zegelarchief\xae 2.00\r\n");
const QByteArray Separator = "----------------------------\r\n";

// Twelve fields in collection-file order, each followed by CR LF; field 4 is given.
QByteArray recordWithSubject(const QByteArray &subject)
{
    return "1990\r\n12a\r\nCat\r\n" + subject +
           "\r\nSoort\r\nType\r\n5 c\r\nKop\r\n-\r\nPostfris\r\n1,50\r\n2\r\n" + Separator;
}

} // namespace

// Files a collector's tools, a damaged disk or a hostile sender may produce:
// each reader takes what it can, and nothing makes the program hang or crash.
class HostileFilesTest : public QObject {
    Q_OBJECT

private slots:
    void aHundredMegabyteLineIsReadAndWrittenWhole();
    void nulBytesSurviveButNeverNameACollection();
    void onlyRegularFilesOfSaneSizeAreRead();
    void aFailedSaveLeavesNoNewPictureFolder();
    void lineEndsAloneTakeNoRoom();
};

void HostileFilesTest::aHundredMegabyteLineIsReadAndWrittenWhole()
{
    TestFolder home;
    QByteArray line(100 * 1024 * 1024, 'x');
    line[0] = '\x80'; // the euro sign, so the line is decoded, not only copied
    line[line.size() - 1] = '\xae';

    const QByteArray collection = Header + "Lang\r\n" + Separator + recordWithSubject(line);
    home.write("Verzameling/Lang.col", collection);
    RecordList list;
    QString name;
    QVERIFY(LoadCollection(home.folder(), "Lang", list, name));
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.cell(0, StampRecord::Subject).size(), line.size());
    QCOMPARE(list.cell(0, StampRecord::Subject).front(), QChar(0x20AC));
    QCOMPARE(list.cell(0, StampRecord::Kind), QStringLiteral("Soort"));
    QVERIFY(SaveCollection(home.folder(), "Lang", list));
    QVERIFY(home.read("Verzameling/Lang.col") == collection);

    // The old format: the long line is the subject of the one record.
    home.write("Verzameling/Oud.cat",
               "1\r\n2\r\n3\r\n12a\r\n1990\r\nCat\r\n" + line +
                   "\r\nS\r\nT\r\nW\r\nA\r\nI\r\nTrue\r\nFalse\r\nFalse\r\n1\r\n2\r\n");
    QVERIFY(ImportOldData(home.folder(), "Oud", list));
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.cell(0, StampRecord::Subject).size(), line.size());
    QCOMPARE(list.cell(0, StampRecord::Condition), QStringLiteral("Postfris"));

    home.write("Data/Lijst.txt", "A\r\n" + line + "\rB");
    const QStringList words = LookupList::readNonBlank(home.folder().dataFile("Lijst.txt"));
    QCOMPARE(words.size(), 3);
    QCOMPARE(words.at(1).size(), line.size());
    QCOMPARE(words.at(2), QStringLiteral("B"));

    // Line 1 of the settings is read and ignored, however long.
    SettingsFile defaults;
    QByteArray settings = TextFile::joinLines(defaults.lines());
    settings.replace(0, settings.indexOf('\r'), line);
    QCOMPARE(SettingsFile().parse(settings), SettingsFile::ValueCount);
}

void HostileFilesTest::nulBytesSurviveButNeverNameACollection()
{
    TestFolder home;
    const QByteArray record = recordWithSubject(QByteArray("a\0b", 3));
    home.write("Verzameling/Nul.col", Header + QByteArray("N\0l\r\n", 5) + Separator + record);
    RecordList list;
    QString name;
    QVERIFY(LoadCollection(home.folder(), "Nul", list, name));
    QCOMPARE(name, QString(QStringLiteral("N")) + QChar(0) + QStringLiteral("l"));
    QCOMPARE(list.cell(0, StampRecord::Subject).size(), 3);

    // The name from the file cannot be saved under; a valid one keeps the byte.
    const QStringList treeBefore =
        QDir(home.path("Verzameling")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const StorageResult refused = CollectionFiles(home.folder(), name).save(list.records());
    QVERIFY(!refused);
    QCOMPARE(refused.reason, QStringLiteral("Ongeldige naam voor een verzameling!"));
    QCOMPARE(QDir(home.path("Verzameling")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), treeBefore);
    QVERIFY(CollectionFiles(home.folder(), "Proef").save(list.records()));
    QVERIFY(home.read("Verzameling/Proef.col").endsWith(record));
}

void HostileFilesTest::onlyRegularFilesOfSaneSizeAreRead()
{
    TestFolder home;
    // Pipes with no writer: opening one to read would wait for ever.
    for (const char *pipe :
         {"Verzameling/Pijp.col", "Verzameling/Pijp.cat", "Data/Pijp.txt", "Tessaron2.ini"})
        QCOMPARE(mkfifo(QFile::encodeName(home.path(pipe)).constData(), 0644), 0);
    QVERIFY(QDir().mkdir(home.path("Verzameling/Map.col")));
    // A sparse file past the size limit costs no disk space.
    QFile huge(home.path("Verzameling/Reus.col"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(TextFile::MaxReadSize + 1));
    huge.close();

    RecordList list;
    list.append(StampRecord{});
    for (const QString &name : QStringList{"Pijp", "Map", "Reus"}) {
        QString collectionName = QStringLiteral("gekozen");
        const StorageResult loaded = LoadCollection(home.folder(), name, list, collectionName);
        QVERIFY2(!loaded && !loaded.reason.isEmpty(), qPrintable(name));
        QCOMPARE(list.count(), 0);
        QCOMPARE(collectionName, QStringLiteral("gekozen"));
        list.append(StampRecord{});
    }
    QVERIFY(!ImportOldData(home.folder(), "Pijp", list));
    QCOMPARE(list.count(), 0);
    QVERIFY(!FileExists(home.path("Verzameling/Pijp.col")));
    QVERIFY(LookupList::readVerbatim(home.folder().dataFile("Pijp.txt")).isEmpty());
    QCOMPARE(SettingsFile().read(home.folder().settingsFile()), 0);
}

void HostileFilesTest::aFailedSaveLeavesNoNewPictureFolder()
{
    TestFolder home;
    RecordList list;
    list.append(StampRecord{});
    // The collection file's name is taken by a folder, so the save fails.
    QVERIFY(QDir().mkdir(home.path("Verzameling/Bezet.col")));
    QVERIFY(!CollectionFiles(home.folder(), "Bezet").save(list.records()));
    QVERIFY(!home.exists("Verzameling/Bezet"));

    // A picture folder that was there already stays, with its pictures.
    home.write("Verzameling/Bezet/1990/1.jpg", "jpg");
    QVERIFY(!CollectionFiles(home.folder(), "Bezet").save(list.records()));
    QVERIFY(home.exists("Verzameling/Bezet/1990/1.jpg"));
}

// Memory follows the records read: a flood of line ends reserves nothing.
void HostileFilesTest::lineEndsAloneTakeNoRoom()
{
    const QByteArray floodOfLineEnds(1300000, '\n');
    const CollectionFile::Contents contents =
        CollectionFile::parse(Header + "Leeg\r\n" + Separator + floodOfLineEnds);
    QVERIFY(contents.records.empty());
    QVERIFY(contents.records.capacity() < 16);

    TestFolder home;
    home.write("Data/Leeg.txt", floodOfLineEnds + "Postfris\r\n");
    const QStringList entries = LookupList::readNonBlank(home.folder().dataFile("Leeg.txt"));
    QCOMPARE(entries, QStringList{"Postfris"});
    QVERIFY(entries.capacity() < 16);
}

QTEST_GUILESS_MAIN(HostileFilesTest)
#include "tst_hostilefiles.moc"
