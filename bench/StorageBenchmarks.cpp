#include "BenchSizes.h"
#include "RequireSuccess.h"
#include "SampleFolder.h"

#include "storage/document/PriceTotals.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/OldDataFile.h"
#include "storage/keeping/CollectionSave.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <cstring>
#include <vector>

namespace {

using BenchSizes::setBytes;

int sizeOf(const benchmark::State &state)
{
    return static_cast<int>(state.range(0));
}

// The floor: what any loader must do at the least. Read the file's bytes and
// find its lines (memchr for LF; the CR before it is left off), keeping a view
// of each line. No decoding and nothing allocated per line.
void readAndSplit(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    std::vector<QByteArrayView> lines;
    lines.reserve(static_cast<size_t>(bytes.size() / 8));
    const char *next = bytes.constData();
    const char *end = next + bytes.size();
    while (next < end) {
        const auto *lineFeed =
            static_cast<const char *>(std::memchr(next, '\n', static_cast<size_t>(end - next)));
        const char *lineEnd = lineFeed ? lineFeed : end;
        const bool crLf = lineEnd > next && lineEnd[-1] == '\r';
        lines.emplace_back(next, lineEnd - next - (crLf ? 1 : 0));
        next = lineEnd + 1;
    }
    benchmark::DoNotOptimize(lines.data());
}

// Below about 32 MB the allocator hands the buffers of one iteration to the
// next, whose memory is then already in place.
void Floor(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(sizeOf(state));
    for (auto _ : state)
        readAndSplit(sample.collectionFile());
    setBytes(state, sample.fileSize());
}

// The same into memory handed back in between, as every load here has it
// (and a first load after start-up): each page is new to the process.
void FloorFreshMemory(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(sizeOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        BenchSizes::settleHeap(state);
        state.ResumeTiming();
        readAndSplit(sample.collectionFile());
    }
    setBytes(state, sample.fileSize());
}

// Loading into an empty list, as at the first load after start-up. Freeing
// the collection of the iteration before is not counted (nor is the merging
// of its freed blocks, which glibc would otherwise defer into this load).
void Load(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(sizeOf(state));
    RecordList list;
    QString name;
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        BenchSizes::settleHeap(state);
        state.ResumeTiming();
        requireSuccess(LoadCollection(sample.folder(), SampleFolder::Name, list, name));
    }
    setBytes(state, sample.fileSize());
}

void Save(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(sizeOf(state));
    RecordList list;
    QString name;
    requireSuccess(LoadCollection(sample.folder(), SampleFolder::Name, list, name));
    for (auto _ : state)
        requireSuccess(SaveCollection(sample.folder(), QStringLiteral("Kopie"), list));
    setBytes(state, sample.fileSize());
}

void ImportOld(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(sizeOf(state));
    RecordList list;
    for (auto _ : state)
        requireSuccess(ImportOldData(sample.folder(), SampleFolder::Name, list));
}

// Every iteration sorts the collection as it was loaded, not as the previous
// iteration left it.
void Sort(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(sizeOf(state));
    RecordList list;
    QString name;
    requireSuccess(LoadCollection(sample.folder(), SampleFolder::Name, list, name));
    const std::vector<StampRecord> loaded(list.records().begin(), list.records().end());
    const int column = static_cast<int>(state.range(1));
    const auto order = static_cast<Qt::SortOrder>(state.range(2));
    for (auto _ : state) {
        state.PauseTiming();
        list.assign(loaded);
        state.ResumeTiming();
        list.sort(column, order);
    }
}

void Totals(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(sizeOf(state));
    RecordList list;
    QString name;
    requireSuccess(LoadCollection(sample.folder(), SampleFolder::Name, list, name));
    for (auto _ : state)
        benchmark::DoNotOptimize(PriceTotals::of(list));
}

void SortSizes(benchmark::internal::Benchmark *benchmark)
{
    for (int count : BenchSizes::Counts) {
        for (int column = StampRecord::Year; column <= StampRecord::Type; ++column) {
            for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder})
                benchmark->Args({count, column, order});
        }
    }
    benchmark->ArgNames({"", "column", "descending"});
    benchmark->Unit(benchmark::kMillisecond)->Teardown(BenchSizes::settleHeap);
}

} // namespace

// Every ratio is taken against the floor, so it gets more iterations than one
// disturbed pass of the largest file would give.
BENCHMARK(Floor)->Apply(BenchSizes::all)->MinTime(2.0);
BENCHMARK(FloorFreshMemory)->Apply(BenchSizes::all);
BENCHMARK(Load)->Apply(BenchSizes::all);
BENCHMARK(Save)->Apply(BenchSizes::all);
BENCHMARK(ImportOld)->Apply(BenchSizes::all);
BENCHMARK(Sort)->Apply(SortSizes);
BENCHMARK(Totals)->Apply(BenchSizes::all);
