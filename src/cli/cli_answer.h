// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_request.h"
#include "core/calendar_date.h"
#include "core/exact_rate.h"
#include "core/result.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace veltrane::cli {

// The moment the answer is worked out for: the clock and the local date.
struct Moment
{
    std::chrono::sys_seconds now;
    CalendarDate today;
    // The local time of an instant, in ISO form with its offset.
    std::function<std::string(std::chrono::sys_seconds)> localTimeText;
};

// Why a file named on the command line could not be read.
struct FileError
{
    std::string reason;
};

// Reads a file named on the command line ("-" is standard input).
using FileReader = std::function<Result<std::string, FileError>(const std::string& name)>;

struct SpanAnswer
{
    CalendarDate from;
    CalendarDate to;
    std::int64_t days = 0;
    Fraction wus;
};

struct BufferAnswer
{
    std::uint64_t wus = 0;
    Fraction seconds;
    Wide wholeSeconds = 0;
    std::string emptyAt; // local time, ISO
};

struct LastAnswer
{
    std::int64_t days = 0;
    Wide wus = 0;
};

struct TargetAnswer
{
    std::uint64_t wus = 0;
    Wide days = 0;          // from the start day on, that day included; 0 when already reached
    CalendarDate start;     // --from, or today
    CalendarDate reachedOn; // the start date when already reached
};

// Everything the command line asked for, worked out.
struct CliAnswer
{
    std::uint64_t keyRate = 0;
    std::size_t rateCount = 0; // rates added up, the one from a file included
    std::uint64_t times = 1;
    HoursPerDay hours;
    std::optional<std::string> hoursText; // as read, "." decimal, when given
    std::optional<std::uint64_t> done;
    std::optional<SpanAnswer> span;
    std::optional<BufferAnswer> buffer;
    std::optional<LastAnswer> last;
    std::optional<TargetAnswer> target;
    std::optional<std::string> summary;
    bool json = false;
};

// A refusal: one line that names the argument and says what it takes.
struct UsageError
{
    std::string message;
};

Result<CliAnswer, UsageError> answerFor(const CliRequest& request, const Moment& moment,
                                        const FileReader& readFile);

} // namespace veltrane::cli
