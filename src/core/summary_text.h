// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace veltrane {

// What the two-line summary quotes, exactly as the main window shows it.
struct SummaryFields
{
    std::string keyRate;        // the key rate field
    std::string wuTime;         // the time of one work unit
    std::string perHourCaption; // progress caption of the work units per hour
    std::string perDayCaption;  // progress caption of the work units per day
    std::string cpuHours;
    std::string amount; // work units in a day's CPU hours
    std::string startDate;
    std::string endDate;
    std::string done;       // work units already done
    std::string spanFigure; // work units over the span of dates
    bool doneAdded = false; // the done work units are in the span figure
    bool reckonWithCpuTime = false;
};

// Two plain-English lines joined by "\r\n", without a line break at the end.
std::string summaryText(const SummaryFields& fields);

} // namespace veltrane
