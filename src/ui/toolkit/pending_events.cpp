// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/pending_events.h"

#include <QCoreApplication>

namespace veltrane {

void DoEvents()
{
    // Widgets repaint through posted update requests, which this delivers
    // together with any queued input.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace veltrane
