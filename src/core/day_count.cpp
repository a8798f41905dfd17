#include "core/day_count.h"

#include "core/number_text.h"

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

// Days of the year before the first day of a month; a month below 1 has
// none before it, a month above 12 comes after the whole year.
std::int64_t daysBeforeMonth(std::int32_t month)
{
    std::int64_t days = 0;
    for (std::int32_t m = 1; m < month && m <= 12; ++m)
        days += DaysInMonth(m);
    return days;
}

// A running day number on the 365-day calendar; only differences matter.
std::int64_t dayNumber(const Date& date)
{
    return static_cast<std::int64_t>(date.year) * 365 + daysBeforeMonth(date.month) + date.day;
}

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
    std::int64_t days = dayNumber(*end) - dayNumber(*start) + 1;
    if (days < std::numeric_limits<std::int32_t>::min() ||
        days > std::numeric_limits<std::int32_t>::max())
        return CalcError::OutOfRange;
    return static_cast<std::int32_t>(days);
}

} // namespace veltrane
