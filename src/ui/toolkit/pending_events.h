// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrane {

// Lets the windows process what is waiting for them, repaints and queued
// input included, from inside a routine that then goes on.
void DoEvents();

} // namespace veltrane
