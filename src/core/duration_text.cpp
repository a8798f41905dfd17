// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/duration_text.h"

namespace veltrane {
namespace {

std::string twoDigits(std::uint64_t value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string DurationText(std::int64_t Seconds, bool ShowDays, bool ShowWeeks, bool InMilliseconds,
                         bool ShowMilliseconds)
{
    // Work on the magnitude, so the most negative count has a text too.
    std::uint64_t count =
        Seconds < 0 ? 0 - static_cast<std::uint64_t>(Seconds) : static_cast<std::uint64_t>(Seconds);
    std::uint64_t milliseconds = 0;
    if (InMilliseconds) {
        milliseconds = count % 1000;
        count /= 1000;
    }
    std::uint64_t hours = count / 3600;
    std::uint64_t minutes = (count - hours * 3600) / 60;
    std::uint64_t seconds = count - hours * 3600 - minutes * 60;

    std::uint64_t days = 0;
    if (ShowDays) {
        days = hours / 24;
        hours -= days * 24;
    }
    std::uint64_t weeks = 0;
    std::string text = Seconds < 0 ? "-" : "";
    if (ShowWeeks) {
        weeks = days / 7;
        days -= weeks * 7;
        std::uint64_t months = weeks / 4;
        if (months != 0) {
            weeks -= months * 4;
            text += std::to_string(months) + " Months ";
        }
        text += std::to_string(weeks) + " Weeks ";
    }
    if (ShowDays)
        text += std::to_string(days) + " Days ";
    text += std::to_string(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
    if (ShowMilliseconds)
        text += ":" + std::to_string(milliseconds);
    return text;
}

} // namespace veltrane
