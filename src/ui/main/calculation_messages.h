// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <QString>

namespace veltrane {

// The field a calculation starts from, as its messages name it.
enum class GivenRate
{
    KeyRate,
    WusPerHour,
    WusPerDay,
};

// Why the given field could not be read: "The key rate is not a number!".
QString unreadableMessage(GivenRate given, CalcError error);

// Why the figures of a readable rate could not be worked out.
QString outOfRangeMessage(CalcError error);

// A key rate of 0, and one below the lowest key rate, which the main window
// and Buff-In both refuse; the field then shows the lowest key rate.
QString zeroKeysMessage();
QString keyRateTooLowMessage();
QString lowestKeyRateText();

} // namespace veltrane
