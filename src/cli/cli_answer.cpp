// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_answer.h"

#include "core/number_text.h"
#include "core/rate_text.h"
#include "core/window_summary.h"
#include "core/work_unit_rate.h"

#include <string_view>

namespace veltrane::cli {
namespace {

using std::chrono::sys_days;
using std::chrono::sys_seconds;

constexpr std::int64_t MostLastDays = 3'650'000;

UsageError refused(std::string_view argument, std::string_view accepted)
{
    return {"veltrane-cli: " + std::string(argument) + ": " + std::string(accepted)};
}

UsageError refused(std::string_view argument, std::string_view value, std::string_view accepted)
{
    return refused(std::string(argument) + " '" + std::string(value) + "'", accepted);
}

std::string rateProblem(RateTextError error)
{
    switch (error) {
    case RateTextError::ZeroOrBelow:
        return "a key rate must be above 0 keys/s";
    case RateTextError::TooLarge:
        return "a key rate must be at most 10^15 keys/s (1000 Tkeys/s)";
    case RateTextError::FractionOfAKey:
        return "keys come whole: give a whole number of keys per second";
    case RateTextError::NotARate:
        break;
    }
    return "not a key rate; give keys per second, as 2.296.988, '[2,296,988 keys/sec]', "
           "'40 Gkeys/s' or 1.5G";
}

std::string dateProblem(DateTextError error)
{
    switch (error) {
    case DateTextError::NoSuchDay:
        return "there is no such day";
    case DateTextError::OutOfYears:
        return "give a year from 0001 to 9999";
    case DateTextError::NotADate:
        break;
    }
    return "not a date; give dd/mm/yyyy or yyyy-mm-dd, as 31/12/2027 or 2027-12-31";
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A whole count: digits, with "." or "," between digits as grouping marks.
// A count too large for 64 bits reads as the largest one.
std::optional<std::uint64_t> readWholeCount(std::string_view text)
{
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c))
            digits += c;
        else if ((c != '.' && c != ',') || i == 0 || i + 1 == text.size() ||
                 !isDigit(text[i - 1]) || !isDigit(text[i + 1]))
            return std::nullopt;
    }
    if (digits.empty())
        return std::nullopt;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > 19)
        return UINT64_MAX;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (value > (UINT64_MAX - 9) / 10)
            return UINT64_MAX;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

Result<std::uint64_t, UsageError> countArgument(std::string_view argument, std::string_view text,
                                                std::uint64_t fewest, std::uint64_t most,
                                                std::string_view what)
{
    std::optional<std::uint64_t> count = readWholeCount(text);
    if (!count || *count < fewest || *count > most)
        return refused(argument, text,
                       std::string(what) + ": a whole number from " + std::to_string(fewest) +
                           " to " + std::to_string(most));
    return *count;
}

