#include "FloorRatioReporter.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

// "Load/100000" and "Sort/100000/column:2/descending:1" are of size 100000.
long sizeInName(const std::string &name)
{
    const auto slash = name.find('/');
    if (slash == std::string::npos)
        return 0;
    return std::strtol(name.c_str() + slash + 1, nullptr, 10);
}

double toMilliseconds(double time, benchmark::TimeUnit unit)
{
    return time * 1000.0 / benchmark::GetTimeUnitMultiplier(unit);
}

} // namespace

FloorRatioReporter::FloorRatioReporter()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular)
{}

void FloorRatioReporter::ReportRuns(const std::vector<Run> &reports)
{
    ConsoleReporter::ReportRuns(reports);
    for (const Run &run : reports) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration)
            continue;
        Figure figure{run.benchmark_name(), sizeInName(run.benchmark_name()),
                      toMilliseconds(run.GetAdjustedRealTime(), run.time_unit),
                      toMilliseconds(run.GetAdjustedCPUTime(), run.time_unit)};
        if (figure.name.rfind("Floor/", 0) == 0)
            m_floors[figure.size] = figure;
        m_figures.push_back(figure);
    }
}

void FloorRatioReporter::printTable() const
{
    std::printf("\n%-48s %12s %10s %12s %10s\n", "figure", "ms", "x floor", "cpu ms", "x floor");
    for (const Figure &figure : m_figures) {
        const auto floor = m_floors.find(figure.size);
        if (floor == m_floors.end() || floor->second.milliseconds <= 0 || floor->second.cpuMilliseconds <= 0)
            std::printf("%-48s %12.2f %10s %12.2f %10s\n", figure.name.c_str(), figure.milliseconds, "-",
                        figure.cpuMilliseconds, "-");
        else
            std::printf("%-48s %12.2f %10.1f %12.2f %10.1f\n", figure.name.c_str(), figure.milliseconds,
                        figure.milliseconds / floor->second.milliseconds, figure.cpuMilliseconds,
                        figure.cpuMilliseconds / floor->second.cpuMilliseconds);
    }
    std::fflush(stdout);
}
