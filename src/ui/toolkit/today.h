// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace veltrane {

// A date as the date fields hold it and the day count reads it: day, month
// and year with "/" between ("02/04/2004"), whatever the locale.
QString dateFieldText(QDate date);

// Today's date in that form.
QString todayFieldText();

} // namespace veltrane
