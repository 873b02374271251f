#include "ChildMeasurements.h"
#include "FloorRatioReporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <string_view>

namespace {

// --benchmark_list_tests only lists the benchmarks: the measurements of whole
// processes that follow a run are left out too.
bool onlyListing(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--benchmark_list_tests" || argument == "--benchmark_list_tests=true" ||
            argument == "--benchmark_list_tests=1")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    // Collation, pictures and the main window need an application; no window
    // reaches a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int childStatus = ChildMeasurements::runChild(argc, argv);
    if (childStatus >= 0)
        return childStatus;

    QApplication application(argc, argv);
    const bool listing = onlyListing(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FloorRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (!listing) {
        reporter.printTable();
        ChildMeasurements::reportAll();
    }
    benchmark::Shutdown();
    return 0;
}
