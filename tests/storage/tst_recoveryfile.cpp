#include "common/CollectionState.h"
#include "common/FileSizeLimit.h"
#include "common/TestFolder.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/OpenCollection.h"
#include "storage/document/RecordListFiles.h"
#include "storage/document/RecordOrder.h"
#include "storage/folder/FileHelpers.h"
#include "storage/formats/CatalogueEntriesFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionSave.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/keeping/JournalAsides.h"
#include "storage/keeping/LentRecords.h"
#include "storage/keeping/ListChange.h"
#include "storage/keeping/RecoveryFile.h"
#include "storage/keeping/RecoveryWriter.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

std::vector<StampRecord> recordsCalled(const QString &text, int count)
{
    std::vector<StampRecord> records(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        records[static_cast<size_t>(index)][StampRecord::Subject] = text + QString::number(index);
    return records;
}

// Records of the test's own, handed to a writer.
std::shared_ptr<LentRecords> given(std::vector<StampRecord> records)
{
    return std::make_shared<LentRecords>(std::move(records));
}

StampRecord stamp(const QString &year, const QString &subject)
{
    StampRecord record;
    record[StampRecord::Year] = year;
    record[StampRecord::Subject] = subject;
    return record;
}

void saveCollection(const TestFolder &home, const QString &name, const std::vector<StampRecord> &records)
{
    RecordList list;
    list.assign(records);
    QVERIFY(SaveCollection(home.folder(), name, list));
}

// An open collection whose changes go to its recovery file as the window's
// guard sends them, started from the collection file it was opened from.
struct Journaled {
    Journaled(const TestFolder &home, const QString &name)
        : collection(home.folder())
        , writer(home.folder())
    {
        QVERIFY(collection.open(name));
        QObject::connect(&collection, &OpenCollection::listChanged, &writer,
                         [this](const std::shared_ptr<const ListChange> &change) {
                             if (auto journaled =
                                     asides.journaled(change, [this] { return collection.records().lend(); }))
                                 writer.append(std::move(journaled));
                         });
        restartFromSavedState();
    }

    // As at the first change after opening or saving.
    void restartFromSavedState()
    {
        QVERIFY(!collection.fileOfSavedState().isEmpty());
        writer.startFromFile(collection.name(), collection.fileOfSavedState(), collection.fileAsLoaded(),
                             collection.fileAsLoaded(), 0, collection.catalogueEntries());
        asides.clear();
        for (const std::shared_ptr<const ListChange> &correction : collection.savedStateCorrections())
            writer.append(correction);
    }

    // The state the recovery file gives back, as at a start after a crash.
    std::vector<StampRecord> recovered(const TestFolder &home, CatalogueEntries *entries = nullptr)
    {
        writer.waitUntilIdle();
        const std::vector<RecoveryFile::LeftBehind> found = RecoveryFile(home.folder()).leftBehind();
        std::vector<StampRecord> records;
        CatalogueEntries readEntries;
        if (found.size() != 1 || !RecoveryFile::read(found.front(), records, readEntries))
            return {stamp(QStringLiteral("niet"), QStringLiteral("gelezen"))};
        if (entries)
            *entries = readEntries;
        return records;
    }

    OpenCollection collection;
    RecoveryWriter writer;
    JournalAsides asides;
};

QString journalOf(const TestFolder &home, const QString &name)
{
    return home.path(QStringLiteral("Verzameling/.herstel/") + name + QStringLiteral(".stappen"));
}

} // namespace

class RecoveryFileTest : public QObject {
    Q_OBJECT

private slots:
    void writtenInTheBackgroundAndFoundAtTheNextStart();
    void removingWaitsForARunningWrite();
    void aFailedWriteIsReported();
    void aLentListIsWrittenAsItWasLent();
    void onlyFilesOfEndedProgramsAreOfferedWithTheirBasis();
    void theJournalGivesBackTheListAfterEveryKindOfStep();
    void aReplacedListIsSetAsideAndThenOnlyNamed();
    void aFoldKeepsOnlyTheListsStillSetAside();
    void aChangeCutShortAndAJournalOfAnotherBaseAreLeftOut();
    void aBaseFileChangedBeforeTheCopyIsNotTaken();
    void otherCatalogueNumbersComeBackWithTheList();
};

