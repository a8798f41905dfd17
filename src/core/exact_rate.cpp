// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exact_rate.h"

namespace veltrane {
namespace {

constexpr Wide KeysPerWu = Wide(1) << 32;

Wide wide(std::uint64_t value)
{
    return value;
}

} // namespace

Fraction secondsPerWu(std::uint64_t keyRate)
{
    return {KeysPerWu, keyRate};
}

Fraction wusPerHour(std::uint64_t keyRate)
{
    return {3600 * wide(keyRate), KeysPerWu};
}

Fraction wusPerDay(std::uint64_t keyRate)
{
    return {86400 * wide(keyRate), KeysPerWu};
}

Fraction wusInHours(std::uint64_t keyRate, HoursPerDay hours)
{
    return {3600 * wide(keyRate) * hours.hours, KeysPerWu * hours.per};
}

Fraction wusOverDays(std::uint64_t keyRate, std::int64_t days, HoursPerDay hours,
                     std::uint64_t done)
{
    Fraction perDay = wusInHours(keyRate, hours);
    return {perDay.num * static_cast<std::uint64_t>(days) + wide(done) * perDay.den, perDay.den};
}

Fraction bufferSeconds(std::uint64_t keyRate, std::uint64_t wus, HoursPerDay hours)
{
    return {KeysPerWu * wus * 24 * hours.per, wide(keyRate) * hours.hours};
}

Wide wusForDays(std::uint64_t keyRate, std::int64_t days, HoursPerDay hours)
{
    return roundedUp(wusOverDays(keyRate, days, hours, 0));
}

Wide daysForWus(std::uint64_t keyRate, std::uint64_t wus, HoursPerDay hours)
{
    Fraction perDay = wusInHours(keyRate, hours);
    return roundedUp({wide(wus) * perDay.den, perDay.num});
}

} // namespace veltrane
