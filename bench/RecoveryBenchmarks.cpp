#include "BenchSizes.h"
#include "RequireSuccess.h"
#include "SampleFolder.h"

#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/RecoveryWriter.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// The recovery file of the loaded sample collection. WindowThread is what the
// window's thread spends on it (the snapshot of the records and handing it to
// the worker); Whole is until the file is written and renamed into place.
void recoveryWrite(benchmark::State &state, bool whole)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    RecordList list;
    QString name;
    requireSuccess(LoadCollection(sample.folder(), SampleFolder::Name, list, name));
    RecoveryWriter writer(sample.folder());
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        writer.write(name, list.records());
        if (whole)
            writer.waitUntilIdle();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        writer.waitUntilIdle();
    }
    requireSuccess(writer.remove(name));
}

void RecoveryWindowThread(benchmark::State &state)
{
    recoveryWrite(state, false);
}

void RecoveryWhole(benchmark::State &state)
{
    recoveryWrite(state, true);
}

void RecoverySizes(benchmark::internal::Benchmark *benchmark)
{
    BenchSizes::upTo(benchmark, 100000);
    benchmark->UseManualTime();
}

} // namespace

BENCHMARK(RecoveryWindowThread)->Apply(RecoverySizes);
BENCHMARK(RecoveryWhole)->Apply(RecoverySizes);
