// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the date texts, CountDays and the date-span figures.
//
// Input layout: lines separated by "\n" (a missing line is an empty text,
// lines after the seventh are ignored):
//   1. start date text        ("02/04/2004")
//   2. end date text          ("11/04/2004")
//   3. a third date text, for the properties that need three dates
//   4. CPU hours text         ("5")
//   5. done work units text   ("12")
//   6. seconds of one work unit, as fixed-point number text ("6695,8208");
//      an unreadable text stands for 3600
//   7. check boxes: a "c" anywhere reckons with CPU time, a "d" adds the done
//      work units
//
// Properties: a date to itself counts 1 day; swapping the dates mirrors the
// count around 1; counts add up over a middle date; where the end lies in the
// start month or one of the eleven months after it, the count is the day
// count of the 365-day calendar, worked out here step by step in 32-bit
// arithmetic that fails on any overflow; and the date-span figures stop at
// the failures and keep the rules of the date-span calculation.
#include "core/date_span.h"
#include "core/day_count.h"
#include "core/number_text.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace veltrane;

namespace {

std::string g_input; // for the report of a broken property

#define CHECK(condition) FUZZ_CHECK(condition, g_input)

struct Date
{
    std::int32_t day;
    std::int32_t month;
    std::int32_t year;
};

// The date as the user sees it: parts between "/", the first three taken,
// an empty or missing part standing for 1, 1 and 2003.
std::optional<Date> partsOf(std::string_view text)
{
    std::vector<std::string_view> parts;
    if (!text.empty()) {
        std::size_t from = 0;
        while (true) {
            std::size_t slash = text.find('/', from);
            parts.push_back(
                text.substr(from, slash == std::string_view::npos ? slash : slash - from));
            if (slash == std::string_view::npos)
                break;
            from = slash + 1;
        }
    }
    parts.resize(3);
    const std::int32_t defaults[] = {1, 1, 2003};
    std::int32_t values[3];
    for (int i = 0; i < 3; ++i) {
        if (parts[i].empty()) {
            values[i] = defaults[i];
            continue;
        }
        Result<std::int32_t> value = readWhole32(parts[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return Date{values[0], values[1], values[2]};
}

// Sums of month lengths over a range of month numbers; months outside 1 to
// 12 have none, so the range is cut to them.
std::int32_t monthSum(std::int64_t from, std::int64_t to)
{
    std::int32_t sum = 0;
    for (std::int64_t m = std::max<std::int64_t>(from, 1); m <= std::min<std::int64_t>(to, 12); ++m)
        sum += DaysInMonth(static_cast<std::int32_t>(m));
    return sum;
}

// 32-bit arithmetic where an overflow poisons the result.
struct Int32
{
    std::optional<std::int32_t> value;
    Int32(std::int32_t v) : value(v) {}
    Int32(std::optional<std::int32_t> v) : value(v) {}
};
Int32 operator+(Int32 a, Int32 b)
{
    std::int32_t sum;
    if (!a.value || !b.value || __builtin_add_overflow(*a.value, *b.value, &sum))
        return Int32(std::nullopt);
    return Int32(sum);
}
Int32 operator-(Int32 a, Int32 b)
{
    std::int32_t difference;
    if (!a.value || !b.value || __builtin_sub_overflow(*a.value, *b.value, &difference))
        return Int32(std::nullopt);
    return Int32(difference);
}

// The count for an end in the start month or one of the eleven months after
// it, step by step; nothing when the span is not of that kind.
std::optional<Int32> calendarCount(const Date& s, const Date& e)
{
    auto D = [](std::int32_t m) { return Int32(std::int32_t(DaysInMonth(m))); };
    Int32 head = D(s.month) - Int32(s.day) + Int32(1);
    if (e.year == s.year && e.month >= s.month) {
        Int32 a = Int32(monthSum(std::int64_t(s.month) + 1, e.month));
        a = a + Int32(e.day) - D(e.month);
        return head + a;
    }
    if (std::int64_t(e.year) == std::int64_t(s.year) + 1 && e.month < s.month) {
        Int32 a = Int32(monthSum(std::int64_t(s.month) + 1, 12));
        Int32 b = Int32(monthSum(1, e.month)) - D(e.month) + Int32(e.day);
        return head + a + b;
    }
    return std::nullopt;
}

void checkCounts(const std::string& a, const std::string& b, const std::string& c)
{
    std::optional<Date> da = partsOf(a);
    std::optional<Date> db = partsOf(b);
    Result<std::int32_t> ab = CountDays(a, b);
    // A date that cannot be read fails the count, whichever side it is on.
    if (!da || !db) {
        CHECK(!ab);
        CHECK(!CountDays(b, a));
        return;
    }
    // The days of a month are those of the fixed calendar.
    for (std::int32_t m : {da->month, db->month}) {
        std::int16_t length = DaysInMonth(m);
        CHECK(length == (m == 2                                    ? 28
                         : m < 1 || m > 12                         ? 0
                         : (m == 4 || m == 6 || m == 9 || m == 11) ? 30
                                                                   : 31));
    }

    std::optional<Int32> expected = calendarCount(*da, *db);
    if (expected) {
        CHECK(ab.ok() == expected->value.has_value());
        if (ab)
            CHECK(*ab == *expected->value);
    }

    Result<std::int32_t> aa = CountDays(a, a);
    if (aa)
        CHECK(*aa == 1);
    // The head of a readable date overflows only for days near the 32-bit limits.
    if (da->day > -2000000000)
        CHECK(aa);

    Result<std::int32_t> ba = CountDays(b, a);
    if (ab && ba)
        CHECK(std::int64_t(*ab) + *ba == 2);
    // Dates a few years apart always have a count both ways.
    bool near = std::abs(std::int64_t(da->year) - db->year) < 1000000 &&
                std::abs(std::int64_t(da->day) - db->day) < 1000000 && da->day > -2000000000 &&
                db->day > -2000000000 && da->day < 2000000000 && db->day < 2000000000;
    if (near) {
        CHECK(ab);
        CHECK(ba);
    }

    Result<std::int32_t> bc = CountDays(b, c);
    Result<std::int32_t> ac = CountDays(a, c);
    if (ab && bc && ac)
        CHECK(std::int64_t(*ab) + *bc - 1 == *ac);
}

void checkDateSpan(const std::vector<std::string>& line)
{
    DateSpanInputs inputs;
    Result<Fixed> seconds = readFixed(line[5]);
    inputs.secondsPerWu = seconds ? *seconds : Fixed::fromUnits(36000000);
    inputs.cpuHoursText = line[3];
    inputs.startText = line[0];
    inputs.endText = line[1];
    inputs.reckonWithCpuTime = line[6].find('c') != std::string::npos;
    inputs.doneText = line[4];
    inputs.addDone = line[6].find('d') != std::string::npos;

    DateSpanFigures figures = computeDateSpan(inputs);
    Result<std::int32_t> hours = readWhole32(inputs.cpuHoursText);
    Result<std::int32_t> days = CountDays(inputs.startText, inputs.endText);

    // Before the first calculation, or with unreadable CPU hours, nothing changes.
    if (inputs.secondsPerWu.isZero() || !hours) {
        CHECK(!figures.amount && !figures.span && !figures.spanWithDone && !figures.days);
        CHECK(!figures.doneBecomesZero);
        return;
    }
    CHECK(figures.amount);
    Result<double> amount = readNumber(*figures.amount);
    CHECK(amount);
    double perHour = 3600 / inputs.secondsPerWu.toDouble();
    double exactAmount = perHour * *hours;
    CHECK(std::fabs(*amount - exactAmount) <= 0.005 + std::fabs(exactAmount) * 1e-14);

    // An unreadable date leaves only the amount written.
    if (!days) {
        CHECK(!figures.span && !figures.spanWithDone && !figures.days && !figures.doneBecomesZero);
        return;
    }
    CHECK(figures.span);
    Result<double> span = readNumber(*figures.span);
    CHECK(span);
    double exactSpan = *days * (86400 / inputs.secondsPerWu.toDouble());
    if (inputs.reckonWithCpuTime)
        exactSpan *= *hours / 24.0;
    CHECK(std::fabs(*span - exactSpan) <= 0.005 + std::fabs(exactSpan) * 1e-14);
    if (std::fabs(exactSpan) < 1e12) {
        std::size_t comma = figures.span->find(',');
        CHECK(comma == std::string::npos || figures.span->size() - comma - 1 <= 2);
    }
    // With 24 CPU hours reckoning with CPU time changes nothing.
    if (*hours == 24) {
        DateSpanInputs allDay = inputs;
        allDay.reckonWithCpuTime = !inputs.reckonWithCpuTime;
        CHECK(computeDateSpan(allDay).span == figures.span);
    }

    CHECK(figures.doneBecomesZero == (inputs.doneText.empty() || inputs.doneText == " "));
    std::string doneText = figures.doneBecomesZero ? "0" : inputs.doneText;
    Result<std::int32_t> done = readWhole32(doneText);
    if (!inputs.addDone) {
        CHECK(!figures.spanWithDone);
        CHECK(figures.days && *figures.days == *days);
        return;
    }
    // Done work units that cannot be read stop before the day count.
    if (!done) {
        CHECK(!figures.spanWithDone && !figures.days);
        return;
    }
    CHECK(figures.spanWithDone && figures.days && *figures.days == *days);
    Result<double> withDone = readNumber(*figures.spanWithDone);
    CHECK(withDone);
    double exactWithDone = *done + *span;
    CHECK(std::fabs(*withDone - exactWithDone) <= std::fabs(exactWithDone) * 1e-14);
    CHECK(dayCountCaption(*days) == "WU's after " + std::to_string(*days) + " days");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    g_input.assign(input);
    std::vector<std::string> line = fuzz::inputLines(input, 7);
    checkCounts(line[0], line[1], line[2]);
    checkDateSpan(line);
    return 0;
}
