#include "BenchSizes.h"
#include "RequireSuccess.h"
#include "SampleFolder.h"

#include "storage/document/OpenCollection.h"
#include "storage/document/RecordListFiles.h"
#include "storage/formats/CollectionFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

namespace {

constexpr int LargestCount = 1000000;

enum Kind { Add, Change, Delete };

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

StampRecord newStamp()
{
    StampRecord record;
    record[StampRecord::Year] = QStringLiteral("1960");
    record[StampRecord::CatalogueNumber] = QStringLiteral("123a");
    return record;
}

// Times a run of the edit, its undo and its redo, each on its own; the
// iteration time is the edit. Between iterations the step is undone again,
// uncounted, so every edit starts from the loaded collection.
void timeSteps(benchmark::State &state, OpenCollection &collection, const std::function<void()> &edit)
{
    double edits = 0;
    double undos = 0;
    double redos = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        edit();
        const double editTime = millisecondsSince(start);
        edits += editTime;
        start = Clock::now();
        collection.undo();
        undos += millisecondsSince(start);
        start = Clock::now();
        collection.redo();
        redos += millisecondsSince(start);
        collection.undo();
        state.SetIterationTime(editTime / 1000);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["undo_ms"] = undos / iterations;
    state.counters["redo_ms"] = redos / iterations;
    state.counters["edit_ms"] = edits / iterations;
}

// Add, Wijzig or Delete of a record in the middle (Add: at the end) of the
// loaded collection through the open collection, with its undo and redo.
void UndoEdit(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(LargestCount);
    OpenCollection collection(sample.folder());
    requireSuccess(collection.open(SampleFolder::Name));
    const int middle = collection.records().count() / 2;
    const std::function<void()> edits[] = {
        [&] { collection.addRecord(newStamp()); },
        [&] { collection.replaceRecord(middle, newStamp()); },
        [&] { collection.removeRecord(middle); },
    };
    timeSteps(state, collection, edits[state.range(0)]);
}

// The same edit on a list of its own, kept in no history: what keeping the
// step adds is the difference to UndoEdit's edit.
void UndoEditWithoutHistory(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(LargestCount);
    RecordList list;
    QString name;
    requireSuccess(LoadCollection(sample.folder(), SampleFolder::Name, list, name));
    const int middle = list.count() / 2;
    for (auto _ : state) {
        switch (state.range(0)) {
        case Add:
            list.insertRecords(list.count(), {newStamp()});
            state.PauseTiming();
            static_cast<void>(list.takeRecords(list.count() - 1, 1));
            break;
        case Change: {
            StampRecord record = newStamp();
            list.swapRecord(middle, record);
            state.PauseTiming();
            list.swapRecord(middle, record);
            break;
        }
        default: {
            std::vector<StampRecord> taken = list.takeRecords(middle, 1);
            state.PauseTiming();
            list.insertRecords(middle, std::move(taken));
        }
        }
        state.ResumeTiming();
    }
}

// Undo and redo of a click on a column header; the iteration time is the undo.
void UndoSort(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(LargestCount);
    OpenCollection collection(sample.folder());
    requireSuccess(collection.open(SampleFolder::Name));
    timeSteps(state, collection, [&] { collection.sortByColumn(static_cast<int>(state.range(0))); });
}

void Kinds(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgNames({"add0_change1_delete2"})->Arg(Add)->Arg(Change)->Arg(Delete);
    benchmark->Unit(benchmark::kMillisecond)->Teardown(BenchSizes::settleHeap);
}

} // namespace

BENCHMARK(UndoEdit)->Apply(Kinds)->UseManualTime()->Iterations(20);
BENCHMARK(UndoEditWithoutHistory)->Apply(Kinds)->Iterations(20);
BENCHMARK(UndoSort)
    ->ArgName("column")
    ->Arg(StampRecord::Year)
    ->Arg(StampRecord::Subject)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->Teardown(BenchSizes::settleHeap);
