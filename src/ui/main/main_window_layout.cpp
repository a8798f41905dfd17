// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/main_window_layout.h"

#include "ui/theme/theme_table.h"

#include <QStringList>

namespace veltrane::mainWindowLayout {
namespace {

using enum ControlKind;
using namespace fonts;

constexpr LayoutFont Window = WindowFont;

// The colours of a few system elements the lines were drawn in.
const QColor InactiveTitleBar(128, 128, 128);
const QColor MenuText(0, 0, 0);
const QColor WindowText(0, 0, 0);

const LineRow LineRows[] = {
    {"Line1", 2280, 0, 2280, 5640, InactiveTitleBar},
    {"Line2(0)", 2280, 1200, 8400, 1200, InactiveTitleBar},
    {"Line2(1)", 0, 2040, 8280, 2040, InactiveTitleBar},
    {"Line3", 8160, 3360, 4080, 3360, MenuText},
    {"Line6", 4080, 5640, 4080, 3360, WindowText},
};

// name, kind, caption, left, top, width, height, tab, font, tool tip, traits, typing limit
const ControlRow ControlRows[] = {
    // The input column on the left.
    {"Label1(0)", Label, "Enter key's/sec", 120, 120, 2055, 240, 22, Arial975, nullptr, Centred, 0},
    {"txtKeys", TextField, "641.440", 120, 480, 2055, 285, 0, MsSansSerif825,
     "Enter your keys/sec, may have . or ,", NoTrait, 0},
    {"Label1(4)", Label, "Enter cpu time in hours", 120, 1200, 2025, 240, 26, Arial975, nullptr,
     Centred, 0},
    {"txtCpu", TextField, "5", 120, 1560, 2055, 330, 1, Window, "Give a cpu time", NoTrait, 0},
    {"Label1(5)", Label, "Enter start date", 120, 2040, 2055, 240, 27, Arial975, nullptr, Centred,
     0},
    {"txtStart", TextField, "30/10/2003", 120, 2280, 2055, 330, 2, Window,
     "Insert begin date (ex 03/10/2003)", NoTrait, 10},
    {"chkSetStartDate", CheckBox, "Set Date now on start", 120, 2640, 2055, 255, 41, Window,
     nullptr, NoTrait, 0},
    {"cmdDateNow", Button, "Start Date is Date Now", 120, 3000, 2055, 375, 3, Window, nullptr,
     NoTrait, 0},
    {"Label1(6)", Label, "Enter end date", 120, 3480, 2055, 255, 28, Arial975, nullptr, Centred, 0},
    {"txtEnd", TextField, "01/01/2004", 120, 3720, 2055, 330, 4, Window,
     "Insert end date (ex 31/12/2003)", NoTrait, 10},
    {"chkSetEndDate", CheckBox, "Set Date now on start", 120, 4080, 2055, 255, 42, Window, nullptr,
     NoTrait, 0},
    {"cmdDateEnd", Button, "End Date is Date Now", 120, 4440, 2055, 375, 40, Window, nullptr,
     NoTrait, 0},
    {"cmdCalculate(0)", Button, "&Calculate from here", 120, 5040, 2055, 375, 5, MsSansSerif825,
     "Can't you read", DefaultButton, 0},

    // The result band at the top.
    {"Label1(2)", Label, "Time of 1 WU", 2520, 120, 1215, 240, 24, Arial975, nullptr,
     Centred | AutoSize, 0},
    {"lblWu", Label, "00:00:00", 2520, 360, 1215, 255, 32, Arial975, nullptr, Centred, 0},
    {"chkShowMs", CheckBox, "Show time with ms", 2400, 600, 1455, 495, 39, Window, nullptr, NoTrait,
     0},
    {"Label1(3)", Label, "Number of WU's/Hour", 3960, 120, 1935, 255, 25, Arial975, nullptr,
     Centred, 0},
    {"txtWus(0)", TextField, "0", 3960, 360, 615, 330, 6, Window, nullptr, NoTrait, 0},
    {"lblWUsProc(0)", Label, "0WU's 0%", 4560, 360, 1335, 255, 33, Window, nullptr, Centred, 0},
    {"cmdCalculate(1)", Button, "&Calculate from here", 3960, 720, 1935, 375, 7, Window, nullptr,
     NoTrait, 0},
    {"Label1(1)", Label, "Number of WU's/Day", 6120, 120, 1935, 240, 23, Arial975, nullptr, Centred,
     0},
    {"txtWus(1)", TextField, "0", 6120, 360, 615, 330, 8, Window, nullptr, NoTrait, 0},
    {"lblWUsProc(1)", Label, "0WU's 0%", 6720, 360, 1335, 255, 34, Window, nullptr, Centred, 0},
    {"cmdCalculate(2)", Button, "&Calculate from here", 6120, 720, 1935, 375, 9, Window, nullptr,
     NoTrait, 0},

    // The CPU-time band.
    {"Label1(8)", Label, "WU's in amount of CPU time", 2400, 1320, 2535, 240, 30, Arial975, nullptr,
     Centred, 0},
    {"txtAmount", TextField, "0", 2400, 1560, 1215, 330, 10, Window, nullptr, ReadOnly, 0},
    {"lblAmountProc", Label, "0WU's 0%", 3600, 1560, 1455, 255, 35, Window, nullptr, Centred, 0},
    {"cmdBuffIn", Button, "Empty Buff-In >>", 6480, 1440, 1575, 375, 11, Window,
     "How long till empty Buff-In", NoTrait, 0},

    // The date-span band.
    {"Label1(10)", Label, "WU's that allready are done:", 2370, 2160, 2475, 240, 37, Arial975,
     nullptr, Centred | AutoSize, 0},
    {"txtWuDone", TextField, "0", 4920, 2160, 1095, 330, 12, Window, nullptr, NoTrait, 10},
    {"chkDone", CheckBox, "Add the done WU's", 6120, 2160, 1935, 255, 13, Window,
     "Add he allready done WU's", Checked, 0},
    {"Label1(7)", Label, "WU's after 0 days", 2400, 2640, 2295, 255, 29, Arial975, nullptr, Centred,
     0},
    {"chkCPU", CheckBox, "Rekcon with CPU time", 4800, 2640, 2175, 255, 14, Window,
     "Calc based on CPU-time otherwise calc based on days", Checked, 0},
    {"txtWuEnd", TextField, "0", 2400, 3000, 1095, 330, 15, Window, nullptr, ReadOnly, 10},
    {"lblWuEnd", Label, "0WU's 0%", 3600, 3000, 1455, 255, 36, Window, nullptr, Centred, 0},

    // The box at the bottom right.
    {"Label1(9)", Label, "Color Themes", 4200, 3480, 2055, 225, 31, Arial975, nullptr, Centred, 0},
    {"cmbThemes", ComboBox, "cmbThemes", 4200, 3720, 2055, 345, 16, Window,
     "Colorfull themes for this proggie :P", NoTrait, 0},
    {"chkButtons", CheckBox, "Color the Background of the buttons", 6360, 3480, 1815, 615, 17,
     Window, nullptr, Checked, 0},
    {"cmdHistory", Button, "History", 4200, 4440, 1215, 375, 38, Window,
     "Give the history of this program", NoTrait, 0},
    {"cmd1Line", Button, "2 Line Text", 5520, 4440, 1215, 375, 18, Window,
     "Gives a output text in 2 lines with al the info", NoTrait, 0},
    {"cmdAbout", Button, "&About...", 6840, 4440, 1215, 375, 19, Window, "See the about form",
     NoTrait, 0},
    {"lblSite", Label, VELTRANE_SITE_ADDRESS, 4440, 5040, 2355, 240, 21, Arial975, nullptr,
     RightAligned | AutoSize | LinkPointer, 0},
    {"cmdEnd", Button, "&Exit...", 6840, 5040, 1215, 375, 20, Window, "Exit this program", NoTrait,
     0},
};

// Each input and result field, and the theme list, with the caption above or
// beside it. (On Linux a screen reader names a combo box after its current
// item and reads the label through the relation alone.)
const LabelledControl Labels[] = {
    {"Label1(0)", "txtKeys"},   {"Label1(4)", "txtCpu"},     {"Label1(5)", "txtStart"},
    {"Label1(6)", "txtEnd"},    {"Label1(3)", "txtWus(0)"},  {"Label1(1)", "txtWus(1)"},
    {"Label1(8)", "txtAmount"}, {"Label1(10)", "txtWuDone"}, {"Label1(7)", "txtWuEnd"},
    {"Label1(9)", "cmbThemes"},
};

// The two date boxes share one caption; their place under the start and the
// end date tells them apart on screen.
const AccessibleNameRow AccessibleNames[] = {
    {"chkSetStartDate", "Set start date now on start"},
    {"chkSetEndDate", "Set end date now on start"},
};

// What each "Calculate from here" button calculates from, by index.
const char* const CalculationSources[] = {"the key rate", "WU's per hour", "WU's per day"};

const char* const LayoutColoredCheckBoxes[] = {"chkButtons", "chkDone", "chkCPU"};
const char* const LayoutColoredButtons[] = {"cmdHistory",     "cmd1Line",        "cmdAbout",
                                            "cmdEnd",         "cmdCalculate(0)", "cmdCalculate(1)",
                                            "cmdCalculate(2)"};

} // namespace

std::span<const LineRow> lines()
{
    return LineRows;
}

std::span<const ControlRow> controls()
{
    return ControlRows;
}

std::span<const LabelledControl> labels()
{
    return Labels;
}

std::span<const AccessibleNameRow> accessibleNames()
{
    return AccessibleNames;
}

QString calculationSource(int index)
{
    return QString::fromUtf8(CalculationSources[index]);
}

QStringList themeItems()
{
    QStringList items;
    for (const Theme& theme : Themes)
        items << QString::fromUtf8(theme.name);
    return items;
}

std::span<const char* const> layoutColoredCheckBoxes()
{
    return LayoutColoredCheckBoxes;
}

std::span<const char* const> layoutColoredButtons()
{
    return LayoutColoredButtons;
}

} // namespace veltrane::mainWindowLayout
