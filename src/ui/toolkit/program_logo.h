#pragma once

#include <QIcon>
#include <QPixmap>

namespace veltrane {

// The logo's own size in pixels.
inline constexpr int LogoWidth = 61;
inline constexpr int LogoHeight = 58;

// The program's logo, a clock face with a key across it, on a transparent
// background, drawn at its own size, or scaled to fit width × height.
QPixmap programLogo(int width = LogoWidth, int height = LogoHeight);

// The logo as the icon of every window of the program, at the usual sizes.
QIcon programIcon();

} // namespace veltrane
