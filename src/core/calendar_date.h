// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace veltrane {

// Dates on the real (Gregorian) calendar, leap years included, from year 1
// to year 9999. The window keeps its own calendar of 365-day years
// (CountDays); these are for figures that follow the real one.
using CalendarDate = std::chrono::year_month_day;

enum class DateTextError
{
    NotADate,   // neither dd/mm/yyyy nor yyyy-mm-dd
    NoSuchDay,  // 31/02/2027, month 13
    OutOfYears, // before year 1 or after year 9999
};

// "dd/mm/yyyy" as the window writes dates, or ISO "yyyy-mm-dd"; day and
// month take one or two digits, the year four.
Result<CalendarDate, DateTextError> readCalendarDate(std::string_view text);

// The days from start to end, both included: the same day twice is 1. The
// end must not lie before the start.
std::int64_t daysFromTo(CalendarDate start, CalendarDate end);

// The date a number of days after another (0: the same date); OutOfYears
// past year 9999.
Result<CalendarDate, DateTextError> daysAfter(CalendarDate date, std::int64_t days);

std::string isoDateText(CalendarDate date);    // "2027-02-28"
std::string windowDateText(CalendarDate date); // "28/02/2027"

} // namespace veltrane
