#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console report, and at the end one table of every figure beside the
// floor of its collection size (reading the same file and splitting it into
// lines, measured in the same run).
class FloorRatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a saved report stays plain text.
    FloorRatioReporter();
    void ReportRuns(const std::vector<Run> &reports) override;
    void printTable() const;

private:
    struct Figure {
        std::string name;
        long size = 0;              // 0: not tied to a collection size
        double milliseconds = 0;    // wall clock
        double cpuMilliseconds = 0; // this process on the processor; steadier on a busy machine
    };
    std::vector<Figure> m_figures;
    std::map<long, Figure> m_floors;
};
