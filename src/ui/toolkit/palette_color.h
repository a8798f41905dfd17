// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace veltrane {

// Gives one colour role of a widget's palette a colour of its own, for every
// state of the window; the other roles keep following the widget's parent.
inline void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace veltrane
