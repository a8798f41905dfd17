// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/today.h"

namespace veltrane {

QString dateFieldText(QDate date)
{
    // A format string, unlike the locale's short format, always gives
    // two-digit day and month and a four-digit year.
    return date.toString(u"dd/MM/yyyy");
}

QString todayFieldText()
{
    return dateFieldText(QDate::currentDate());
}

} // namespace veltrane
