// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <QString>

namespace veltrane {

// Why the number of work units in the buffer could not be read.
QString unreadableCountMessage(CalcError error);

// Why the CPU hours a day could not be reckoned with.
QString unusableCpuHoursMessage(CalcError error);

// The working time is beyond what the program can calculate with.
QString workingTimeOutOfRangeMessage();

} // namespace veltrane
