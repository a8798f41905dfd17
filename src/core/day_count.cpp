// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/day_count.h"

#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <limits>

namespace veltrane {
namespace {

struct Date
{
    std::int32_t day = 1;
    std::int32_t month = 1;
    std::int32_t year = 2003;
};

Result<Date> readDate(std::string_view text)
{
    // Split at every "/"; the first three parts are day, month and year, and
    // a missing or empty part keeps its default.
    std::array<std::string_view, 3> parts{};
    std::size_t index = 0;
    while (!text.empty() && index < parts.size()) {
        std::size_t slash = text.find('/');
        parts[index++] = text.substr(0, slash);
        if (slash == std::string_view::npos)
            break;
        text.remove_prefix(slash + 1);
        if (text.empty() && index < parts.size())
            parts[index++] = text;
    }
    Date date;
    std::int32_t* fields[] = {&date.day, &date.month, &date.year};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].empty())
            continue;
        Result<std::int32_t> value = readWhole32(parts[i]);
        if (!value)
            return value.error();
        *fields[i] = *value;
    }
    return date;
}

// The days of the months from one month number to another, both included;
// months outside 1 to 12 have none, so the range is cut to 1 to 12 first and
// a month typed in the millions costs no more than December.
std::int64_t daysOfMonths(std::int64_t from, std::int64_t to)
{
    std::int64_t days = 0;
    for (std::int64_t m = std::max<std::int64_t>(from, 1); m <= std::min<std::int64_t>(to, 12); ++m)
        days += DaysInMonth(static_cast<std::int32_t>(m));
    return days;
}

// A running day number on the 365-day calendar; only differences matter.
std::int64_t dayNumber(const Date& date)
{
    return static_cast<std::int64_t>(date.year) * 365 +
           daysOfMonths(1, std::int64_t(date.month) - 1) + date.day;
}

// Signed 32-bit arithmetic that remembers an overflow at any step, so a sum
// fails even when a later term would bring it back into the range.
class Sum32
{
public:
    Sum32(std::int64_t value) : m_value(value), m_overflow(!fits(value)) {}

    Sum32 operator+(Sum32 other) const { return combine(other, m_value + other.m_value); }
    Sum32 operator-(Sum32 other) const { return combine(other, m_value - other.m_value); }

    Result<std::int32_t> result() const
    {
        if (m_overflow)
            return CalcError::OutOfRange;
        return static_cast<std::int32_t>(m_value);
    }

private:
    static bool fits(std::int64_t value)
    {
        return value >= std::numeric_limits<std::int32_t>::min() &&
               value <= std::numeric_limits<std::int32_t>::max();
    }
    Sum32 combine(Sum32 other, std::int64_t value) const
    {
        Sum32 sum(value);
        sum.m_overflow = sum.m_overflow || m_overflow || other.m_overflow;
        return sum;
    }

    std::int64_t m_value;
    bool m_overflow;
};

} // namespace

std::int16_t DaysInMonth(std::int32_t month)
{
    switch (month) {
    case 2:
        return 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    default:
        return 0;
    }
}

Result<std::int32_t> CountDays(std::string_view startText, std::string_view endText)
{
    Result<Date> start = readDate(startText);
    if (!start)
        return start.error();
    Result<Date> end = readDate(endText);
    if (!end)
        return end.error();
    const Date& s = *start;
    const Date& e = *end;
    auto D = [](std::int32_t month) { return Sum32(DaysInMonth(month)); };

    // The head: from the start date to the end of its month, both included.
    Sum32 head = D(s.month) - s.day + 1;
    if (e.year == s.year && e.month >= s.month) {
        // The full months after the start month up to the end month, which
        // counts up to the end date only.
        Sum32 rest = Sum32(daysOfMonths(std::int64_t(s.month) + 1, e.month)) + e.day - D(e.month);
        return (head + rest).result();
    }
    if (std::int64_t(e.year) - s.year == 1 && e.month < s.month) {
        // The rest of the start year, then the months of the new year before
        // the end month and the days of the end month up to the end date.
        Sum32 restOfYear = daysOfMonths(std::int64_t(s.month) + 1, 12);
        Sum32 newYear = Sum32(daysOfMonths(1, e.month)) - D(e.month) + e.day;
        return (head + restOfYear + newYear).result();
    }
    // Any other span (an end further ahead, or before the start) counts on
    // the same calendar, whole years of 365 days included; the head comes
    // first here too.
    if (!head.result())
        return CalcError::OutOfRange;
    return Sum32(dayNumber(e) - dayNumber(s) + 1).result();
}

} // namespace veltrane
