// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// The largest key rate the exact figures take: 10^15 keys per second.
inline constexpr std::uint64_t LargestExactKeyRate = 1'000'000'000'000'000;

enum class RateTextError
{
    NotARate,       // the text is no key rate in any form
    ZeroOrBelow,    // a rate of 0 or a negative one
    TooLarge,       // above LargestExactKeyRate
    FractionOfAKey, // "1.2345k": keys are counted whole
};

// A key rate as people have it, in keys per second, from 1 to
// LargestExactKeyRate:
// - as typed in the window: digits with "," or "." grouping marks between
//   them, every mark a grouping mark ("2.296.988", "641,440", "641440");
// - as the key-search client prints it: "[2,296,988 keys/sec]",
//   "2,296,988 keys/s", grouped also with blanks or no-break spaces
//   ("2 296 988"); "key/s" and "keys/sec" alike;
// - with a unit prefix k, M, G or T (10^3 ... 10^12), alone or before
//   "keys/s": "40 Gkeys/s", "5.04 Mkeys/sec", "750M", "1.5G". Here "." is
//   the decimal point and "," groups.
// A blank or no-break space groups only before three digits, as does ","
// in a rate with a unit, so "40 50" is no rate.
Result<std::uint64_t, RateTextError> readRateText(std::string_view text);

// The text of the last key rate in a client's log or benchmark output (the
// number before the last "keys/s" or "keys/sec" that reads as a rate, 0
// included), or nothing when there is none.
std::optional<std::string> lastRateTextIn(std::string_view log);

// A rate as the window writes one: "2.296.988".
std::string windowRateText(std::uint64_t keysPerSecond);

// A rate with the largest unit prefix that keeps it exact: "2.296988 Mkeys/s",
// "40 Gkeys/s", "999 keys/s".
std::string unitRateText(std::uint64_t keysPerSecond);

} // namespace veltrane
