#include "common/FileSizeLimit.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/TextFile.h"
#include "storage/folder/WaitSeconds.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

} // namespace

class FileHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void existenceTestsTellFilesFromFolders();
    void deleteFolderTreeRemovesHiddenReadOnlyAndNestedEntries();
    void deleteFolderTreeRemovesLinksButNotTheirTargets();
    void deleteFolderTreeOfAMissingFolderFails();
    void waitSecondsWaitsAtLeastItsDurationAndHandlesEvents();
    void commonFailuresGiveDutchReasons();
};

void FileHelpersTest::existenceTestsTellFilesFromFolders()
{
    QTemporaryDir dir;
    touch(dir.filePath("file.txt"));
    QVERIFY(FileExists(dir.filePath("file.txt")));
    QVERIFY(!FileExists(dir.path()));
    QVERIFY(!FileExists(dir.filePath("absent.txt")));
    QVERIFY(FolderExists(dir.path()));
    QVERIFY(!FolderExists(dir.filePath("file.txt")));
    QVERIFY(!FolderExists(dir.filePath("absent")));
    QVERIFY(!FileExists(QString()));
}

void FileHelpersTest::deleteFolderTreeRemovesHiddenReadOnlyAndNestedEntries()
{
    QTemporaryDir dir;
    const QString tree = dir.filePath("Nederland");
    QVERIFY(QDir().mkpath(tree + "/1990/deeper"));
    touch(tree + "/.hidden.jpg");
    touch(tree + "/1990/readonly.jpg");
    QFile::setPermissions(tree + "/1990/readonly.jpg", QFileDevice::ReadOwner);
    touch(tree + "/1990/deeper/1.jpg");
    QFile::setPermissions(tree + "/1990/deeper", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    touch(dir.filePath("Nederland.col"));

    QVERIFY(DeleteFolderTree(tree));
    QVERIFY(!QFileInfo::exists(tree));
    QVERIFY(QFileInfo::exists(dir.filePath("Nederland.col")));
}

void FileHelpersTest::deleteFolderTreeRemovesLinksButNotTheirTargets()
{
    QTemporaryDir dir;
    const QString outside = dir.filePath("outside");
    QVERIFY(QDir().mkpath(outside));
    touch(outside + "/keep.jpg");
    const QString tree = dir.filePath("tree");
    QVERIFY(QDir().mkpath(tree));
    QVERIFY(QFile::link(outside, tree + "/folderlink"));
    QVERIFY(QFile::link(outside + "/keep.jpg", tree + "/filelink.jpg"));
    QVERIFY(QFile::link(dir.filePath("nowhere"), tree + "/broken"));

    QVERIFY(DeleteFolderTree(tree));
    QVERIFY(!QFileInfo::exists(tree));
    QVERIFY(QFileInfo::exists(outside + "/keep.jpg"));

    // A link given as the tree itself goes, its target stays.
    QVERIFY(QFile::link(outside, dir.filePath("toplink")));
    QVERIFY(DeleteFolderTree(dir.filePath("toplink")));
    QVERIFY(!QFileInfo(dir.filePath("toplink")).isSymLink());
    QVERIFY(QFileInfo::exists(outside + "/keep.jpg"));
}

void FileHelpersTest::deleteFolderTreeOfAMissingFolderFails()
{
    QTemporaryDir dir;
    touch(dir.filePath("other.txt"));
    const StorageResult result = DeleteFolderTree(dir.filePath("absent"));
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(QFileInfo::exists(dir.filePath("other.txt")));
}

void FileHelpersTest::waitSecondsWaitsAtLeastItsDurationAndHandlesEvents()
{
    QElapsedTimer clock;
    clock.start();
    WaitSeconds(0.02f);
    QVERIFY(clock.elapsed() >= 20);

    bool handled = false;
    QTimer::singleShot(10, this, [&handled] { handled = true; });
    clock.restart();
    WaitSeconds(0.1f);
    QVERIFY(handled);
    QVERIFY(clock.elapsed() >= 100);

    WaitSeconds(0.0f);
    WaitSeconds(-1.0f);
}

void FileHelpersTest::commonFailuresGiveDutchReasons()
{
    QTemporaryDir dir;
    StorageResult result = TextFile::writeBytes(dir.filePath("absent/file.txt"), "x");
    QCOMPARE(result.reason, QString("Het bestand of de map bestaat niet."));
    result = TextFile::writeBytes(dir.path(), "x");
    QCOMPARE(result.reason, QString("Dit is een map, geen bestand."));
    {
        const FileSizeLimit limit;
        result = TextFile::writeBytes(dir.filePath("large.txt"), QByteArray(1000, 'x'));
    }
    QCOMPARE(result.reason, QString("Het bestand is te groot."));
    QVERIFY(!QFile::exists(dir.filePath("large.txt")));

    // Failures a test cannot cause as the superuser, by the system's own texts.
    QCOMPARE(FileErrorReason::fromSystemText(qt_error_string(ENOSPC)), QString("De schijf is vol."));
    QCOMPARE(FileErrorReason::fromSystemText("Cannot open x: " + qt_error_string(EACCES)),
             QString("Geen toegang tot het bestand of de map."));
    QCOMPARE(FileErrorReason::fromSystemText("Existing file /a/b is not writable"),
             QString("Geen toegang tot het bestand of de map."));
    QCOMPARE(FileErrorReason::fromSystemText(qt_error_string(EIO)), qt_error_string(EIO));
}

QTEST_GUILESS_MAIN(FileHelpersTest)
#include "tst_filehelpers.moc"
