// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/decimal_digits.h"

#include <limits>

namespace veltrane {

Result<std::int64_t> scaledValue(const DecimalDigits& digits, int scale)
{
    std::string kept = digits.integer + digits.fraction.substr(0, static_cast<std::size_t>(scale));
    kept.append(static_cast<std::size_t>(scale) - (kept.size() - digits.integer.size()), '0');
    std::string_view dropped;
    if (digits.fraction.size() > static_cast<std::size_t>(scale))
        dropped = std::string_view(digits.fraction).substr(static_cast<std::size_t>(scale));

    std::uint64_t magnitude = 0;
    for (char c : kept) {
        if (__builtin_mul_overflow(magnitude, 10u, &magnitude) ||
            __builtin_add_overflow(magnitude, static_cast<unsigned>(c - '0'), &magnitude))
            return CalcError::OutOfRange;
    }

    // Round on the dropped digits: above half goes up, a tie goes to even.
    bool roundUp = false;
    if (!dropped.empty() && dropped[0] >= '5') {
        bool beyondHalf =
            dropped[0] > '5' || dropped.substr(1).find_first_not_of('0') != std::string_view::npos;
        roundUp = beyondHalf || magnitude % 2 != 0;
    }
    if (roundUp && __builtin_add_overflow(magnitude, 1u, &magnitude))
        return CalcError::OutOfRange;

    constexpr auto largest = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (digits.negative) {
        if (magnitude > largest + 1)
            return CalcError::OutOfRange;
        return static_cast<std::int64_t>(0 - magnitude);
    }
    if (magnitude > largest)
        return CalcError::OutOfRange;
    return static_cast<std::int64_t>(magnitude);
}

} // namespace veltrane
