// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/label.h"

#include <QMouseEvent>

namespace veltrane {

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    fitToCaption();
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToCaption();
}

void Label::setBold(bool bold)
{
    if (font().bold() == bold)
        return;
    QFont boldness = font();
    boldness.setBold(bold);
    setFont(boldness);
    fitToCaption();
}

void Label::fitToCaption()
{
    if (!m_autoSize)
        return;
    if (wordWrap())
        resize(width(), heightForWidth(width()));
    else
        resize(sizeHint());
}

void Label::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    bool click = m_pressed && event->button() == Qt::LeftButton &&
                 rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void Label::mouseMoveEvent(QMouseEvent* event)
{
    // A move over a label belongs to the label, not to the window beneath.
    event->accept();
    emit mouseMoved();
}

} // namespace veltrane
