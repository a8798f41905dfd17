// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrane {

// Turns the signals a desktop session or a shutdown sends to end a program
// (SIGTERM, SIGHUP, SIGINT) into an orderly quit of the application, so the
// windows can still store what they hold. Safe to call more than once.
void quitApplicationOnTerminationSignals();

} // namespace veltrane
