// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/buffin.h"

#include "core/duration_text.h"
#include "core/number_text.h"
#include "core/work_unit_rate.h"

#include <limits>

namespace veltrane {

Result<std::int32_t> readBuffInCount(std::string_view text)
{
    Result<std::int32_t> count = readWhole32(text);
    if (!count && count.error() == CalcError::OutOfRange) {
        Result<double> value = readNumber(text);
        if (value && *value < 0)
            return std::numeric_limits<std::int32_t>::min();
    }
    return count;
}

Result<double> readBuffInKeyRate(std::string_view text)
{
    return readNumber(withoutGroupingMarks(text));
}

Result<std::int32_t> readBuffInCpuHours(std::string_view text)
{
    Result<std::int32_t> hours = readWhole32(text);
    if (hours && *hours == 0)
        return CalcError::ZeroCpuHours;
    return hours;
}

BuffInCheck checkBuffIn(std::string_view countText, std::string_view keyRateText,
                        bool reckonWithCpuTime, std::string_view cpuHoursText)
{
    BuffInCheck checked;
    auto refuse = [&checked](BuffInOutcome outcome, CalcError error = CalcError::NotANumber) {
        checked.outcome = outcome;
        checked.error = error;
        return checked;
    };

    Result<std::int32_t> count = readBuffInCount(countText);
    if (!count)
        return refuse(BuffInOutcome::CountUnreadable, count.error());
    checked.countRaised = *count < SmallestBuffer;
    checked.inputs.wuCount = checked.countRaised ? SmallestBuffer : *count;

    Result<double> keyRate = readBuffInKeyRate(keyRateText);
    if (!keyRate)
        return refuse(BuffInOutcome::KeyRateUnreadable, keyRate.error());
    if (*keyRate == 0)
        return refuse(BuffInOutcome::ZeroKeys);
    if (*keyRate < static_cast<double>(LowestKeyRate))
        return refuse(BuffInOutcome::KeyRateTooLow);
    checked.inputs.keyRate = *keyRate;
    checked.inputs.keyRateText = std::string(keyRateText);

    checked.inputs.reckonWithCpuTime = reckonWithCpuTime;
    checked.inputs.cpuHoursText = std::string(cpuHoursText);
    if (reckonWithCpuTime) {
        if (Result<std::int32_t> hours = readBuffInCpuHours(cpuHoursText); !hours)
            return refuse(BuffInOutcome::CpuHoursUnusable, hours.error());
    }
    return checked;
}

Result<Fixed> buffInWorkingTime(const BuffInInputs& inputs)
{
    Result<Fixed> seconds = Fixed::fromDouble(KeysPerWu * inputs.wuCount / inputs.keyRate);
    if (!seconds || !inputs.reckonWithCpuTime)
        return seconds;
    Result<std::int32_t> hours = readBuffInCpuHours(inputs.cpuHoursText);
    if (!hours)
        return hours.error();
    return Fixed::fromDouble(seconds->toDouble() / (*hours / 24.0));
}

Result<std::string> buffInSentence(const BuffInInputs& inputs)
{
    Result<Fixed> seconds = buffInWorkingTime(inputs);
    if (!seconds)
        return seconds.error();
    std::int64_t whole = seconds->roundedWhole();
    std::string hoursText =
        inputs.reckonWithCpuTime ? inputs.cpuHoursText + " hours a day!" : "24 on 24";
    return "It's gonna take " + DurationText(whole, true, true, false, false) + " (or " +
           DurationText(whole, true, false, false, false) + ")" + " for " +
           std::to_string(inputs.wuCount) + " Wu's @ " + inputs.keyRateText +
           " keys/sec, if the pc is running " + hoursText;
}

} // namespace veltrane
