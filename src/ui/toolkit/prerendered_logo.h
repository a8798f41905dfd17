// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace veltrane {

// The sizes of the program's icon (square, in pixels): the ones desktops
// show and ask for.
inline constexpr int LogoIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The logo drawn at one of LogoIconSizes by the build (paintProgramLogo on a
// transparent ARGB32 premultiplied image, the same drawing as programLogo):
// side × side pixels, row by row; nullptr for any other size.
const std::uint32_t* prerenderedLogo(int side);

} // namespace veltrane
