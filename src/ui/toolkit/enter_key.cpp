// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/enter_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace veltrane {

bool clickButtonForEnter(QWidget* window, const QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    auto focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (focused && focused->window() == window) {
        focused->click();
        return true;
    }
    const auto buttons = window->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->isDefault() && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace veltrane
