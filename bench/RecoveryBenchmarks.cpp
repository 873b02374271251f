#include "BenchSizes.h"
#include "RequireSuccess.h"
#include "SampleFolder.h"

#include "storage/document/OpenCollection.h"
#include "storage/document/PermutationStep.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/document/RecordOrder.h"
#include "storage/document/RecordSwapStep.h"
#include "storage/document/RowsStep.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/JournalAsides.h"
#include "storage/keeping/ListChange.h"
#include "storage/keeping/RecoveryFile.h"
#include "storage/keeping/RecoveryWriter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>

namespace {

constexpr int LargestCount = 1000000;

enum Kind { Add, Change, Delete, Sort };

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

StampRecord newStamp(int number)
{
    StampRecord record;
    record[StampRecord::Year] = QStringLiteral("1960");
    record[StampRecord::CatalogueNumber] = QString::number(number);
    return record;
}

// The sample collection opened as the window opens it, with its recovery file
// started from the collection file and each change handed to the writer, as
// the window's guard does it.
struct JournaledCollection {
    explicit JournaledCollection(SampleFolder &sample)
        : collection(sample.folder())
        , writer(sample.folder())
    {
        requireSuccess(collection.open(SampleFolder::Name));
        journal();
        writer.startFromFile(collection.name(), collection.fileOfSavedState(), collection.fileAsLoaded(),
                             collection.fileAsLoaded());
        writer.waitUntilIdle();
    }
    ~JournaledCollection() { requireSuccess(writer.remove(collection.name())); }

    void journal()
    {
        connection = QObject::connect(
            &collection, &OpenCollection::listChanged, &collection,
            [this](const std::shared_ptr<const ListChange> &change) {
                if (auto journaled = asides.journaled(change, [this] { return collection.records().lend(); }))
                    writer.append(std::move(journaled));
            });
    }

    OpenCollection collection;
    RecoveryWriter writer;
    JournalAsides asides;
    QMetaObject::Connection connection;
};

// What an edit costs the window's thread with its change going to the
// recovery file (the iteration time), and without (edit_ms): journal_ms is
// the difference of the fastest of each, which the other work of the machine
// disturbs least (RecoveryChange measures that part alone). The change is
// written on the worker, uncounted; the step is undone again (also uncounted)
// so that every edit starts from the same list.
void RecoveryEditWindowThread(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(LargestCount);
    JournaledCollection journaled(sample);
    OpenCollection &collection = journaled.collection;
    const int middle = collection.records().count() / 2;
    int number = 0;
    const std::function<void()> edits[] = {
        [&] { collection.addRecord(newStamp(++number)); },
        [&] { collection.replaceRecord(middle, newStamp(++number)); },
        [&] { collection.removeRecord(middle); },
        [&] { collection.sortByColumn(StampRecord::Subject); },
    };
    const std::function<void()> &edit = edits[state.range(0)];
    double fastestWith = std::numeric_limits<double>::max();
    double fastestWithout = fastestWith;
    for (auto _ : state) {
        auto start = Clock::now();
        edit();
        const double time = millisecondsSince(start);
        fastestWith = std::min(fastestWith, time);
        journaled.writer.waitUntilIdle();
        collection.undo();
        QObject::disconnect(journaled.connection);
        start = Clock::now();
        edit();
        fastestWithout = std::min(fastestWithout, millisecondsSince(start));
        collection.undo();
        journaled.journal();
        journaled.writer.waitUntilIdle();
        state.SetIterationTime(time / 1000);
    }
    state.counters["edit_ms"] = fastestWithout;
    state.counters["journal_ms"] = fastestWith - fastestWithout;
}

// Only what the recovery file adds to an edit on the window's thread: the
// change made from the step just taken (the records it put in, or a sort's
// order), handed to the worker. For a sort, undo_ms is the same for its undo,
// whose order is worked out anew.
void RecoveryChange(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(LargestCount);
    RecordList list;
    QString name;
    requireSuccess(LoadCollection(sample.folder(), SampleFolder::Name, list, name));
    RecoveryWriter writer(sample.folder());
    writer.startFromFile(name, sample.collectionFile(), FileFingerprint::ofFile(sample.collectionFile()), {});
    const int middle = list.count() / 2;
    std::unique_ptr<EditStep> step;
    switch (state.range(0)) {
    case Add:
        step = RowsStep::insertion(list.count(), {newStamp(1)});
        break;
    case Change:
        step = std::make_unique<RecordSwapStep>(middle, newStamp(1));
        break;
    case Delete:
        step = RowsStep::removal(middle, 1);
        break;
    default:
        step = std::make_unique<PermutationStep>(
            RecordOrder::sorted(list.records(), StampRecord::Subject, Qt::AscendingOrder));
    }
    double undos = 0;
    for (auto _ : state) {
        step->apply(list);
        auto start = Clock::now();
        writer.append(std::make_shared<const ListChange>(step->changeMade(list, true)));
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        step->revert(list);
        start = Clock::now();
        writer.append(std::make_shared<const ListChange>(step->changeMade(list, false)));
        undos += millisecondsSince(start);
        writer.waitUntilIdle();
    }
    state.counters["undo_ms"] = undos / static_cast<double>(state.iterations());
    requireSuccess(writer.remove(name));
}

// Undo and redo of a CSV import that replaced every record, with each change
// going to the recovery file: the window's thread (the iteration time is the
// undo, redo_ms the redo) only names the list the step keeps aside. The
// worker's writing is waited for, uncounted. replace_ms is the replacement
// itself, whose new list the worker copies from the list that lends it.
void RecoveryReplacingImportUndo(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(LargestCount);
    JournaledCollection journaled(sample);
    OpenCollection &collection = journaled.collection;
    const RecordSpan shown = collection.records().records();
    std::vector<StampRecord> imported(shown.rbegin(), shown.rend());
    const auto replacing = Clock::now();
    collection.addImportedRecords(std::move(imported), true);
    const double replaced = millisecondsSince(replacing);
    journaled.writer.waitUntilIdle();
    double redos = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        collection.undo();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        journaled.writer.waitUntilIdle();
        start = Clock::now();
        collection.redo();
        redos += millisecondsSince(start);
        journaled.writer.waitUntilIdle();
    }
    state.counters["redo_ms"] = redos / static_cast<double>(state.iterations());
    state.counters["replace_ms"] = replaced;
}

