// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/exact_fraction.h"

#include <cstdint>

namespace veltrane {

// Exact figures from a key rate, for rates from 1 to 10^15 keys per second.
// Unlike the window, which first rounds the time of one work unit to
// 0,0001 s, every figure here is a fraction of the key rate itself and is
// rounded only when it is written.
//
// The inputs are bounded so that no product leaves 128 bits: key rates and
// counts of work units up to 10^15, spans up to 4,000,000 days, CPU hours a
// day as a fraction whose denominator is at most 10^4.

// The most days any figure counts: more than from year 1 to year 9999.
inline constexpr std::int64_t MostDays = 4'000'000;
// The largest count of work units, done, in a buffer or as a target.
inline constexpr std::uint64_t LargestWuCount = 1'000'000'000'000'000;

// Hours a day, hours / per: 7.5 is 75 / 10. From 0 (not included) to 24.
struct HoursPerDay
{
    std::uint64_t hours = 24;
    std::uint64_t per = 1;
};

Fraction secondsPerWu(std::uint64_t keyRate);
Fraction wusPerHour(std::uint64_t keyRate);
Fraction wusPerDay(std::uint64_t keyRate);

// The work units of the CPU hours of one day.
Fraction wusInHours(std::uint64_t keyRate, HoursPerDay hours);

// The work units over a number of days at the hours of each day, plus those
// already done.
Fraction wusOverDays(std::uint64_t keyRate, std::int64_t days, HoursPerDay hours,
                     std::uint64_t done);

// The seconds a buffer of work units lasts at the hours of each day, in
// time of day (a computer that runs 8 hours a day takes three days for a
// day's work).
Fraction bufferSeconds(std::uint64_t keyRate, std::uint64_t wus, HoursPerDay hours);

// The work units a buffer needs to last a number of days, rounded up.
Wide wusForDays(std::uint64_t keyRate, std::int64_t days, HoursPerDay hours);

// The whole days it takes to finish a number of work units, rounded up.
Wide daysForWus(std::uint64_t keyRate, std::uint64_t wus, HoursPerDay hours);

} // namespace veltrane
