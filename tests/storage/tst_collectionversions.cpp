#include "album/PictureTree.h"
#include "common/FileSizeLimit.h"
#include "common/TestFolder.h"
#include "reports/PictureCheck.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/folder/CollectionListing.h"
#include "storage/folder/ContentHash.h"
#include "storage/folder/FileFingerprint.h"
#include "storage/folder/FileHelpers.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionSave.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/keeping/RecoveryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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
    return CollectionFiles(home.folder(), name).save(list.records(), {}, fingerprint);
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

// Whatever stands at Verzameling/.versies goes; a link's target stays.
void removeVersionsFolder(const TestFolder &home)
{
    const QString path = home.path(QStringLiteral("Verzameling/.versies"));
    if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
        QVERIFY(DeleteFolderTree(path));
    else
        QFile::remove(path);
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
    void namesDifferingInCaseKeepTheirOwnVersions();
    void aVersionThatCannotBeKeptStopsTheSaveUnlessAgreed();
    void versionsStayInTheOrderOfKeeping();
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

    QVERIFY(CollectionFiles(home.folder(), QStringLiteral("Weg")).remove());
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
    // Here even the lock beside the file cannot be written; the version's own
    // failure is asked about in the save dialog.
    QVERIFY(!saved.reason.isEmpty());
    QCOMPARE(home.read(QStringLiteral("Verzameling/Vol.col")), before);
    // Neither a half-written version nor a temporary file is left behind.
    QCOMPARE(entriesOf(home.path(QStringLiteral("Verzameling"))), QStringList({name, name + ".col"}));

    // Deleting keeps the file too when its version cannot be written.
    {
        const FileSizeLimit limit;
        QVERIFY(!CollectionFiles(home.folder(), name).remove());
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
    QVERIFY(save(home, name, numberedRecords(1)));
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

void CollectionVersionsTest::namesDifferingInCaseKeepTheirOwnVersions()
{
    TestFolder home;
    const QString upper = QStringLiteral("Nederland");
    const QString lower = QStringLiteral("nederland");
    home.write(QStringLiteral("Verzameling/Nederland.col"),
               CollectionFile::serialize(upper, numberedRecords(7)));
    home.write(QStringLiteral("Verzameling/nederland.col"),
               CollectionFile::serialize(lower, numberedRecords(4)));
    QVERIFY(save(home, upper, numberedRecords(1)));
    QVERIFY(save(home, lower, numberedRecords(5)));
    QVERIFY(save(home, upper, numberedRecords(2)));
    QVERIFY(save(home, upper, numberedRecords(3)));
    QVERIFY(save(home, lower, numberedRecords(6)));
    const CollectionVersions versions(home.folder());
    const std::vector<CollectionVersions::Version> ofUpper = versions.versions(upper);
    const std::vector<CollectionVersions::Version> ofLower = versions.versions(lower);
    QCOMPARE(ofUpper.size(), size_t(3));
    QCOMPARE(ofUpper[0].recordCount, qsizetype(2));
    QCOMPARE(ofUpper[1].recordCount, qsizetype(1));
    QCOMPARE(ofUpper[2].recordCount, qsizetype(7));
    QCOMPARE(ofLower.size(), size_t(2));
    QCOMPARE(ofLower[0].recordCount, qsizetype(5));
    QCOMPARE(ofLower[1].recordCount, qsizetype(4));
    QCOMPARE(ofLower[0].storedName, lower);
    QVERIFY(home.exists(QStringLiteral("Verzameling/.versies/nederland")));
    QVERIFY(versions.deletedCollections().isEmpty());

    // A version whose line 2 names another collection says so.
    home.write(QStringLiteral("Verzameling/.versies/nederland/2001-01-01 00.00.00.col"),
               CollectionFile::serialize(upper, numberedRecords(9)));
    QCOMPARE(versions.versions(lower).back().storedName, upper);
}

void CollectionVersionsTest::aVersionThatCannotBeKeptStopsTheSaveUnlessAgreed()
{
    TestFolder home;
    const QString name = QStringLiteral("Vast");
    QVERIFY(save(home, name, numberedRecords(1)));
    RecordList list;
    list.assign(numberedRecords(2));
    const QByteArray first = home.read(QStringLiteral("Verzameling/Vast.col"));
    QTemporaryDir outside;
    using Stop = CollectionSave::Stop;
    // A file where the folder belongs, then links to a folder elsewhere.
    const QList<QPair<QString, QString>> blocks{
        {QStringLiteral("Verzameling/.versies"), QString()},
        {QStringLiteral("Verzameling/.versies"), outside.path()},
        {QStringLiteral("Verzameling/.versies/Vast"), outside.path()},
    };
    for (const auto &[blocked, target] : blocks) {
        removeVersionsFolder(home);
        QVERIFY(QDir().mkpath(QFileInfo(home.path(blocked)).path()));
        if (target.isEmpty())
            home.write(blocked, "geen map");
        else
            QVERIFY(QFile::link(target, home.path(blocked)));
        home.write(QStringLiteral("Verzameling/Vast.col"), first);
        const CollectionSave::Result refused = CollectionFiles(home.folder(), name).save(list.records());
        QCOMPARE(refused.stop, Stop::VersionNotKept);
        QVERIFY2(refused.reason.startsWith(QStringLiteral("Vorige versie kon niet worden bewaard: ")),
                 qPrintable(refused.reason));
        QCOMPARE(home.read(QStringLiteral("Verzameling/Vast.col")), first);
        QVERIFY(entriesOf(outside.path()).isEmpty());
        // Agreed to: written without a version, and still nothing elsewhere.
        QVERIFY(CollectionFiles(home.folder(), name).save(list.records(), {std::nullopt, false}));
        QCOMPARE(home.read(QStringLiteral("Verzameling/Vast.col")),
                 CollectionFile::serialize(name, list.records()));
        QVERIFY(entriesOf(outside.path()).isEmpty());
        QVERIFY(CollectionVersions(home.folder()).versions(name).empty());
    }

    // Written only while the file is as expected, compared under the lock.
    removeVersionsFolder(home);
    const CollectionSave step{CollectionFiles(home.folder(), name)};
    const FileFingerprint before = step.fileNow();
    home.write(QStringLiteral("Verzameling/Vast.col"), first);
    QCOMPARE(step.write(numberedRecords(3), {before}).stop, Stop::ChangedElsewhere);
    QCOMPARE(home.read(QStringLiteral("Verzameling/Vast.col")), first);
    QCOMPARE(step.write(numberedRecords(3), {FileFingerprint()}).stop, Stop::ChangedElsewhere);
    QVERIFY(step.write(numberedRecords(3), {step.fileNow()}));
    QCOMPARE(CollectionVersions(home.folder()).versions(name).size(), size_t(1));
}

void CollectionVersionsTest::versionsStayInTheOrderOfKeeping()
{
    TestFolder home;
    const QString name = QStringLiteral("Klok");
    // Kept on a computer whose clock is far ahead, as a synchronised folder
    // brings it; the hour repeated at the end of summer time is the same case.
    home.write(QStringLiteral("Verzameling/.versies/Klok/2990-10-27 02.59.59.col"),
               CollectionFile::serialize(name, numberedRecords(99)));
    for (int count = 1; count <= 25; ++count)
        QVERIFY(save(home, name, numberedRecords(count)));
    const std::vector<CollectionVersions::Version> kept = CollectionVersions(home.folder()).versions(name);
    QCOMPARE(kept.size(), size_t(20));
    // The newest first, and the oldest pruned: the far-ahead one among them.
    for (size_t index = 0; index < kept.size(); ++index)
        QCOMPARE(kept[index].recordCount, qsizetype(24 - index));
    QCOMPARE(kept.front().id, QStringLiteral("2990-10-27 02.59.59 (25)"));
}

QTEST_GUILESS_MAIN(CollectionVersionsTest)
#include "tst_collectionversions.moc"
