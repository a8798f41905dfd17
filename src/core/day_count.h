// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <cstdint>
#include <string_view>

namespace veltrane {

// Days of a month on the program's fixed 365-day calendar: February always
// has 28; a month number outside 1 to 12 has 0.
std::int16_t DaysInMonth(std::int32_t month);

// The days from the start date to the end date, both included, for texts
// written day/month/year ("30/10/2003"). An empty part takes its default
// (day 1, month 1, year 2003); a part that is not a number, or a count
// beyond the signed 32-bit range, is a failure. An end before the start
// gives 0 or a negative count.
Result<std::int32_t> CountDays(std::string_view startText, std::string_view endText);

} // namespace veltrane
