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
