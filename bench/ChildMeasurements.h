#pragma once

#include <QStringList>

// Figures taken in a fresh process of t2bench each, so that nothing the
// benchmarks left behind (heap, caches, fonts already loaded) counts.
namespace ChildMeasurements {

// A line of /proc/self/status in kB: VmRSS (resident now), VmHWM (the peak).
long statusKilobytes(const char *key);

// The child side: handles "--resident HOME NAME" and "--startup HOME". Returns
// -1 when the arguments ask for neither, else the exit status.
int runChild(int argc, char **argv);

// The parent side: resident memory after loading the sample collections of
// 100,000 and 1,000,000 records, and the start-up time of the main window.
void reportAll();

} // namespace ChildMeasurements
