#include "MedianReporter.h"

#include <iostream>

namespace tw::bench {

MedianReporter::MedianReporter() : benchmark::ConsoleReporter(OO_Tabular)
{
    SetOutputStream(&std::cerr);
    SetErrorStream(&std::cerr);
}

void MedianReporter::ReportRuns(const std::vector<Run>& runs)
{
    benchmark::ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            failed_ = true;
            continue;
        }
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
            medians_[run.run_name.function_name] = {run.GetAdjustedRealTime() / perSecond,
                                                    run.GetAdjustedCPUTime() / perSecond};
        }
    }
}

double MedianReporter::seconds(const std::string& name, Clock clock) const
{
    auto found = medians_.find(name);
    if (found == medians_.end())
        return -1.0;
    return clock == Clock::Wall ? found->second.wall : found->second.processor;
}

} // namespace tw::bench
