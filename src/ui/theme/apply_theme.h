// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace veltrane {

class CheckBox;

// Colours window and its controls in theme (a list index; any other number
// colours nothing). buttons is the main window's "colour the buttons" check
// box: buttons take the theme's background only while it is on, else the
// plain button colour. The "DOS" theme turns the check box off, which at
// once re-applies the main window's theme through the box's own reaction.
void ApplyTheme(QWidget* window, int theme, CheckBox* buttons);

} // namespace veltrane
