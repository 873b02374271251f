#pragma once

#include <benchmark/benchmark.h>

#include <QtGlobal>

// What every benchmark of a collection size shares.
namespace BenchSizes {

inline constexpr int Counts[] = {10000, 100000, 1000000};

// Hands the freed memory of a finished benchmark back before the next one
// starts. glibc keeps millions of freed small blocks unmerged and merges them
// at the next large request, which would bill one benchmark's clean-up to the
// first iteration of the next.
void settleHeap(const benchmark::State &);

// One run per size, in milliseconds, with settleHeap after each.
void all(benchmark::internal::Benchmark *benchmark);
// The sizes up to and including largest.
void upTo(benchmark::internal::Benchmark *benchmark, int largest);

void setBytes(benchmark::State &state, qint64 bytes);

} // namespace BenchSizes
