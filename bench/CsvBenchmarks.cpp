#include "SampleCollection.h"

#include "storage/formats/CsvFile.h"
#include "storage/formats/CsvMapping.h"

#include <benchmark/benchmark.h>

namespace {

// Exporting: the list's records to the bytes of a CSV file.
void CsvExport(benchmark::State &state)
{
    const std::vector<StampRecord> records = SampleCollection::records(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CsvFile::serialize(records).size());
}

// Importing: the bytes of a CSV file to records, as the import does it.
void CsvImport(benchmark::State &state)
{
    const QByteArray bytes = CsvFile::serialize(SampleCollection::records(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        const CsvFile::Table table = CsvFile::parse(bytes);
        benchmark::DoNotOptimize(CsvMapping::preset(table).records(table, CsvMapping::hasHeader(table)));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}

void CsvSizes(benchmark::internal::Benchmark *benchmark)
{
    for (int count : {10000, 100000})
        benchmark->Arg(count);
    benchmark->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(CsvExport)->Apply(CsvSizes);
BENCHMARK(CsvImport)->Apply(CsvSizes);
