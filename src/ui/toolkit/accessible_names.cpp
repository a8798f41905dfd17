// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/accessible_names.h"

#include <QLabel>

namespace veltrane {

void labelControls(const ControlsByName& controls, std::span<const LabelledControl> labels)
{
    for (const LabelledControl& row : labels) {
        auto label = qobject_cast<QLabel*>(controls.value(QString::fromUtf8(row.label)));
        QWidget* control = controls.value(QString::fromUtf8(row.control));
        Q_ASSERT_X(label && control, "labelControls", row.control);
        if (label && control)
            label->setBuddy(control);
    }
}

void nameControls(const ControlsByName& controls, std::span<const AccessibleNameRow> names)
{
    for (const AccessibleNameRow& row : names) {
        QWidget* control = controls.value(QString::fromUtf8(row.control));
        Q_ASSERT_X(control, "nameControls", row.control);
        if (control)
            control->setAccessibleName(QString::fromUtf8(row.name));
    }
}

} // namespace veltrane
