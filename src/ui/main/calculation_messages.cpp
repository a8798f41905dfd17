// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/calculation_messages.h"

namespace veltrane {
namespace {

QString fieldName(GivenRate given)
{
    switch (given) {
    case GivenRate::KeyRate:
        return QStringLiteral("The key rate");
    case GivenRate::WusPerHour:
        return QStringLiteral("The number of WU's per hour");
    case GivenRate::WusPerDay:
        break;
    }
    return QStringLiteral("The number of WU's per day");
}

} // namespace

QString unreadableMessage(GivenRate given, CalcError error)
{
    if (error == CalcError::OutOfRange)
        return QStringLiteral("Out of range!\r\n") + fieldName(given) +
               QStringLiteral(" is too large.");
    return fieldName(given) + QStringLiteral(" is not a number!");
}

QString outOfRangeMessage(CalcError error)
{
    if (error == CalcError::TooShort)
        return QStringLiteral("Out of range!\r\n1 WU would take less than 0,0001 seconds.");
    return QStringLiteral("Out of range!\r\n1 WU would take too long to calculate with.");
}

QString zeroKeysMessage()
{
    return QStringLiteral("Zero keys!");
}

QString keyRateTooLowMessage()
{
    return QStringLiteral("To low!\r\nSetted to 10.000");
}

QString lowestKeyRateText()
{
    return QStringLiteral("10.000");
}

} // namespace veltrane