void RecoveryFileTest::writtenInTheBackgroundAndFoundAtTheNextStart()
{
    TestFolder home;
    const RecoveryFile recovery(home.folder());
    const std::vector<StampRecord> named = recordsCalled(QStringLiteral("Schip"), 3);
    const std::vector<StampRecord> unnamed = recordsCalled(QStringLiteral("Bloem"), 2);
    {
        RecoveryWriter writer(home.folder());
        writer.start(QStringLiteral("Nederland"), given(recordsCalled(QStringLiteral("ouder"), 1)));
        writer.start(QStringLiteral("Nederland"), given(named));
        writer.waitUntilIdle();
        writer.start(QString(), given(unnamed));
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
        writer.start(QStringLiteral("Groot"), given(records));
        writer.start(QStringLiteral("Groot"), given(records));
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
        writer.start(QStringLiteral("Vol"), given(recordsCalled(QStringLiteral("Trein"), 10)));
        writer.waitUntilIdle();
    }
    // Emitted on the worker thread, where the spy takes it directly.
    QCOMPARE(failures.size(), 1);
    QVERIFY(RecoveryFile(home.folder()).leftBehind().empty());
}

void RecoveryFileTest::aLentListIsWrittenAsItWasLent()
{
    TestFolder home;
    const RecoveryFile recovery(home.folder());
    const std::vector<StampRecord> lent = recordsCalled(QStringLiteral("Vlag"), 50000);
    const auto writtenList = [&recovery] {
        const std::vector<RecoveryFile::LeftBehind> found = recovery.leftBehind();
        std::vector<StampRecord> records;
        // None, or one that cannot be read, gives no records.
        if (found.size() != 1 || !RecoveryFile::read(found.front(), records))
            records.clear();
        return records;
    };
    RecoveryWriter writer(home.folder());
    // Changed at once, before or while the writer copies it: every kind of
    // change takes the rows back first.
    const std::vector<std::function<void(RecordList &)>> changes = {
        [](RecordList &list) { list.takeRecords(10, 3); },
        [](RecordList &list) {
            list.insertRecords(0, {stamp(QStringLiteral("1900"), QStringLiteral("nieuw"))});
        },
        [](RecordList &list) {
            StampRecord other = stamp(QStringLiteral("1901"), QStringLiteral("ander"));
            list.swapRecord(0, other);
        },
        [](RecordList &list) {
            list.permute(RecordOrder::sorted(list.records(), StampRecord::Subject, Qt::DescendingOrder));
        },
        [](RecordList &list) { list.assign({}); },
        [](RecordList &list) {
            RecordList::Storage other;
            list.swapAll(other);
        },
    };
    for (const auto &change : changes) {
        RecordList list;
        list.assign(lent);
        writer.start(QStringLiteral("Leen"), list.lend());
        change(list);
        writer.waitUntilIdle();
        QCOMPARE(writtenList(), lent);
    }
    // Gone before the writer comes to it.
    {
        auto list = std::make_unique<RecordList>();
        list->assign(lent);
        writer.start(QStringLiteral("Leen"), list->lend());
        list.reset();
    }
    writer.waitUntilIdle();
    QCOMPARE(writtenList(), lent);
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
    // A second program on the same collection kept its own; both are offered,
    // and any spelling of the name reaches the collection's.
    QCOMPARE(recovery.pathFor(QStringLiteral("LAND")), recovery.pathFor(name));
    QVERIFY(RecoveryFile(home.folder(), 4711).write(name, recordsCalled(QStringLiteral("klein"), 1)));
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

void RecoveryFileTest::theJournalGivesBackTheListAfterEveryKindOfStep()
{
    TestFolder home;
    const QString name = QStringLiteral("Land");
    const std::vector<StampRecord> opened{stamp(QStringLiteral("1999"), QStringLiteral("Molens")),
                                          stamp(QStringLiteral("1852"), QStringLiteral("Koning")),
                                          stamp(QStringLiteral("2001"), QStringLiteral("Bloemen"))};
    saveCollection(home, name, opened);
    Journaled journaled(home, name);
    OpenCollection &collection = journaled.collection;
    // Texts the collection file would change are kept exactly.
    const StampRecord spaced = stamp(QStringLiteral(" 1990 "), QStringLiteral("regel\neen"));
    const std::vector<std::function<void()>> steps{
        [&] { collection.addRecord(spaced); },
        [&] { collection.replaceRecord(1, stamp(QStringLiteral("1853"), QStringLiteral("101"))); },
        [&] { collection.removeRecord(0); },
        [&] { collection.sortByColumn(StampRecord::Year); },
        [&] {
            collection.addImportedRecords({stamp(QStringLiteral("1960"), QStringLiteral("5")), {}}, false);
        },
        [&] {
            collection.addImportedRecords({spaced, stamp(QStringLiteral("1961"), QStringLiteral("6"))}, true);
        },
    };
    for (const auto &step : steps) {
        step();
        QCOMPARE(journaled.recovered(home), recordsCopy(collection.records().records()));
    }
    // Undone back to the opened state, then redone to the end.
    while (collection.canUndo()) {
        collection.undo();
        QCOMPARE(journaled.recovered(home), recordsCopy(collection.records().records()));
    }
    while (collection.canRedo()) {
        collection.redo();
        QCOMPARE(journaled.recovered(home), recordsCopy(collection.records().records()));
    }

    // A journal grown past its base and a few megabytes becomes the base
    // (with what the file form changes in the journal); the next change then
    // does not write it again.
    collection.addImportedRecords(recordsCalled(QString(300, u'x'), 20000), false);
    QCOMPARE(journaled.recovered(home), recordsCopy(collection.records().records()));
    const QFileInfo base(RecoveryFile(home.folder()).pathFor(name));
    QVERIFY(base.size() > 20000 * 300);
    const QDateTime shortened = base.lastModified();
    collection.removeRecord(collection.records().count() - 1);
    QCOMPARE(journaled.recovered(home), recordsCopy(collection.records().records()));
    QCOMPARE(QFileInfo(RecoveryFile(home.folder()).pathFor(name)).lastModified(), shortened);

    // Declined, the state with its journal is what is kept as a version (in
    // the file form).
    const std::vector<RecoveryFile::LeftBehind> found = RecoveryFile(home.folder()).leftBehind();
    QCOMPARE(found.size(), size_t(1));
    QVERIFY(RecoveryFile(home.folder()).discard(found.front()));
    QVERIFY(!FileExists(journalOf(home, name)));
    std::vector<StampRecord> kept;
    QVERIFY(CollectionVersions::read(CollectionVersions(home.folder()).versions(name).front(), kept));
    QCOMPARE(kept,
             CollectionFile::parse(CollectionFile::serialize(name, collection.records().records())).records);

    // A list the file form would change (spaces around a year, a line break,
    // a blank record), saved: the file with the corrections the collection
    // keeps gives it back exactly, and so does a start from the list.
    collection.addRecord({});
    collection.addRecord(stamp(QStringLiteral("1962"), QStringLiteral("na de lege")));
    QVERIFY(collection.saveAs(name));
    QCOMPARE(collection.savedStateCorrections().size(), size_t(2));
    journaled.restartFromSavedState();
    collection.removeRecord(1);
    QCOMPARE(journaled.recovered(home), recordsCopy(collection.records().records()));
    journaled.writer.start(name, collection.records().lend());
    QCOMPARE(journaled.recovered(home), recordsCopy(collection.records().records()));
    QVERIFY(journaled.writer.remove(name));

    // A recovery file as earlier versions wrote it, without a journal.
    QVERIFY(CollectionFile::write(RecoveryFile(home.folder()).pathFor(name), name, opened));
    QCOMPARE(journaled.recovered(home), opened);
}

void RecoveryFileTest::aReplacedListIsSetAsideAndThenOnlyNamed()
{
    TestFolder home;
    const QString name = QStringLiteral("Land");
    saveCollection(home, name, recordsCalled(QStringLiteral("Vogel"), 3));
    Journaled journaled(home, name);
    OpenCollection &collection = journaled.collection;
    const auto journalSize = [&] {
        journaled.writer.waitUntilIdle();
        return QFileInfo(journalOf(home, name)).size();
    };
    const auto step = [&](const std::function<void()> &edit) {
        edit();
        QCOMPARE(journaled.recovered(home), recordsCopy(collection.records().records()));
    };

    // Large enough for the journal to become the base at once, the list set
    // aside going to the new journal.
    step([&] { collection.addImportedRecords(recordsCalled(QString(300, u'x'), 20000), true); });
    QVERIFY(QFileInfo(RecoveryFile(home.folder()).pathFor(name)).size() > 20000 * 300);
    step([&] { collection.replaceRecord(0, stamp(QStringLiteral(" 1990 "), QStringLiteral("regel\neen"))); });
    step([&] { collection.undo(); });
    // Undone and redone, the import only names the list set aside: the journal
    // grows by a few bytes, and is not made the base again.
    const qint64 beforeUndo = journalSize();
    const QFileInfo base(RecoveryFile(home.folder()).pathFor(name));
    const QDateTime baseWritten = base.lastModified();
    step([&] { collection.undo(); });
    step([&] { collection.redo(); });
    step([&] { collection.undo(); });
    QVERIFY(journalSize() - beforeUndo < 1000);
    QCOMPARE(QFileInfo(base.filePath()).lastModified(), baseWritten);

    // A new step drops the import from the history, then another import.
    step([&] { collection.addRecord(stamp(QStringLiteral("1960"), QStringLiteral("5"))); });
    step([&] { collection.undo(); });
    step([&] { collection.addImportedRecords(recordsCalled(QStringLiteral("Bloem"), 2), true); });
    step([&] { collection.undo(); });
    step([&] { collection.redo(); });

    // Saved, the journal starts again from the file without the list set aside:
    // the first swap with it carries the list.
    QVERIFY(collection.saveAs(name));
    journaled.restartFromSavedState();
    step([&] { collection.undo(); });
    step([&] { collection.redo(); });
    QVERIFY(journaled.writer.remove(name));
}

void RecoveryFileTest::aFoldKeepsOnlyTheListsStillSetAside()
{
    TestFolder home;
    const QString name = QStringLiteral("Land");
    const RecoveryFile recovery(home.folder());
    const std::vector<StampRecord> first = recordsCalled(QStringLiteral("Vogel"), 3);
    const std::vector<StampRecord> kept = recordsCalled(QStringLiteral("Bloem"), 2);
    QVERIFY(recovery.write(name, first));
    const auto append = [&](std::vector<ListChange> changes) {
        std::vector<std::shared_ptr<const ListChange>> shared;
        for (ListChange &change : changes)
            shared.push_back(std::make_shared<const ListChange>(std::move(change)));
        QVERIFY(recovery.append(name, shared));
    };
    const auto recovered = [&] {
        std::vector<StampRecord> records;
        const std::vector<RecoveryFile::LeftBehind> found = recovery.leftBehind();
        if (found.size() != 1 || !RecoveryFile::read(found.front(), records))
            return std::vector<StampRecord>{stamp(QStringLiteral("niet"), QStringLiteral("gelezen"))};
        return records;
    };
    append({ListChange::settingAside(7, recordsCalled(QString(300, u'x'), 20000)),
            ListChange::settingAside(8, kept), ListChange::forgettingAside(7)});
    qint64 startSize = 0;
    QVERIFY(recovery.shortenJournal(name, startSize));
    QVERIFY(startSize > 0 && startSize < 100000);
    append({ListChange::swapWithAside(8)});
    QCOMPARE(recovered(), kept);

    // A list not set aside ends the journal, as any change that does not fit.
    append({ListChange::swapWithAside(7), ListChange::replacement(0, stamp(QStringLiteral("1970"), {}))});
    QCOMPARE(recovered(), kept);

    // Cut anywhere, or of a kind not known, the bytes are no change.
    for (const ListChange &change :
         {ListChange::replacementSettingAside(9, std::make_shared<LentRecords>(kept)),
          ListChange::swapWithAside(9), ListChange::forgettingAside(9), ListChange::settingAside(9, kept)}) {
        const QByteArray bytes = change.serialized();
        for (qsizetype size = 0; size < bytes.size(); ++size)
            QVERIFY(!ListChange::parse(bytes.first(size)));
        QByteArray unknown = bytes;
        unknown[0] = 9;
        QVERIFY(!ListChange::parse(unknown));
    }

    // A replacement of every record as journals of earlier versions hold it.
    QByteArray earlier;
    QDataStream stream(&earlier, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_4);
    stream << quint8(4) << qint32(0) << qint32(0) << quint32(1);
    for (const QString &field : kept.front().fields)
        stream << field;
    std::optional<ListChange> change = ListChange::parse(earlier);
    QVERIFY(change);
    std::vector<StampRecord> records = first;
    ListChange::AsideLists asides;
    CatalogueEntries entries;
    QVERIFY(change->applyTo(records, asides, entries));
    QCOMPARE(records, std::vector<StampRecord>{kept.front()});
}

void RecoveryFileTest::aChangeCutShortAndAJournalOfAnotherBaseAreLeftOut()
{
    TestFolder home;
    const QString name = QStringLiteral("Land");
    saveCollection(home, name, recordsCalled(QStringLiteral("Vogel"), 5));
    Journaled journaled(home, name);
    journaled.collection.removeRecord(1);
    const std::vector<StampRecord> beforeLast = journaled.recovered(home);
    journaled.collection.replaceRecord(0, stamp(QStringLiteral("1970"), QStringLiteral("7")));
    QCOMPARE(journaled.recovered(home), recordsCopy(journaled.collection.records().records()));

    // Cut anywhere inside the last entry, or a byte of it spoilt: the entry goes.
    QFile journal(journalOf(home, name));
    QVERIFY(journal.open(QIODevice::ReadOnly));
    const QByteArray whole = journal.readAll();
    journal.close();
    const qsizetype lastEntry =
        whole.size() -
        ListChange::replacement(0, journaled.collection.records().record(0)).serialized().size() - 20;
    for (const qsizetype size : {whole.size() - 1, lastEntry + 21, lastEntry + 3}) {
        home.write(QStringLiteral("Verzameling/.herstel/Land.stappen"), whole.first(size));
        QCOMPARE(journaled.recovered(home), beforeLast);
    }
    QByteArray spoilt = whole;
    spoilt[spoilt.size() - 2] = spoilt[spoilt.size() - 2] ^ 0x20;
    home.write(QStringLiteral("Verzameling/.herstel/Land.stappen"), spoilt);
    QCOMPARE(journaled.recovered(home), beforeLast);

    // A base written in its place by a start that went no further: the
    // journal belongs to the base before and does not count.
    home.write(QStringLiteral("Verzameling/.herstel/Land.stappen"), whole);
    const std::vector<StampRecord> otherBase = recordsCalled(QStringLiteral("Nieuw"), 2);
    QVERIFY(CollectionFile::write(RecoveryFile(home.folder()).pathFor(name), name, otherBase));
    QCOMPARE(journaled.recovered(home), otherBase);
    QVERIFY(journaled.writer.remove(name));
}

void RecoveryFileTest::aBaseFileChangedBeforeTheCopyIsNotTaken()
{
    TestFolder home;
    const QString name = QStringLiteral("Land");
    saveCollection(home, name, recordsCalled(QStringLiteral("Vogel"), 3));
    OpenCollection collection(home.folder());
    QVERIFY(collection.open(name));
    // The same size and time, other contents: only the copy can tell.
    const QString file = home.folder().collectionFile(name);
    const QDateTime time = QFileInfo(file).fileTime(QFileDevice::FileModificationTime);
    QVERIFY(CollectionFile::write(file, name, recordsCalled(QStringLiteral("Vogal"), 3)));
    QFile changed(file);
    QVERIFY(changed.open(QIODevice::ReadWrite) &&
            changed.setFileTime(time, QFileDevice::FileModificationTime));
    changed.close();

    RecoveryWriter writer(home.folder());
    QSignalSpy failures(&writer, &RecoveryWriter::writeFailed);
    writer.startFromFile(name, collection.fileOfSavedState(), collection.fileAsLoaded(),
                         collection.fileAsLoaded());
    writer.append(std::make_shared<const ListChange>(ListChange::removal(0, 1)));
    writer.waitUntilIdle();
    // Nothing written, and the change after it not either: the window starts again from its list.
    QCOMPARE(failures.size(), 1);
    QVERIFY(!home.exists(QStringLiteral("Verzameling/.herstel/Land.col")));
    QVERIFY(!home.exists(QStringLiteral("Verzameling/.herstel/Land.stappen")));
}

void RecoveryFileTest::otherCatalogueNumbersComeBackWithTheList()
{
    TestFolder home;
    const QString name = QStringLiteral("Land");
    StampRecord molens = stamp(QStringLiteral("1999"), QStringLiteral("Molens"));
    molens[StampRecord::CatalogueNumber] = QStringLiteral("9");
    saveCollection(home, name, {molens, stamp(QStringLiteral("1852"), QStringLiteral("Koning"))});
    home.write(QStringLiteral("Verzameling/.catalogi/Land.txt"), "1999\t9\tMi\t1\t\t\r\n");
    Journaled journaled(home, name);
    OpenCollection &collection = journaled.collection;
    StampRecord renumbered = molens;
    renumbered[StampRecord::CatalogueNumber] = QStringLiteral("9a");
    const std::vector<std::function<void()>> steps{
        [&] { collection.addRecord(stamp(QStringLiteral("2000"), QStringLiteral("Bloemen"))); },
        [&] {
            collection.setCatalogueEntries(0, {{QStringLiteral("SG"), QStringLiteral("7"), {}, {}}});
        },
        [&] { collection.replaceRecord(0, renumbered); },
        [&] { collection.undo(); },
        [&] { collection.redo(); },
    };
    const auto sameEntries = [&](const CatalogueEntries &recovered) {
        for (int row = 0; row < collection.records().count(); ++row) {
            if (recovered.of(collection.records().record(row)) != collection.catalogueEntriesOf(row))
                return false;
        }
        return recovered.stampCount() == collection.catalogueEntries().stampCount();
    };
    for (const auto &step : steps) {
        step();
        CatalogueEntries entries;
        QCOMPARE(journaled.recovered(home, &entries), recordsCopy(collection.records().records()));
        QVERIFY(sameEntries(entries));
    }
    // A start from the list as it is carries them too, and a restore brings them.
    journaled.writer.start(name, collection.records().lend(), {}, 0, collection.catalogueEntries());
    CatalogueEntries entries;
    journaled.recovered(home, &entries);
    QVERIFY(sameEntries(entries));
    OpenCollection restored(home.folder());
    QVERIFY(restored.restoreRecovery(RecoveryFile(home.folder()).leftBehind().front()));
    // Declined, the state is kept as a version with its numbers beside it.
    QVERIFY(RecoveryFile(home.folder()).discard(RecoveryFile(home.folder()).leftBehind().front()));
    const QString version = CollectionVersions(home.folder()).versions(name).front().path;
    QVERIFY(CatalogueEntriesFile::read(CollectionFiles::catalogueOfVersion(version), entries).result);
    QVERIFY(sameEntries(entries));
    QCOMPARE(restored.catalogueEntriesOf(0),
             (CatalogueEntries::List{{QStringLiteral("SG"), QStringLiteral("7"), {}, {}}}));
}

QTEST_GUILESS_MAIN(RecoveryFileTest)
#include "tst_recoveryfile.moc"
