#include "ChildMeasurements.h"
#include "FloorRatioReporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char **argv)
{
    // Collation, pictures and the main window need an application; no window
    // reaches a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int childStatus = ChildMeasurements::runChild(argc, argv);
    if (childStatus >= 0)
        return childStatus;

    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FloorRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable();
    ChildMeasurements::reportAll();
    benchmark::Shutdown();
    return 0;
}
