// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace veltrane {

// Fusion, with two parts drawn the way the program's windows were designed
// for: a command button shows the background colour it was given flat, in
// a raised 3-D border that sinks while it is pressed, and a text field sits
// in a sunken 3-D border. Both borders take the 3-D colours of the palette
// (light, midlight, dark, shadow), which no theme changes, so they show on
// any theme's background.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace veltrane
