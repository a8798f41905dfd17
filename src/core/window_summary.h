// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <string>

namespace veltrane {

// What a user types into the main window before "Calculate from here" and
// "2 Line Text": the texts of the fields and the two check boxes that are
// set by hand. "Rekcon with CPU time" follows the CPU hours, as the window
// ticks it itself when they change.
struct WindowEntries
{
    std::string keyRate;  // txtKeys
    std::string cpuHours; // txtCpu
    std::string start;    // txtStart
    std::string end;      // txtEnd
    std::string done;     // txtWuDone
    bool addDone = false; // chkDone
    bool showMs = false;  // chkShowMs
};

enum class WindowSummaryError
{
    KeyRateUnreadable, // the window refuses the key rate with a message
    KeyRateTooLow,     // the window would put 10.000 in its place
    KeyRateTooHigh,    // the time of one work unit rounds to 0 there
    FiguresIncomplete, // the date span stops short (a date or count it cannot read)
};

// The two-line summary the window puts on the clipboard after a calculation
// from the key rate with these entries, worked out by the window's own
// arithmetic: its rounded time of one work unit, its 365-day calendar.
Result<std::string, WindowSummaryError> windowSummary(const WindowEntries& entries);

} // namespace veltrane