// Starting the recovery file at the first change after opening or saving:
// the window's thread only hands over the file's name (the iteration time);
// whole_ms is until the worker has copied it. snapshot_ms is the start from
// the list instead, lent to the worker, made once where no file holds the
// state (a new or restored collection, or after a failed write).
void RecoveryStart(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    OpenCollection collection(sample.folder());
    requireSuccess(collection.open(SampleFolder::Name));
    RecoveryWriter writer(sample.folder());
    double whole = 0;
    double snapshot = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        writer.startFromFile(collection.name(), collection.fileOfSavedState(), collection.fileAsLoaded(),
                             collection.fileAsLoaded());
        const double handedOver = millisecondsSince(start);
        writer.waitUntilIdle();
        whole += millisecondsSince(start);
        start = Clock::now();
        writer.start(collection.name(), collection.records().lend(), collection.fileAsLoaded());
        snapshot += millisecondsSince(start);
        writer.waitUntilIdle();
        state.SetIterationTime(handedOver / 1000);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["whole_ms"] = whole / iterations;
    state.counters["snapshot_ms"] = snapshot / iterations;
    requireSuccess(writer.remove(collection.name()));
}

// Reading the recovery file after a crash: the base with a journal of a
// session's work done again on it (1,000 changed records, 100 deleted, 100
// added, one sort).
void RecoveryRead(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    JournaledCollection journaled(sample);
    OpenCollection &collection = journaled.collection;
    const int count = collection.records().count();
    for (int index = 0; index < 1000; ++index)
        collection.replaceRecord(static_cast<int>((index * 7919LL) % count), newStamp(index));
    for (int index = 0; index < 100; ++index) {
        collection.removeRecord(static_cast<int>((index * 104729LL) % (count - index)));
        collection.addRecord(newStamp(index));
    }
    collection.sortByColumn(StampRecord::Subject);
    journaled.writer.waitUntilIdle();
    const RecoveryFile recovery(sample.folder());
    const std::vector<RecoveryFile::LeftBehind> found = recovery.leftBehind();
    std::vector<StampRecord> records;
    if (found.size() != 1 || !RecoveryFile::read(found.front(), records) ||
        !std::ranges::equal(records, collection.records().records()))
        qFatal("Het herstelbestand geeft de lijst niet terug");
    for (auto _ : state) {
        requireSuccess(RecoveryFile::read(found.front(), records));
        benchmark::DoNotOptimize(records.data());
    }
}

void Kinds(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgNames({"add0_change1_delete2_sort3"})->Arg(Add)->Arg(Change)->Arg(Delete)->Arg(Sort);
    benchmark->Unit(benchmark::kMillisecond)->Teardown(BenchSizes::settleHeap);
}

} // namespace

BENCHMARK(RecoveryEditWindowThread)->Apply(Kinds)->UseManualTime()->Iterations(10);
BENCHMARK(RecoveryChange)->Apply(Kinds)->UseManualTime()->Iterations(10);
BENCHMARK(RecoveryReplacingImportUndo)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->Teardown(BenchSizes::settleHeap);
BENCHMARK(RecoveryStart)->Apply(BenchSizes::all)->UseManualTime()->Iterations(5);
BENCHMARK(RecoveryRead)->Apply(BenchSizes::all)->Iterations(3);
