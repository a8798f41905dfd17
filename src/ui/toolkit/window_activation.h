// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace veltrane {

// Runs reaction each time window becomes the program's active window coming
// from another window of the program, its first showing included. Coming
// back to it from another application does not count. The reaction ends
// with the window.
void onActivatedFromProgram(QWidget* window, std::function<void()> reaction);

} // namespace veltrane
