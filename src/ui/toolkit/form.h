// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace veltrane {

// A window of the program. Enter presses the focused button, or else the
// window's default button; a pointer move over the window's own surface,
// not over one of its controls, runs formMouseMove (with mouse tracking on).
class Form : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    virtual void formMouseMove() {}

    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace veltrane
