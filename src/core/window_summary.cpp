// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_summary.h"

#include "core/date_span.h"
#include "core/number_text.h"
#include "core/progress_caption.h"
#include "core/summary_text.h"
#include "core/work_unit_rate.h"

namespace veltrane {

Result<std::string, WindowSummaryError> windowSummary(const WindowEntries& entries)
{
    Result<Fixed> keyRate = readKeyRate(entries.keyRate);
    if (!keyRate || keyRate->isZero())
        return WindowSummaryError::KeyRateUnreadable;
    if (*keyRate < Fixed::fromUnits(LowestKeyRate * Fixed::UnitsPerOne))
        return WindowSummaryError::KeyRateTooLow;
    Result<RateFigures> figures = figuresFromKeyRate(*keyRate);
    if (!figures)
        return WindowSummaryError::KeyRateTooHigh;

    // No CPU time at all counts as one hour; hours below 24 tick the box.
    std::string cpuHours = entries.cpuHours;
    Result<double> hours = readNumber(cpuHours);
    if (cpuHours.empty() || cpuHours == "0") {
        cpuHours = std::string(1, '1');
        hours = 1.0;
    }
    const bool reckonWithCpuTime = hours && *hours < 24;

    const DateSpanFigures span =
        computeDateSpan({figures->secondsPerWu, cpuHours, entries.start, entries.end,
                         reckonWithCpuTime, entries.done, entries.addDone});
    if (!span.complete())
        return WindowSummaryError::FiguresIncomplete;

    SummaryFields fields;
    fields.keyRate = entries.keyRate;
    fields.wuTime = wuDurationText(figures->secondsPerWu, entries.showMs);
    fields.perHourCaption = progressCaptionText(writeNumber(figures->wusPerHour)).value_or("");
    fields.perDayCaption = progressCaptionText(writeNumber(figures->wusPerDay)).value_or("");
    fields.cpuHours = cpuHours;
    fields.amount = *span.amount;
    fields.startDate = entries.start;
    fields.endDate = entries.end;
    fields.done = span.doneBecomesZero ? "0" : entries.done;
    fields.spanFigure = entries.addDone ? *span.spanWithDone : *span.span;
    fields.doneAdded = entries.addDone;
    fields.reckonWithCpuTime = reckonWithCpuTime;
    return summaryText(fields);
}

} // namespace veltrane
