// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/date_span.h"

#include "core/day_count.h"
#include "core/number_text.h"

namespace veltrane {

DateSpanFigures computeDateSpan(const DateSpanInputs& inputs)
{
    DateSpanFigures figures;
    // Nothing is known before the first completed calculation.
    if (inputs.secondsPerWu.isZero())
        return figures;
    Result<std::int32_t> hours = readWhole32(inputs.cpuHoursText);
    if (!hours)
        return figures;

    double seconds = inputs.secondsPerWu.toDouble();
    double perHour = 3600 / seconds;
    figures.amount = writeNumber(roundToDecimals(perHour * *hours, 2));

    Result<std::int32_t> days = CountDays(inputs.startText, inputs.endText);
    if (!days)
        return figures;

    double perDay = 86400 / seconds;
    double span = *days * perDay;
    if (inputs.reckonWithCpuTime)
        span = span * (*hours / 24.0);
    figures.span = writeNumber(roundToDecimals(span, 2));

    std::string doneText = inputs.doneText;
    if (doneText.empty() || doneText == " ") {
        figures.doneBecomesZero = true;
        doneText = "0";
    }
    if (inputs.addDone) {
        Result<std::int32_t> done = readWhole32(doneText);
        if (!done)
            return figures;
        // The done count is added to the span as the field shows it.
        Result<double> shownSpan = readNumber(*figures.span);
        if (!shownSpan)
            return figures;
        figures.spanWithDone = writeNumber(*done + *shownSpan);
    }
    figures.days = *days;
    return figures;
}

std::string dayCountCaption(std::int32_t days)
{
    return "WU's after " + std::to_string(days) + " days";
}

} // namespace veltrane
