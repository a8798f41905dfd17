// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/digit_grouping.h"

namespace veltrane {

std::string groupedDigits(const std::string& digits, char mark)
{
    std::string result;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += mark;
        result += digits[i];
    }
    return result;
}

} // namespace veltrane
