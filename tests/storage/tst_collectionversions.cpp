#include "album/PictureTree.h"
#include "common/FileSizeLimit.h"
#include "common/TestFolder.h"
#include "extras/PictureCheck.h"
#include "storage/CollectionFile.h"
#include "storage/CollectionListing.h"
#include "storage/CollectionVersions.h"
#include "storage/ContentHash.h"
#include "storage/FileFingerprint.h"
#include "storage/RecordList.h"
#include "storage/RecoveryFile.h"
#include "storage/SaveWithPictureFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// count records, numbered from first on, each field telling its record apart.
std::vector<StampRecord> numberedRecords(int count, int first = 1)
{
    std::vector<StampRecord> records(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index) {
        for (int field = 0; field < StampRecord::FieldCount; ++field)
            records[static_cast<size_t>(index)][field] =
                QStringLiteral("r%1 v%2").arg(first + index).arg(field);
    }
    return records;
}

StorageResult save(const TestFolder &home, const QString &name, std::vector<StampRecord> records,
                   FileFingerprint *fingerprint = nullptr)
{
    RecordList list;
    list.assign(std::move(records));
    return SaveWithPictureFolder(home.folder(), name, list, fingerprint);
}

// Everything in the folder, hidden entries included.
QStringList entriesOf(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

class CollectionVersionsTest : public QObject {
    Q_OBJECT

private slots:
    void savesKeepTheNewestVersionsAndOneRestoresByteForByte();
    void aDeletedCollectionComesBackFromItsVersions();
    void aFullDiskWhileKeepingAVersionLeavesTheCurrentFile();
    void aFileChangedElsewhereIsNoticed();
    void theProgramsOwnFoldersShowNowhere();
};

void CollectionVersionsTest::savesKeepTheNewestVersionsAndOneRestoresByteForByte()
{
    TestFolder home;
    const QString name = QStringLiteral("Nederland");
    // Save k holds k records, so a version's record count names the save it kept.
    for (int count = 1; count <= 25; ++count)
        QVERIFY(save(home, name, numberedRecords(count)));
    const CollectionVersions versions(home.folder());
    const std::vector<CollectionVersions::Version> kept = versions.versions(name);
    // The number promised to the collector, not the program's constant.
    QCOMPARE(kept.size(), size_t(20));
    QCOMPARE(entriesOf(versions.folderOf(name)).size(), 20);
    for (size_t index = 0; index < kept.size(); ++index)
        QCOMPARE(kept[index].recordCount, qsizetype(24 - index));

    // A version read back and saved gives the file it was, byte for byte.
    const CollectionVersions::Version &chosen = kept[3];
    std::vector<StampRecord> records;
    QVERIFY(CollectionVersions::read(chosen, records));
    QCOMPARE(records, numberedRecords(21));
    const QByteArray versionBytes =
        home.read(QStringLiteral("Verzameling/.versies/Nederland/") + chosen.id + ".col");
    QVERIFY(save(home, name, std::move(records)));
    QCOMPARE(home.read(QStringLiteral("Verzameling/Nederland.col")), versionBytes);
    // The state the restore replaced became the newest version.
    QCOMPARE(versions.versions(name).front().recordCount, qsizetype(25));
    QCOMPARE(versions.versions(name).size(), size_t(20));
    // Saving the same again keeps that state once, not again and again.
    QVERIFY(save(home, name, numberedRecords(21)));
    QVERIFY(save(home, name, numberedRecords(21)));
    QCOMPARE(versions.versions(name).front().recordCount, qsizetype(21));
    QCOMPARE(versions.versions(name)[1].recordCount, qsizetype(25));
}

void CollectionVersionsTest::aDeletedCollectionComesBackFromItsVersions()
{
    TestFolder home;
    const CollectionVersions versions(home.folder());
    QVERIFY(save(home, QStringLiteral("Weg"), numberedRecords(3)));
    const QByteArray before = home.read(QStringLiteral("Verzameling/Weg.col"));
    QVERIFY(versions.deletedCollections().isEmpty());

    QVERIFY(versions.deleteCollectionFile(QStringLiteral("Weg")));
    QVERIFY(!home.exists(QStringLiteral("Verzameling/Weg.col")));
    QCOMPARE(versions.deletedCollections(), QStringList{QStringLiteral("Weg")});
    const std::vector<CollectionVersions::Version> kept = versions.versions(QStringLiteral("Weg"));
    QCOMPARE(kept.size(), size_t(1));
    QCOMPARE(kept.front().recordCount, qsizetype(3));

    std::vector<StampRecord> records;
    QVERIFY(CollectionVersions::read(*versions.find(QStringLiteral("Weg"), kept.front().id), records));
    QVERIFY(save(home, QStringLiteral("Weg"), std::move(records)));
    QCOMPARE(home.read(QStringLiteral("Verzameling/Weg.col")), before);
    QVERIFY(versions.deletedCollections().isEmpty());
}

void CollectionVersionsTest::aFullDiskWhileKeepingAVersionLeavesTheCurrentFile()
{
    TestFolder home;
    const QString name = QStringLiteral("Vol");
    QVERIFY(save(home, name, numberedRecords(4)));
    const QByteArray before = home.read(QStringLiteral("Verzameling/Vol.col"));

    StorageResult saved;
    {
        const FileSizeLimit limit;
        saved = save(home, name, numberedRecords(1, 100));
    }
    QVERIFY(!saved);
    QVERIFY2(saved.reason.startsWith(QStringLiteral("Vorige versie kon niet worden bewaard: ")),
             qPrintable(saved.reason));
    QCOMPARE(home.read(QStringLiteral("Verzameling/Vol.col")), before);
    // Neither a half-written version nor a temporary file is left behind.
    QCOMPARE(entriesOf(home.path(QStringLiteral("Verzameling"))), QStringList({name, name + ".col"}));

    // Deleting keeps the file too when its version cannot be written.
    {
        const FileSizeLimit limit;
        QVERIFY(!CollectionVersions(home.folder()).deleteCollectionFile(name));
    }
    QCOMPARE(home.read(QStringLiteral("Verzameling/Vol.col")), before);
}

void CollectionVersionsTest::aFileChangedElsewhereIsNoticed()
{
    TestFolder home;
    const QString path = home.path(QStringLiteral("Verzameling/Samen.col"));
    FileFingerprint saved;
    QVERIFY(save(home, QStringLiteral("Samen"), numberedRecords(2), &saved));
    RecordList list;
    QString name;
    FileFingerprint loaded;
    QVERIFY(LoadCollection(home.folder(), QStringLiteral("Samen"), list, name, &loaded));
    QCOMPARE(loaded, saved);
    QVERIFY(!saved.changedOnDisk(path));
    const QByteArray original = home.read(QStringLiteral("Verzameling/Samen.col"));

    // The same size and modification time, other contents.
    QByteArray other = original;
    other.replace("r2 v7", "r9 v7");
    QCOMPARE(other.size(), original.size());
    home.write(QStringLiteral("Verzameling/Samen.col"), other);
    setModified(path, saved.modified());
    QVERIFY(saved.changedOnDisk(path));

    // The same contents again: unchanged; then only a later modification time.
    home.write(QStringLiteral("Verzameling/Samen.col"), original);
    setModified(path, saved.modified());
    QVERIFY(!saved.changedOnDisk(path));
    setModified(path, saved.modified().addSecs(5));
    QVERIFY(saved.changedOnDisk(path));

    // Deleted elsewhere is no conflict, and nothing remembered compares with nothing.
    QVERIFY(QFile::remove(path));
    QVERIFY(!saved.changedOnDisk(path));
    home.write(QStringLiteral("Verzameling/Samen.col"), other);
    QVERIFY(!FileFingerprint().changedOnDisk(path));

    // The hash of bytes written in pieces is that of the whole, however they are cut.
    QByteArray large(300000, 'x');
    for (qsizetype i = 0; i < large.size(); i += 7)
        large[i] = static_cast<char>(i / 7);
    ContentHash pieces;
    for (qsizetype at = 0, step = 1; at < large.size(); at += step, step = step * 3 + 1)
        pieces.add(QByteArrayView(large).sliced(at, std::min(step, large.size() - at)));
    QCOMPARE(pieces.result(), ContentHash::of(large));
    large[123456] = '!';
    QVERIFY(pieces.result() != ContentHash::of(large));
}

void CollectionVersionsTest::theProgramsOwnFoldersShowNowhere()
{
    TestFolder home;
    const QString name = QStringLiteral("Nederland");
    RecordList list;
    list.assign(numberedRecords(1));
    QVERIFY(save(home, name, list.records()));
    home.write(QStringLiteral("Verzameling/Nederland/r1 v0/r1 v1.jpg"), "jpg");
    QVERIFY(save(home, name, numberedRecords(2)));
    QVERIFY(RecoveryFile(home.folder()).write(name, list.records()));
    QVERIFY(RecoveryFile(home.folder()).write(QString(), list.records()));
    QCOMPARE(entriesOf(home.path(QStringLiteral("Verzameling"))),
             QStringList({QStringLiteral(".herstel"), QStringLiteral(".versies"), name, name + ".col"}));

    QCOMPARE(CollectionListing::collectionNames(home.folder()), QStringList{name});
    const PictureTree tree = PictureTree::read(home.folder(), name);
    QCOMPARE(tree.years.size(), size_t(1));
    QCOMPARE(tree.years.front().fileNames, QStringList{QStringLiteral("r1 v1.jpg")});
    const PictureCheck check = PictureCheck::run(home.folder(), name, list);
    QVERIFY(check.missing.empty());
    QVERIFY(check.unused.empty());
}

QTEST_GUILESS_MAIN(CollectionVersionsTest)
#include "tst_collectionversions.moc"
