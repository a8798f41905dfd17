// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

namespace veltrane {

// The logo's own size in pixels.
inline constexpr int LogoWidth = 61;
inline constexpr int LogoHeight = 58;

// Paints the logo, a clock face with a key across it, scaled to fit
// width × height and centred, onto any paint device: a pixmap for the
// windows, an image or a drawing for the icon files. Needs Qt GUI only, so
// the build's own tools can draw it too.
void paintProgramLogo(QPainter& painter, int width, int height);

} // namespace veltrane
