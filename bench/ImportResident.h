#pragma once

#include <benchmark/benchmark.h>

#include <QString>

#include <functional>

// The memory figures of an import, each from a fresh process so that nothing
// the benchmarks left behind counts.
namespace ImportResident {

// The child side: runs the import and prints "empty peak" in kB: resident
// before, and the peak of the process.
int measure(const std::function<void()> &import);

// The parent side: runs this program as "childOption file home", then loads
// the collection it wrote, and sets the benchmark's counters: the
// import's peak above the empty process, what the collection takes loaded,
// and the one over the other.
void count(benchmark::State &state, const QString &childOption, const QString &file);

} // namespace ImportResident

// The child sides of the Tellico and the Colnect import: import the file into
// the program folder home as the sample collection.
int measureTellicoResident(const QString &file, const QString &home);
int measureColnectResident(const QString &file, const QString &home);
