// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;
class QWidget;

namespace veltrane {

// Enter pressed in a window clicks the button that has the focus, or else the
// window's default button. True when a button was clicked.
bool clickButtonForEnter(QWidget* window, const QKeyEvent* event);

} // namespace veltrane
