// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrane::cli {

// The whole of veltrane-cli: reads the command line, prints the answer on
// standard output, or one line on standard error and returns 2.
int runCli(int argc, char** argv);

} // namespace veltrane::cli
