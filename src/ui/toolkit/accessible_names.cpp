// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/accessible_names.h"

#include <QLabel>

namespace veltrane {

void labelControls(const ControlsByName& controls, std::span<const LabelledControl> labels)
{
    for (const LabelledControl& row : labels) {
        requiredControl<QLabel>(controls, row.label)
            ->setBuddy(requiredControl<QWidget>(controls, row.control));
    }
}

void nameControls(const ControlsByName& controls, std::span<const AccessibleNameRow> names)
{
    for (const AccessibleNameRow& row : names) {
        requiredControl<QWidget>(controls, row.control)
            ->setAccessibleName(QString::fromUtf8(row.name));
    }
}

} // namespace veltrane
