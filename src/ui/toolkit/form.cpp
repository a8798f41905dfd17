// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/form.h"

#include "ui/toolkit/enter_key.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace veltrane {

void Form::keyPressEvent(QKeyEvent* event)
{
    if (clickButtonForEnter(this, event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void Form::mouseMoveEvent(QMouseEvent* event)
{
    // Moves over a control belong to that control.
    if (!childAt(event->position().toPoint()))
        formMouseMove();
    QWidget::mouseMoveEvent(event);
}

} // namespace veltrane
