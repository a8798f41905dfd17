// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// The caption that restates a number of work units as whole units plus the
// progress into the next one: "12,34" gives "12 WU's 34%", "12,5" gives
// "12 WU's 50%", "12" gives "12 WU's 0%". Nothing (the caption stays as it
// is) for an empty text. Text is UTF-8; fraction lengths count characters.
std::optional<std::string> progressCaptionText(std::string_view fieldText);

} // namespace veltrane
