// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/control_table.h"

#include <span>

// The About window as it is laid out, in twips.
namespace veltrane::aboutWindowLayout {

// The whole window is client area: it has no border and no title bar.
inline constexpr int Width = 5130;
inline constexpr int Height = 2850;
// Where it opens on the screen.
inline constexpr int ScreenLeft = 4335;
inline constexpr int ScreenTop = 2175;

std::span<const LineRow> lines();
std::span<const ControlRow> controls();

} // namespace veltrane::aboutWindowLayout
