// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/local_time.h"

#include <array>
#include <ctime>

namespace veltrane::cli {
namespace {

std::tm localParts(std::chrono::sys_seconds instant)
{
    std::time_t time = static_cast<std::time_t>(instant.time_since_epoch().count());
    std::tm parts{};
    localtime_r(&time, &parts);
    return parts;
}

} // namespace

std::string localIsoTime(std::chrono::sys_seconds instant)
{
    std::tm parts = localParts(instant);
    std::array<char, 64> text{};
    std::size_t length = std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S%z", &parts);
    std::string result(text.data(), length);
    // strftime writes the offset as +0100; ISO 8601 in its extended form
    // wants +01:00.
    if (result.size() < 5)
        return result;
    std::size_t minutes = result.size() - 2;
    return result.substr(0, minutes) + ':' + result.substr(minutes);
}

CalendarDate localDate(std::chrono::sys_seconds instant)
{
    std::tm parts = localParts(instant);
    return CalendarDate{std::chrono::year{parts.tm_year + 1900},
                        std::chrono::month{static_cast<unsigned>(parts.tm_mon + 1)},
                        std::chrono::day{static_cast<unsigned>(parts.tm_mday)}};
}

} // namespace veltrane::cli
