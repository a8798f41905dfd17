// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace veltrane {

// The logo's own size in pixels.
inline constexpr int LogoWidth = 61;
inline constexpr int LogoHeight = 58;

// The program's logo, a clock face with a key across it, on a transparent
// background, drawn at its own size, or scaled to fit width × height.
QPixmap programLogo(int width = LogoWidth, int height = LogoHeight);

// Paints the logo, scaled to fit width × height and centred, onto any paint
// device: a pixmap for the windows, an image or a drawing for the icon files.
void paintProgramLogo(QPainter& painter, int width, int height);

// The logo as the icon of every window of the program, at the usual sizes,
// each drawn when it is first asked for.
QIcon programIcon();

} // namespace veltrane
