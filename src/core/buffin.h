// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fixed_point.h"
#include "core/result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrane {

// The smallest buffer the Buff-In calculation takes, in work units.
inline constexpr std::int32_t SmallestBuffer = 10;

// What the Buff-In calculation reads: the buffer size from its own window,
// the key rate, CPU-time check box and CPU hours from the main window.
struct BuffInInputs
{
    std::int32_t wuCount = 0;
    double keyRate = 0;      // keys per second, at least 10,000
    std::string keyRateText; // as the main window shows it
    bool reckonWithCpuTime = false;
    std::string cpuHoursText; // read only when reckoning with CPU time
};

// The number of work units in the buffer, as a whole 32-bit number. A
// number below the range counts as the smallest one: it is below the
// smallest buffer all the same.
Result<std::int32_t> readBuffInCount(std::string_view text);

// The key rate typed in the main window, grouping marks removed.
Result<double> readBuffInKeyRate(std::string_view text);

// The CPU hours a day from the main window, as a whole 32-bit number.
// Refused when the text is not a number, beyond the range, or reads as 0,
// for they divide the time.
Result<std::int32_t> readBuffInCpuHours(std::string_view text);

// The checks of a Buff-In calculation, in the order the window makes them.
// Each refusal stops the checks; a count below the smallest buffer does not.
enum class BuffInOutcome
{
    Accepted,
    CountUnreadable,   // the count is not a whole 32-bit number
    KeyRateUnreadable, // the key rate does not read
    ZeroKeys,          // the key rate is 0
    KeyRateTooLow,     // the key rate is below LowestKeyRate
    CpuHoursUnusable,  // reckoning with CPU hours that do not read, or read as 0
};

struct BuffInCheck
{
    BuffInOutcome outcome = BuffInOutcome::Accepted;
    // Why the refused count, key rate or CPU hours did not read.
    CalcError error = CalcError::NotANumber;
    // The count was below the smallest buffer and is raised to it.
    bool countRaised = false;
    // The count as raised and the rest as read; whole once accepted.
    BuffInInputs inputs;
};

// Checks the texts of a Buff-In calculation: the count of its own window, the
// key rate, CPU-time check box and CPU hours of the main window.
BuffInCheck checkBuffIn(std::string_view countText, std::string_view keyRateText,
                        bool reckonWithCpuTime, std::string_view cpuHoursText);

// The working time to empty the buffer, in seconds. Refused when the CPU
// hours count and do not read (see readBuffInCpuHours), or when the time is
// beyond the fixed-point range.
Result<Fixed> buffInWorkingTime(const BuffInInputs& inputs);

// The sentence that answers how long emptying the buffer takes.
Result<std::string> buffInSentence(const BuffInInputs& inputs);

} // namespace veltrane
