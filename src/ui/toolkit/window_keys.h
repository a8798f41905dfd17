// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace veltrane {

// Runs close when Escape (the platform's Cancel key) is pressed anywhere in
// window: the same routine as the window's own way of closing.
void closeOnEscape(QWidget* window, std::function<void()> close);

// Runs copy when the platform's Copy keys (Ctrl+C, Ctrl+Insert, the Copy
// key) are pressed in window. A text field of the window with selected text
// keeps the keys and copies its selection, as it always does.
void onCopyKeys(QWidget* window, std::function<void()> copy);

} // namespace veltrane
