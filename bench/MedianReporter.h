#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace tw::bench {

// Which time a figure is taken from: the wall clock, or the processor time of this process
// (in user and kernel mode), which other programs on the machine do not lengthen.
enum class Clock { Wall, Processor };

// Shows the usual table on standard error and keeps the median times of every benchmark,
// in seconds, under the benchmark's name.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter();

    void ReportRuns(const std::vector<Run>& runs) override;

    // The median of `name`, or a negative number when it did not run or failed.
    double seconds(const std::string& name, Clock clock) const;
    bool anyFailed() const { return failed_; }

private:
    struct Medians {
        double wall;
        double processor;
    };
    std::map<std::string, Medians> medians_;
    bool failed_ = false;
};

} // namespace tw::bench
