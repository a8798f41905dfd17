// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar_date.h"

#include <array>
#include <cstdio>

namespace veltrane {
namespace {

using namespace std::chrono;

constexpr year FirstYear{1};
constexpr year LastYear{9999};

// A number of one to `most` digits and nothing else; -1 otherwise.
int digitsValue(std::string_view text, std::size_t fewest, std::size_t most)
{
    if (text.size() < fewest || text.size() > most)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The text split at a separator into exactly three parts.
bool splitThree(std::string_view text, char separator, std::array<std::string_view, 3>& parts)
{
    for (std::size_t i = 0; i < 2; ++i) {
        std::size_t at = text.find(separator);
        if (at == std::string_view::npos)
            return false;
        parts[i] = text.substr(0, at);
        text.remove_prefix(at + 1);
    }
    parts[2] = text;
    return text.find(separator) == std::string_view::npos;
}

bool withinYears(year y)
{
    return y >= FirstYear && y <= LastYear;
}

} // namespace

Result<CalendarDate, DateTextError> readCalendarDate(std::string_view text)
{
    std::array<std::string_view, 3> parts;
    int d = -1;
    int m = -1;
    int y = -1;
    if (splitThree(text, '/', parts)) {
        d = digitsValue(parts[0], 1, 2);
        m = digitsValue(parts[1], 1, 2);
        y = digitsValue(parts[2], 4, 4);
    } else if (splitThree(text, '-', parts)) {
        y = digitsValue(parts[0], 4, 4);
        m = digitsValue(parts[1], 1, 2);
        d = digitsValue(parts[2], 1, 2);
    }
    if (d < 0 || m < 0 || y < 0)
        return DateTextError::NotADate;
    CalendarDate date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!withinYears(date.year()))
        return DateTextError::OutOfYears;
    if (!date.ok())
        return DateTextError::NoSuchDay;
    return date;
}

std::int64_t daysFromTo(CalendarDate start, CalendarDate end)
{
    return (sys_days(end) - sys_days(start)).count() + 1;
}

Result<CalendarDate, DateTextError> daysAfter(CalendarDate date, std::int64_t days)
{
    // Far beyond any date the calendar here takes; keeps the sum in range.
    if (days < 0 || days > 4'000'000)
        return DateTextError::OutOfYears;
    CalendarDate later{sys_days(date) + std::chrono::days(days)};
    if (!withinYears(later.year()))
        return DateTextError::OutOfYears;
    return later;
}

std::string isoDateText(CalendarDate date)
{
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02u-%02u", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()));
    return text.data();
}

std::string windowDateText(CalendarDate date)
{
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02u/%02u/%04d", unsigned(date.day()),
                  unsigned(date.month()), int(date.year()));
    return text.data();
}

} // namespace veltrane
