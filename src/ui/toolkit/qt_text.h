// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace veltrane {

// The calculation core works on UTF-8 texts; the windows on QString.
inline std::string toCore(const QString& text)
{
    return text.toStdString();
}

inline QString fromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace veltrane
