// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/work_unit_rate.h"

#include "core/duration_text.h"
#include "core/number_text.h"

namespace veltrane {
namespace {

// The time of one work unit, refused when it does not fit or rounds to 0
// (every later figure divides by it).
Result<Fixed> secondsPerWu(double exactSeconds)
{
    Result<Fixed> seconds = Fixed::fromDouble(exactSeconds);
    if (seconds && seconds->isZero())
        return CalcError::TooShort;
    return seconds;
}

// Per hour, per day and the key rate all follow from the rounded time, as
// the user sees it.
RateFigures figuresFromTime(Fixed time)
{
    double seconds = time.toDouble();
    RateFigures figures;
    figures.secondsPerWu = time;
    figures.wusPerHour = roundToDecimals(3600 / seconds, 2);
    figures.wusPerDay = roundToDecimals(86400 / seconds, 2);
    figures.keyRate = roundToWhole(KeysPerWu / seconds);
    return figures;
}

// The given rate stays as typed; the other rate follows from it by 24.
Result<RateFigures> figuresFromGivenRate(double rate, bool perDay)
{
    Result<Fixed> time = secondsPerWu((perDay ? 86400 : 3600) / rate);
    if (!time)
        return time.error();
    RateFigures figures = figuresFromTime(*time);
    figures.wusPerHour = perDay ? roundToDecimals(rate / 24, 2) : rate;
    figures.wusPerDay = perDay ? rate : roundToDecimals(rate * 24, 2);
    return figures;
}

} // namespace

Result<Fixed> readKeyRate(std::string_view text)
{
    return readFixed(withoutGroupingMarks(text));
}

Result<RateFigures> figuresFromKeyRate(Fixed keyRate)
{
    Result<Fixed> time = secondsPerWu(KeysPerWu / keyRate.toDouble());
    if (!time)
        return time.error();
    RateFigures figures = figuresFromTime(*time);
    figures.keyRate = keyRate.toDouble();
    return figures;
}

Result<RateFigures> figuresFromWusPerHour(double wusPerHour)
{
    return figuresFromGivenRate(wusPerHour, false);
}

Result<RateFigures> figuresFromWusPerDay(double wusPerDay)
{
    return figuresFromGivenRate(wusPerDay, true);
}

std::string wuDurationText(Fixed secondsPerWu, bool withMilliseconds)
{
    if (withMilliseconds)
        return DurationText(secondsPerWu.roundedThousandths(), false, false, true, true);
    return DurationText(secondsPerWu.roundedWhole(), false, false, false, false);
}

} // namespace veltrane
