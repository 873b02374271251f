#include "WindowFixture.h"
#include "common/Control.h"
#include "common/TestFolder.h"
#include "storage/CollectionFile.h"
#include "storage/CollectionVersions.h"
#include "storage/RecoveryFile.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

// The recovery file of the main window, and a start after a crash. The crash
// is a window that is destroyed without being closed, as a killed process
// never closes its window.
class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void crashLeavesARecoveryThatTheNextStartOffers();
    void cleanExitLeavesNoRecovery();
};

namespace {

const QString RecoveryPath = QStringLiteral("Verzameling/.herstel/Land.col");

// Opens Land, deletes its first record through the window and lets the window
// lose the focus to another program, which writes the recovery file.
std::unique_ptr<Main> editWithoutSaving(const TestFolder &folder, const std::vector<StampRecord> &records)
{
    writeCollection(folder, QStringLiteral("Land"), records);
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Land"));
    BoxRecorder yes(MessageBox::Answer::Yes);
    clickRow(*window, 0);
    clickButton(control<VistaButton>(*window, "DelKnop"));
    // The collector turns to another program.
    QApplication::setActiveWindow(nullptr);
    return window;
}

} // namespace

void RecoveryTest::crashLeavesARecoveryThatTheNextStartOffers()
{
    TestFolder folder;
    const std::vector<StampRecord> records{makeRecord({"1990", "12", "A"}), makeRecord({"1991", "13", "B"})};
    const std::vector<StampRecord> edited(records.begin() + 1, records.end());
    auto crashed = editWithoutSaving(folder, records);
    QTRY_VERIFY(folder.exists(RecoveryPath));
    crashed.reset();
    QCOMPARE(folder.read(RecoveryPath), CollectionFile::serialize(QStringLiteral("Land"), edited));

    {
        const std::vector<RecoveryFile::LeftBehind> left = RecoveryFile(folder.folder()).leftBehind();
        QCOMPARE(left.size(), size_t(1));
        const QDateTime at = left[0].writtenAt;
        BoxRecorder yes(MessageBox::Answer::Yes);
        auto window = startWindow(folder);
        window->offerRecovery();
        QCOMPARE(yes.requests.size(), 1);
        QCOMPARE(yes.requests[0].text, QStringLiteral("Er zijn niet-opgeslagen wijzigingen van ") +
                                           QLocale().toString(at.date(), QLocale::ShortFormat) +
                                           QLatin1Char(' ') + at.time().toString(QStringLiteral("h:mm:ss")) +
                                           QStringLiteral(" gevonden (verzameling 'Land').\r\n"
                                                          "Wilt u deze herstellen?"));
        QCOMPARE(yes.requests[0].buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(window->collection().name(), QStringLiteral("Land"));
        QVERIFY(window->collection().unsavedChanges());
        QVERIFY(window->collection().saveAs(QStringLiteral("Land")));
        QCOMPARE(folder.read(QStringLiteral("Verzameling/Land.col")),
                 CollectionFile::serialize(QStringLiteral("Land"), edited));
        QVERIFY(!folder.exists(RecoveryPath));
    }

    // Declined: removed, and kept as a version of its collection.
    crashed = editWithoutSaving(folder, records);
    QTRY_VERIFY(folder.exists(RecoveryPath));
    crashed.reset();
    const size_t versionsBefore = CollectionVersions(folder.folder()).versions(QStringLiteral("Land")).size();
    BoxRecorder no(MessageBox::Answer::No);
    auto window = startWindow(folder);
    window->offerRecovery();
    QCOMPARE(no.requests.size(), 1);
    QVERIFY(!folder.exists(RecoveryPath));
    QCOMPARE(CollectionVersions(folder.folder()).versions(QStringLiteral("Land")).size(), versionsBefore + 1);
    QVERIFY(!window->collection().unsavedChanges());
    window->offerRecovery();
    QCOMPARE(no.requests.size(), 1);
}

void RecoveryTest::cleanExitLeavesNoRecovery()
{
    TestFolder folder;
    auto window = editWithoutSaving(folder, {makeRecord({"1990", "12", "A"})});
    QTRY_VERIFY(folder.exists(RecoveryPath));
    BoxRecorder yes(MessageBox::Answer::Yes);
    QVERIFY(window->close());
    QVERIFY(!folder.exists(RecoveryPath));
}

QTEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
