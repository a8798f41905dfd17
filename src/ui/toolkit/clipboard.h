// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace veltrane {

// Clears the clipboard, then puts text on it as plain text.
void putTextOnClipboard(const QString& text);

} // namespace veltrane
