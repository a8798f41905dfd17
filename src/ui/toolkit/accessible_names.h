// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/control_table.h"

#include <span>

namespace veltrane {

// A label and the control beside it that its caption names.
struct LabelledControl
{
    const char* label;
    const char* control;
};

// A name for screen readers, for a control whose caption does not tell it
// apart from another one.
struct AccessibleNameRow
{
    const char* control;
    const char* name;
};

// Makes each label the buddy of its control: a screen reader names the
// control after the label's caption and reads the two as label and
// labelled. The captions on screen stay as they are.
void labelControls(const ControlsByName& controls, std::span<const LabelledControl> labels);

// Gives each control its name for screen readers.
void nameControls(const ControlsByName& controls, std::span<const AccessibleNameRow> names);

} // namespace veltrane
