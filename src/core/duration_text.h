// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace veltrane {

// A length of time as hours:minutes:seconds ("1:05:09"), optionally led by
// days, weeks and 4-week months and followed by milliseconds. Seconds holds
// milliseconds when InMilliseconds is set. A negative count gives "-" and
// the text of its absolute value.
std::string DurationText(std::int64_t Seconds, bool ShowDays, bool ShowWeeks, bool InMilliseconds,
                         bool ShowMilliseconds);

} // namespace veltrane
