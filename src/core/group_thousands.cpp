// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/group_thousands.h"

namespace veltrane {

std::string GroupThousands(const std::string& text)
{
    // The marks go between digits only, so a sign is set aside first;
    // otherwise "-193046" would become "-.193.046".
    std::string sign;
    std::string digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        sign = digits.substr(0, 1);
        digits.erase(0, 1);
    }
    // Each step inserts a mark counted from the end of the text as it then
    // stands; a position below 0 ends the insertions.
    const int minimumLength[] = {3, 6, 9};
    const int distanceFromEnd[] = {3, 7, 11};
    for (int step = 0; step < 3; ++step) {
        int length = static_cast<int>(digits.size());
        if (length < minimumLength[step])
            continue;
        int position = length - distanceFromEnd[step];
        if (position < 0)
            break;
        digits.insert(digits.begin() + position, '.');
    }
    if (!digits.empty() && digits.front() == '.')
        digits.erase(0, 1);
    return sign + digits;
}

} // namespace veltrane
