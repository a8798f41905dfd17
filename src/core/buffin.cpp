#include "core/buffin.h"

#include "core/duration_text.h"
#include "core/number_text.h"
#include "core/work_unit_rate.h"

namespace veltrane {

Result<double> readBuffInKeyRate(std::string_view text)
{
    return readNumber(withoutGroupingMarks(text));
}

Result<Fixed> buffInWorkingTime(const BuffInInputs& inputs)
{
    Result<Fixed> seconds = Fixed::fromDouble(KeysPerWu * inputs.wuCount / inputs.keyRate);
    if (!seconds || !inputs.reckonWithCpuTime)
        return seconds;
    Result<std::int32_t> hours = readWhole32(inputs.cpuHoursText);
    if (!hours)
        return hours.error();
    if (*hours == 0)
        return CalcError::ZeroCpuHours;
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
