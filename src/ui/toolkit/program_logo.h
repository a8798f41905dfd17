// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/logo_art.h"

#include <QIcon>
#include <QPixmap>

namespace veltrane {

// The program's logo, a clock face with a key across it, on a transparent
// background, drawn at its own size, or scaled to fit width × height.
QPixmap programLogo(int width = LogoWidth, int height = LogoHeight);

// The logo as the icon of every window of the program, at the usual sizes,
// each drawn when it is first asked for.
QIcon programIcon();

} // namespace veltrane
