// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/accessible_names.h"
#include "ui/toolkit/control_table.h"

#include <span>

// The Buff-In window as it is laid out, in twips.
namespace veltrane::buffInWindowLayout {

inline constexpr int ClientWidth = 3345;
inline constexpr int ClientHeight = 2970;

// The window's height before any result, against the calculate button:
// its top plus three times its height.
inline constexpr int LoadHeightButtonFactor = 3;
// Added to the result's height to give the window's height.
inline constexpr int HeightAboveResult = 3495;

std::span<const ControlRow> controls();
// The label that names the count field for screen readers.
std::span<const LabelledControl> labels();

} // namespace veltrane::buffInWindowLayout