// Hours a day: up to two whole digits and up to four decimals after "." or
// ",", above 0 and at most 24.
std::optional<HoursPerDay> readHours(std::string_view text)
{
    std::size_t mark = text.find_first_of(".,");
    std::string_view whole = text.substr(0, mark);
    std::string_view fraction =
        mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
    auto allDigits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || whole.size() > 2 || !allDigits(whole) || !allDigits(fraction) ||
        fraction.size() > 4 || (mark != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    HoursPerDay hours{0, 1};
    for (char c : std::string(whole) + std::string(fraction))
        hours.hours = hours.hours * 10 + static_cast<std::uint64_t>(c - '0');
    for (std::size_t i = 0; i < fraction.size(); ++i)
        hours.per *= 10;
    if (hours.hours == 0 || hours.hours > 24 * hours.per)
        return std::nullopt;
    return hours;
}

// Arguments without a digit continue the rate before them, so that
// `veltrane-cli 40 Gkeys/s` and an unquoted "[2,296,988 keys/sec]" read as
// one rate each.
std::vector<std::string> joinedRates(const std::vector<std::string>& arguments)
{
    std::vector<std::string> rates;
    for (const std::string& argument : arguments) {
        bool hasDigit = argument.find_first_of("0123456789") != std::string::npos;
        if (!hasDigit && !rates.empty())
            rates.back() += " " + argument;
        else
            rates.push_back(argument);
    }
    return rates;
}

Result<CalendarDate, UsageError> dateArgument(std::string_view argument, const std::string& text)
{
    Result<CalendarDate, DateTextError> date = readCalendarDate(text);
    if (!date)
        return refused(argument, text, dateProblem(date.error()));
    return *date;
}

struct Rates
{
    std::uint64_t total = 0;
    std::size_t count = 0;
    std::uint64_t times = 1;
    std::optional<std::string> onlyText; // the one rate typed, when it is the only one
};

Result<Rates, UsageError> readRates(const CliRequest& request, const FileReader& readFile)
{
    Rates rates;
    const std::vector<std::string> texts = joinedRates(request.rates);
    for (const std::string& text : texts) {
        Result<std::uint64_t, RateTextError> rate = readRateText(text);
        if (!rate)
            return refused("RATE", text, rateProblem(rate.error()));
        rates.total += *rate;
        ++rates.count;
        if (rates.total > LargestExactKeyRate)
            return refused("RATE", "the rates add up to more than 10^15 keys/s");
    }
    if (texts.size() == 1)
        rates.onlyText = texts.front();

    if (request.ratesFrom) {
        const std::string& name = *request.ratesFrom;
        Result<std::string, FileError> log = readFile(name);
        if (!log)
            return refused("--rates-from", name, "cannot read it: " + log.error().reason);
        std::optional<std::string> found = lastRateTextIn(*log);
        if (!found)
            return refused("--rates-from", name,
                           "no key rate in it; the client writes them as [2,296,988 keys/sec]");
        Result<std::uint64_t, RateTextError> rate = readRateText(*found);
        if (!rate)
            return refused("--rates-from", name,
                           "its last rate, '" + *found + "': " + rateProblem(rate.error()));
        rates.total += *rate;
        ++rates.count;
        rates.onlyText.reset();
        if (rates.total > LargestExactKeyRate)
            return refused("--rates-from", name, "the rates add up to more than 10^15 keys/s");
    }
    if (rates.count == 0)
        return refused("RATE", "no key rate given; give one or more key rates, or --rates-from "
                               "FILE (see --help)");

    if (request.times) {
        Result<std::uint64_t, UsageError> times =
            countArgument("--times", *request.times, 1, LargestExactKeyRate, "how many crunchers");
        if (!times)
            return times.error();
        if (Wide(rates.total) * *times > LargestExactKeyRate)
            return refused("--times", *request.times,
                           "the key rate times this is more than 10^15 keys/s");
        rates.total *= *times;
        rates.times = *times;
        rates.onlyText.reset();
    }
    return rates;
}

// The options that only make sense together.
std::optional<UsageError> contradiction(const CliRequest& request)
{
    if (request.to && !request.from)
        return refused("--to", *request.to, "needs --from, the first day of the span");
    if (request.from && !request.to && !request.target)
        return refused("--from", *request.from,
                       "needs --to, the last day of the span, or --target");
    if (request.done && !request.from && !request.target)
        return refused("--done", *request.done,
                       "is added to the span of --from and --to or counted toward --target; "
                       "give one of them");
    if (request.ms && !request.summary)
        return refused("--ms", "shows the time of one work unit with milliseconds in --summary; "
                               "add --summary");
    if (request.summary && !(request.from && request.to))
        return refused("--summary", "needs --from and --to: the second line names both dates");
    if (request.summary && !request.json) {
        for (const auto& [name, given] :
             {std::pair{"--buffer", bool(request.buffer)}, std::pair{"--last", bool(request.last)},
              std::pair{"--target", bool(request.target)}})
            if (given)
                return refused(name, "is not in the two-line summary; leave out --summary, or "
                                     "add --json to have both");
    }
    return std::nullopt;
}

Result<std::string, UsageError> summaryFor(const CliRequest& request, const CliAnswer& answer,
                                           const Rates& rates)
{
    WindowEntries entries;
    // The rate as typed, where the window reads it as the same rate.
    entries.keyRate = windowRateText(answer.keyRate);
    if (rates.onlyText) {
        Result<Fixed> typed = readKeyRate(*rates.onlyText);
        if (typed && typed->units() == static_cast<std::int64_t>(answer.keyRate) * 10000)
            entries.keyRate = *rates.onlyText;
    }
    entries.cpuHours =
        answer.hoursText ? groupedText(roundedDecimal({answer.hours.hours, answer.hours.per}, 4, 0))
                         : "24";
    entries.start = windowDateText(answer.span->from);
    entries.end = windowDateText(answer.span->to);
    entries.done = answer.done ? std::to_string(*answer.done) : "0";
    entries.addDone = answer.done.has_value();
    entries.showMs = request.ms;

    Result<std::string, WindowSummaryError> summary = windowSummary(entries);
    if (summary)
        return *summary;
    switch (summary.error()) {
    case WindowSummaryError::KeyRateTooLow:
        return refused("--summary", "the window's figures start at a key rate of 10.000 keys/s");
    case WindowSummaryError::KeyRateTooHigh:
        return refused("--summary", "the window's time of one work unit rounds to 0 at this "
                                    "key rate; it takes rates up to 85.899.345.920.000 keys/s");
    case WindowSummaryError::FiguresIncomplete:
        if (request.done)
            return refused("--done", *request.done,
                           "the window adds done work units up to 2147483647 only");
        break;
    case WindowSummaryError::KeyRateUnreadable:
        break;
    }
    return refused("--summary", "the window cannot work out these figures");
}

} // namespace

