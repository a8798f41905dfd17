// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_answer.h"

#include <string>

namespace veltrane::cli {

// Short labelled lines for a person, numbers written as the window writes
// them ("." groups thousands, "," is the decimal separator). Work units show
// two decimals, and a figure below 1 as many more as show three significant
// digits; the time of one work unit shows milliseconds, the same way.
std::string personReport(const CliAnswer& answer);

// One JSON object for scripts: plain numbers, exact to the last of their 15
// significant digits, lengths of time in seconds.
std::string jsonReport(const CliAnswer& answer);

// A length of time in whole seconds as weeks, days and hours:minutes:seconds:
// "3 weeks 0 days 15:04:10".
std::string weeksDaysText(Wide seconds);

} // namespace veltrane::cli
