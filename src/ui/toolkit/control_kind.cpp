// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/control_kind.h"

#include "ui/toolkit/label.h"
#include "ui/toolkit/line_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltrane {

ControlKind controlKind(const QWidget* control)
{
    if (qobject_cast<const LineControl*>(control))
        return ControlKind::Line;
    if (qobject_cast<const Label*>(control))
        return ControlKind::Label;
    // Any other label shows a picture.
    if (qobject_cast<const QLabel*>(control))
        return ControlKind::Picture;
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control))
        return ControlKind::TextField;
    if (qobject_cast<const QPushButton*>(control))
        return ControlKind::Button;
    if (qobject_cast<const QCheckBox*>(control))
        return ControlKind::CheckBox;
    if (qobject_cast<const QComboBox*>(control))
        return ControlKind::ComboBox;
    return ControlKind::Other;
}

QList<QWidget*> windowControls(const QWidget* window)
{
    return window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

} // namespace veltrane
