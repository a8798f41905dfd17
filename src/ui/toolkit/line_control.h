// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace veltrane {

// A straight line between two points of its window, one pixel wide, in its
// border colour. It takes no input: the pointer and clicks pass through to
// the window beneath. Parts beyond the window's edge are clipped.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    explicit LineControl(QWidget* window);

    // End points in the window's pixels.
    void setEnds(QPoint from, QPoint to);
    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }

    void setBorderColor(const QColor& color);
    QColor borderColor() const { return m_borderColor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_borderColor = Qt::black;
};

} // namespace veltrane