Result<CliAnswer, UsageError> answerFor(const CliRequest& request, const Moment& moment,
                                        const FileReader& readFile)
{
    Result<Rates, UsageError> rates = readRates(request, readFile);
    if (!rates)
        return rates.error();
    if (std::optional<UsageError> error = contradiction(request))
        return *error;

    CliAnswer answer;
    answer.json = request.json;
    answer.keyRate = rates->total;
    answer.rateCount = rates->count;
    answer.times = rates->times;

    if (request.hours) {
        std::optional<HoursPerDay> hours = readHours(*request.hours);
        if (!hours)
            return refused("--hours", *request.hours,
                           "CPU hours a day: above 0 and at most 24, as 8 or 7.5");
        answer.hours = *hours;
        answer.hoursText = plainText(roundedDecimal({hours->hours, hours->per}, 4, 0));
    }
    if (request.done) {
        Result<std::uint64_t, UsageError> done =
            countArgument("--done", *request.done, 0, LargestWuCount, "work units already done");
        if (!done)
            return done.error();
        answer.done = *done;
    }

    if (request.from && request.to) {
        Result<CalendarDate, UsageError> from = dateArgument("--from", *request.from);
        if (!from)
            return from.error();
        Result<CalendarDate, UsageError> to = dateArgument("--to", *request.to);
        if (!to)
            return to.error();
        if (sys_days(*to) < sys_days(*from))
            return refused("--to", *request.to,
                           "the span ends before it starts (--from '" + *request.from + "')");
        SpanAnswer span{*from, *to, daysFromTo(*from, *to), {}};
        span.wus = wusOverDays(answer.keyRate, span.days, answer.hours, answer.done.value_or(0));
        answer.span = span;
    }

    if (request.buffer) {
        Result<std::uint64_t, UsageError> wus = countArgument(
            "--buffer", *request.buffer, 1, LargestWuCount, "work units in the buffer");
        if (!wus)
            return wus.error();
        BufferAnswer buffer{*wus, bufferSeconds(answer.keyRate, *wus, answer.hours), 0, {}};
        buffer.wholeSeconds = roundedWhole(buffer.seconds);
        const sys_seconds lastSecond =
            std::chrono::sys_days(std::chrono::year{9999} / 12 / 31) + std::chrono::hours(23);
        const auto left = (lastSecond - moment.now).count();
        if (left < 0 || buffer.wholeSeconds > static_cast<Wide>(left))
            return refused("--buffer", *request.buffer,
                           "lasts past the year 9999 at this key rate; give fewer work units");
        buffer.emptyAt = moment.localTimeText(
            moment.now + std::chrono::seconds(static_cast<std::int64_t>(buffer.wholeSeconds)));
        answer.buffer = buffer;
    }

    if (request.last) {
        Result<std::uint64_t, UsageError> days =
            countArgument("--last", *request.last, 1, MostLastDays, "days the buffer lasts");
        if (!days)
            return days.error();
        auto whole = static_cast<std::int64_t>(*days);
        answer.last = LastAnswer{whole, wusForDays(answer.keyRate, whole, answer.hours)};
    }

    if (request.target) {
        Result<std::uint64_t, UsageError> wus =
            countArgument("--target", *request.target, 1, LargestWuCount, "work units to reach");
        if (!wus)
            return wus.error();
        TargetAnswer target;
        target.wus = *wus;
        target.start = answer.span ? answer.span->from : moment.today;
        if (request.from && !answer.span) {
            Result<CalendarDate, UsageError> from = dateArgument("--from", *request.from);
            if (!from)
                return from.error();
            target.start = *from;
        }
        target.reachedOn = target.start;
        const std::uint64_t done = answer.done.value_or(0);
        if (done < *wus) {
            target.days = daysForWus(answer.keyRate, *wus - done, answer.hours);
            Result<CalendarDate, DateTextError> reached =
                target.days > static_cast<Wide>(MostDays)
                    ? Result<CalendarDate, DateTextError>(DateTextError::OutOfYears)
                    : daysAfter(target.start, static_cast<std::int64_t>(target.days) - 1);
            if (!reached)
                return refused("--target", *request.target,
                               "is not reached before the year 10000 at this key rate");
            target.reachedOn = *reached;
        }
        answer.target = target;
    }

    if (request.summary) {
        Result<std::string, UsageError> summary = summaryFor(request, answer, *rates);
        if (!summary)
            return summary.error();
        answer.summary = *summary;
    }
    return answer;
}

} // namespace veltrane::cli
