// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/line_control.h"

#include <QPainter>

namespace veltrane {

LineControl::LineControl(QWidget* window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineControl::setEnds(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
    setGeometry(QRect(from, to).normalized());
    update();
}

void LineControl::setBorderColor(const QColor& color)
{
    if (m_borderColor == color)
        return;
    m_borderColor = color;
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_borderColor, 0));
    painter.drawLine(m_from - pos(), m_to - pos());
}

} // namespace veltrane
