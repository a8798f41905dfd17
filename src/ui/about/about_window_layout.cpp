// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/about_window_layout.h"

namespace veltrane::aboutWindowLayout {
namespace {

using enum ControlKind;
using namespace fonts;

constexpr LayoutFont Window = WindowFont;

// Two lines on top of each other make one separator across the window; the
// theme gives them their colour.
const LineRow LineRows[] = {
    {"Line1(0)", 240, 2280, 5040, 2280, QColor(0, 0, 0)},
    {"Line1(1)", 240, 2280, 5040, 2280, QColor(0, 0, 0)},
};

// name, kind, caption, left, top, width, height, tab, font, tool tip, traits, typing limit
const ControlRow ControlRows[] = {
    {"Image1", Picture, "", 120, 120, 915, 870, -1, Window, nullptr, NoTrait, 0},
    {"Label1(0)", Label, "Veltrane for RC5-72", 1320, 120, 2910, 240, 0, Arial975, nullptr,
     AutoSize, 0},
    {"lblVersion", Label, "Version: 1.1 Build1", 1320, 480, 1650, 240, 1, Arial975, nullptr,
     AutoSize, 0},
    {"lblUse", Label, "Used: 1", 1320, 720, 675, 240, 4, Arial975, nullptr, AutoSize, 0},
    {"Label1(1)", Label,
     "Made and looked after by the Veltrane developers, a small team of RC5-72 key hunters.", 1320,
     1080, 3735, 975, 2, Arial975, nullptr, NoTrait, 0},
    {"Label3", Label, "Thanks to a keen reader for spotting typos!", 1320, 1920, 3735, 255, 5,
     Window, nullptr, NoTrait, 0},
    {"cmdBack", Button, "<< Back", 4080, 2400, 975, 375, 3, Window, nullptr, NoTrait, 0},
};

} // namespace

std::span<const LineRow> lines()
{
    return LineRows;
}

std::span<const ControlRow> controls()
{
    return ControlRows;
}

} // namespace veltrane::aboutWindowLayout
