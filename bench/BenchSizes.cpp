#include "BenchSizes.h"

#include <malloc.h>

namespace BenchSizes {

void settleHeap(const benchmark::State &)
{
    malloc_trim(0);
}

void upTo(benchmark::internal::Benchmark *benchmark, int largest)
{
    for (int count : Counts) {
        if (count <= largest)
            benchmark->Arg(count);
    }
    benchmark->Unit(benchmark::kMillisecond)->Teardown(settleHeap);
}

void all(benchmark::internal::Benchmark *benchmark)
{
    upTo(benchmark, Counts[std::size(Counts) - 1]);
}

void setBytes(benchmark::State &state, qint64 bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}

} // namespace BenchSizes
