// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/control_kind.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>
#include <QWidget>

#include <span>

namespace veltrane {

// A font of the layout: family, size in points and weight.
struct LayoutFont
{
    const char* family;
    double pointSize;
    bool bold = false;
};

// The fonts the layouts name, by their metric twins: Liberation Serif for
// Times New Roman, Liberation Sans for Arial and MS Sans Serif.
namespace fonts {
inline constexpr LayoutFont TimesNewRoman975{"Liberation Serif", 9.75};
inline constexpr LayoutFont Arial975{"Liberation Sans", 9.75};
inline constexpr LayoutFont MsSansSerif825{"Liberation Sans", 8.25};
inline constexpr LayoutFont MsSansSerif12Bold{"Liberation Sans", 12, true};
} // namespace fonts

// Extra traits of a control in its row.
enum ControlTrait : unsigned
{
    NoTrait = 0,
    Centred = 1u << 0,
    RightAligned = 1u << 1,
    AutoSize = 1u << 2,      // a label that sizes itself to its caption
    ReadOnly = 1u << 3,      // a field the user can select and copy, but not edit
    DefaultButton = 1u << 4, // the button that Enter activates
    Checked = 1u << 5,       // a check box that starts on
    LinkPointer = 1u << 6,   // a label that shows the up-arrow pointer
    GrowsDownward = 1u << 7, // a label that keeps its width, wraps its caption
                             // and takes the height the caption needs
};

// One control of a window's layout: every place and size in twips, measured
// from the top-left corner of the client area. A tab index below 0 means the
// control takes no focus; a font without a family is the window's font.
struct ControlRow
{
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;
    int tabIndex;
    LayoutFont font;
    const char* toolTip;
    unsigned traits;
    int typingLimit; // characters the user may type; 0 for no limit
};

// A line of a layout, from one end point to the other, in twips.
struct LineRow
{
    const char* name;
    int x1, y1, x2, y2;
    QColor color;
};

inline constexpr LayoutFont WindowFont{nullptr, 0};

QFont fontFor(LayoutFont layoutFont);

// The controls of a window by name, as built from its rows.
using ControlsByName = QHash<QString, QWidget*>;

// Builds a window's lines, then its controls, in the order of the rows, which
// becomes the window's own order of controls; the lines lie beneath the rest.
// Each control takes its name as objectName; focus follows the tab indices.
ControlsByName buildWindowControls(QWidget* window, std::span<const LineRow> lines,
                                   std::span<const ControlRow> controls);

// Stops the program: a window asked for a control its layout does not have.
[[noreturn]] void missingControl(const char* name, const char* kind);

// The control called name, of the kind the window's code expects. A name or
// kind that its layout does not have is a mistake in the program, so it stops
// at once, in every build, instead of running on with a control missing.
template <class Control> Control* requiredControl(const ControlsByName& controls, const char* name)
{
    auto found = qobject_cast<Control*>(controls.value(QString::fromUtf8(name)));
    if (!found)
        missingControl(name, Control::staticMetaObject.className());
    return found;
}

} // namespace veltrane
