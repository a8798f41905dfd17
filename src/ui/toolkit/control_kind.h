// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QWidget;

namespace veltrane {

// The kinds of control a window is built from; the kind decides which
// colours a theme gives the control.
enum class ControlKind
{
    Label,
    TextField,
    Button,
    CheckBox,
    ComboBox,
    Line,
    Picture,
    Other,
};

ControlKind controlKind(const QWidget* control);

// The controls of a window in the window's own order, the order they were
// created in.
QList<QWidget*> windowControls(const QWidget* window);

} // namespace veltrane
