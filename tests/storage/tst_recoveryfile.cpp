#include "common/FileSizeLimit.h"
#include "common/TestFolder.h"
#include "storage/document/OpenCollection.h"
#include "storage/document/RecordListFiles.h"
#include "storage/folder/FileHelpers.h"
#include "storage/keeping/CollectionSave.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/keeping/RecoveryFile.h"
#include "storage/keeping/RecoveryWriter.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

std::vector<StampRecord> recordsCalled(const QString &text, int count)
{
    std::vector<StampRecord> records(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        records[static_cast<size_t>(index)][StampRecord::Subject] = text + QString::number(index);
    return records;
}

} // namespace

class RecoveryFileTest : public QObject {
    Q_OBJECT

private slots:
    void writtenInTheBackgroundAndFoundAtTheNextStart();
    void removingWaitsForARunningWrite();
    void aFailedWriteIsReported();
    void onlyFilesOfEndedProgramsAreOfferedWithTheirBasis();
};

void RecoveryFileTest::writtenInTheBackgroundAndFoundAtTheNextStart()
{
    TestFolder home;
    const RecoveryFile recovery(home.folder());
    const std::vector<StampRecord> named = recordsCalled(QStringLiteral("Schip"), 3);
    const std::vector<StampRecord> unnamed = recordsCalled(QStringLiteral("Bloem"), 2);
    {
        RecoveryWriter writer(home.folder());
        writer.write(QStringLiteral("Nederland"), recordsCalled(QStringLiteral("ouder"), 1));
        writer.write(QStringLiteral("Nederland"), named);
        writer.waitUntilIdle();
        writer.write(QString(), unnamed);
        writer.waitUntilIdle();
    } // as a crash would, before anything removes them
    QVERIFY(home.exists(QStringLiteral("Verzameling/.herstel/Nederland.col")));
    QVERIFY(home.exists(QStringLiteral("Verzameling/.herstel/(naamloos).col")));

    std::vector<RecoveryFile::LeftBehind> found = recovery.leftBehind();
    QCOMPARE(found.size(), size_t(2));
    std::sort(found.begin(), found.end(),
              [](const auto &left, const auto &right) { return left.collectionName < right.collectionName; });
    QCOMPARE(found[0].collectionName, QString());
    QCOMPARE(found[1].collectionName, QStringLiteral("Nederland"));
    QVERIFY(found[1].writtenAt.isValid());
    std::vector<StampRecord> records;
    QVERIFY(RecoveryFile::read(found[1], records));
    QCOMPARE(records, named);
    QVERIFY(RecoveryFile::read(found[0], records));
    QCOMPARE(records, unnamed);

    // Declined: kept as a version of its collection, then gone.
    QVERIFY(recovery.discard(found[1]));
    QVERIFY(recovery.remove(QString()));
    QVERIFY(recovery.leftBehind().empty());
    const std::vector<CollectionVersions::Version> kept =
        CollectionVersions(home.folder()).versions(QStringLiteral("Nederland"));
    QCOMPARE(kept.size(), size_t(1));
    QCOMPARE(kept.front().recordCount, qsizetype(3));
}

void RecoveryFileTest::removingWaitsForARunningWrite()
{
    TestFolder home;
    RecoveryWriter writer(home.folder());
    const std::vector<StampRecord> records = recordsCalled(QStringLiteral("Munt"), 20000);
    for (int round = 0; round < 5; ++round) {
        writer.write(QStringLiteral("Groot"), records);
        writer.write(QStringLiteral("Groot"), records);
        QVERIFY(writer.remove(QStringLiteral("Groot")));
        writer.waitUntilIdle();
        QVERIFY(RecoveryFile(home.folder()).leftBehind().empty());
    }
}

void RecoveryFileTest::aFailedWriteIsReported()
{
    TestFolder home;
    RecoveryWriter writer(home.folder());
    QSignalSpy failures(&writer, &RecoveryWriter::writeFailed);
    {
        const FileSizeLimit limit;
        writer.write(QStringLiteral("Vol"), recordsCalled(QStringLiteral("Trein"), 10));
        writer.waitUntilIdle();
    }
    // Emitted on the worker thread, where the spy takes it directly.
    QCOMPARE(failures.size(), 1);
    QVERIFY(RecoveryFile(home.folder()).leftBehind().empty());
}

void RecoveryFileTest::onlyFilesOfEndedProgramsAreOfferedWithTheirBasis()
{
    TestFolder home;
    const RecoveryFile recovery(home.folder());
    const QString name = QStringLiteral("Land");
    RecordList list;
    list.assign(recordsCalled(QStringLiteral("bewaard"), 1));
    FileFingerprint basis;
    QVERIFY(SaveCollection(home.folder(), name, list, &basis));
    {
        const std::unique_ptr<QLockFile> held = recovery.lock(name);
        QVERIFY(held);
        QVERIFY(!recovery.lock(name)); // a second program on the same folder
        QVERIFY(recovery.write(name, recordsCalled(QStringLiteral("hersteld"), 2), basis));
        QVERIFY(recovery.leftBehind().empty());
    }
    // Names differing in case are two collections with two recovery files.
    QVERIFY(recovery.write(QStringLiteral("land"), recordsCalled(QStringLiteral("klein"), 1)));
    QCOMPARE(recovery.leftBehind().size(), size_t(2));

    // Restored, the collection file counts as it was when the state was
    // written: unchanged, no question; saved elsewhere since, a question.
    // Each time as at a new start.
    const auto restoredChangedElsewhere = [&]() -> std::optional<bool> {
        OpenCollection collection(home.folder());
        for (const RecoveryFile::LeftBehind &file : recovery.leftBehind()) {
            if (file.collectionName == name && collection.restoreRecovery(file) &&
                collection.records().count() == 2)
                return collection.changedElsewhere(name);
        }
        return std::nullopt;
    };
    QVERIFY(restoredChangedElsewhere() == std::optional(false));
    list.assign(recordsCalled(QStringLiteral("elders"), 3));
    QVERIFY(SaveCollection(home.folder(), name, list));
    QVERIFY(restoredChangedElsewhere() == std::optional(true));

    // A recovery folder that is a link is neither written, offered nor emptied.
    QVERIFY(DeleteFolderTree(home.path(QStringLiteral("Verzameling/.herstel"))));
    QTemporaryDir outside;
    QFile::copy(home.path(QStringLiteral("Verzameling/Land.col")),
                outside.filePath(QStringLiteral("Land.col")));
    QVERIFY(QFile::link(outside.path(), home.path(QStringLiteral("Verzameling/.herstel"))));
    QVERIFY(!recovery.write(name, list.records()));
    QVERIFY(recovery.leftBehind().empty());
    static_cast<void>(recovery.remove(name));
    QCOMPARE(QDir(outside.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Land.col")});
}

QTEST_GUILESS_MAIN(RecoveryFileTest)
#include "tst_recoveryfile.moc"
