// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace veltrane {

void putTextOnClipboard(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace veltrane
