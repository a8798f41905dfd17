// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/summary_text.h"

namespace veltrane {

std::string summaryText(const SummaryFields& f)
{
    std::string text = "With a rate of " + f.keyRate + " keys/sec, it takes " + f.wuTime +
                       " for 1 WU, after a hour he/she's got " + f.perHourCaption +
                       " and after a day he/she got " + f.perDayCaption +
                       ". If the pc is running " + f.cpuHours + " hours/day then he/she got " +
                       f.amount + " WU's";

    text += "\r\nIf he/she started on " + f.startDate + ", ended on " + f.endDate;
    if (f.doneAdded)
        text += " and Buff-out contains " + f.done + " WU's, then he/she got ";
    else
        text += ", then he/she got ";

    text += f.spanFigure;
    if (f.reckonWithCpuTime)
        text += " WU's (if the pc is running " + f.cpuHours + " hours each day)";
    else
        text += " WU's (if the pc is running 24/24)";
    return text;
}

} // namespace veltrane
