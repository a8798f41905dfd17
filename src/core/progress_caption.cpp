// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/progress_caption.h"

#include <cstddef>

namespace veltrane {
namespace {

std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) // continuation bytes do not start a character
            ++count;
    return count;
}

} // namespace

std::optional<std::string> progressCaptionText(std::string_view fieldText)
{
    if (fieldText.empty())
        return std::nullopt;
    std::size_t comma = fieldText.find(',');
    std::string_view whole = fieldText.substr(0, comma);
    std::string_view fraction =
        comma == std::string_view::npos ? std::string_view() : fieldText.substr(comma + 1);

    if (characterCount(fraction) >= 2)
        return std::string(whole) + " WU's " + std::string(fraction) + "%";
    if (fraction.size() == 1 && fraction[0] >= '0' && fraction[0] <= '9')
        return std::string(whole) + " WU's " + std::to_string((fraction[0] - '0') * 10) + "%";
    // No comma, or a fraction that is still being typed ("12,") or is no digit.
    return std::string(whole) + " WU's 0%";
}

} // namespace veltrane
