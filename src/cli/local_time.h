// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calendar_date.h"

#include <chrono>
#include <string>

namespace veltrane::cli {

// The local time of an instant in ISO form with its offset from UTC:
// "2027-01-22T03:04:05+01:00".
std::string localIsoTime(std::chrono::sys_seconds instant);

// The local date of an instant.
CalendarDate localDate(std::chrono::sys_seconds instant);

} // namespace veltrane::cli
