// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fixed_point.h"
#include "core/result.h"

#include <string>
#include <string_view>

namespace veltrane {

// Keys in one work unit: 2^32.
inline constexpr double KeysPerWu = 4294967296.0;
// The lowest key rate a calculation accepts, in keys per second.
inline constexpr std::int64_t LowestKeyRate = 10000;

// The figures of one completed rate calculation. The rates are rounded to 2
// decimals and the key rate to a whole number, ready to be written as text.
struct RateFigures
{
    Fixed secondsPerWu;
    double wusPerHour = 0;
    double wusPerDay = 0;
    double keyRate = 0;
};

// The key rate typed in a field: every "," and "." is a grouping mark.
Result<Fixed> readKeyRate(std::string_view text);

// From a key rate of at least LowestKeyRate keys per second.
Result<RateFigures> figuresFromKeyRate(Fixed keyRate);
// From a rate of work units per hour or per day that is not 0; negative
// rates give negative times and key rates.
Result<RateFigures> figuresFromWusPerHour(double wusPerHour);
Result<RateFigures> figuresFromWusPerDay(double wusPerDay);

// The time of one work unit as the main window shows it.
std::string wuDurationText(Fixed secondsPerWu, bool withMilliseconds);

} // namespace veltrane
