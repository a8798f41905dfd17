// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/accessible_names.h"
#include "ui/toolkit/control_table.h"

#include <QColor>

#include <span>

namespace veltrane::mainWindowLayout {

// The client area, in twips.
inline constexpr int ClientWidth = 8190;
inline constexpr int ClientHeight = 5490;

std::span<const LineRow> lines();
std::span<const ControlRow> controls();

// The labels that name the fields for screen readers, and the names of the
// controls that share a caption with another.
std::span<const LabelledControl> labels();
std::span<const AccessibleNameRow> accessibleNames();
// What cmdCalculate(index) calculates from, as a screen reader names it
// ("the key rate"); index 0 to 2.
QString calculationSource(int index);

// The items of the theme list, by list index.
QStringList themeItems();

// The colours the window is laid out in, before a theme replaces them.
inline const QColor LayoutBackground(128, 255, 128);
inline const QColor LayoutButtonBackground(224, 224, 224);
std::span<const char* const> layoutColoredCheckBoxes();
std::span<const char* const> layoutColoredButtons();

} // namespace veltrane::mainWindowLayout
