// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/buffin/buffin_messages.h"

namespace veltrane {

QString unreadableCountMessage(CalcError error)
{
    if (error == CalcError::OutOfRange)
        return QStringLiteral("Out of range!\r\nThe number of WU's is too large.");
    return QStringLiteral("The number of WU's is not a number!");
}

QString unusableCpuHoursMessage(CalcError error)
{
    switch (error) {
    case CalcError::OutOfRange:
        return QStringLiteral("Out of range!\r\nThe CPU time is too large.");
    case CalcError::ZeroCpuHours:
        return QStringLiteral("The CPU time is 0 hours a day!\r\nThe Buff-In would never empty.");
    case CalcError::NotANumber:
    case CalcError::TooShort:
        break;
    }
    return QStringLiteral("The CPU time is not a number!");
}

QString workingTimeOutOfRangeMessage()
{
    return QStringLiteral("Out of range!\r\nEmptying the Buff-In would take too long to "
                          "calculate with.");
}

} // namespace veltrane
