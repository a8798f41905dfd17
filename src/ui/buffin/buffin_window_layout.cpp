// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/buffin/buffin_window_layout.h"

namespace veltrane::buffInWindowLayout {
namespace {

using enum ControlKind;
using namespace fonts;

constexpr LayoutFont Window = WindowFont;

// name, kind, caption, left, top, width, height, tab, font, tool tip, traits, typing limit
const ControlRow ControlRows[] = {
    {"Label1(0)", Label, "WU's in Buff-In:", 120, 240, 1110, 195, 2, Window, nullptr, AutoSize, 0},
    {"txtBuffIn", TextField, "1000", 1320, 240, 615, 285, 1, Window, nullptr, NoTrait, 0},
    {"Label1(1)", Label,
     "Is your Key rate filled in correctly? Is your CPU-Time correct, then you may calculate how "
     "long its gonna take to do your WU's",
     120, 720, 3135, 1755, 3, MsSansSerif12Bold, nullptr, NoTrait, 0},
    {"cmdCalculate", Button, "Calculate", 960, 2520, 1455, 375, 0, Window, nullptr, DefaultButton,
     0},
    {"lblout", Label, "lblout", 120, 3000, 3135, 195, 4, Window,
     "Click me to copy me 2 the clipboard", GrowsDownward, 0},
};

const LabelledControl Labels[] = {{"Label1(0)", "txtBuffIn"}};

} // namespace

std::span<const ControlRow> controls()
{
    return ControlRows;
}

std::span<const LabelledControl> labels()
{
    return Labels;
}

} // namespace veltrane::buffInWindowLayout
