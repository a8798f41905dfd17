// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fixed_point.h"

#include <cstdint>
#include <optional>
#include <string>

namespace veltrane {

// What the date-span figures are worked out from: the time of one work
// unit and the texts and check boxes of the main window.
struct DateSpanInputs
{
    Fixed secondsPerWu;
    std::string cpuHoursText;
    std::string startText;
    std::string endText;
    bool reckonWithCpuTime = false;
    std::string doneText;
    bool addDone = false;
};

// The figures in the order the window writes them. A failure leaves the
// figure where it happened and every later one empty, so the window writes
// what comes before it and stops there.
struct DateSpanFigures
{
    std::optional<std::string> amount;       // work units in the CPU hours of one day
    std::optional<std::string> span;         // work units over the span of days
    bool doneBecomesZero = false;            // an empty or single-blank done count reads "0"
    std::optional<std::string> spanWithDone; // the span plus the done count, when added
    std::optional<std::int32_t> days;        // the day count, shown last

    bool complete() const { return days.has_value(); }
};

DateSpanFigures computeDateSpan(const DateSpanInputs& inputs);

// The caption under which the span figure stands: "WU's after 64 days".
std::string dayCountCaption(std::int32_t days);

} // namespace veltrane
