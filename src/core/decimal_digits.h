// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <cstdint>
#include <string>

namespace veltrane {

// A decimal number as its digits: the exact value a text stands for, so
// rounding can be decided on that value and not on a binary approximation.
struct DecimalDigits
{
    bool negative = false;
    std::string integer;  // digits only, may be empty
    std::string fraction; // digits only, may be empty
};

// The value times 10^scale, rounded to a whole number with halves to even;
// OutOfRange when that does not fit a signed 64-bit number.
Result<std::int64_t> scaledValue(const DecimalDigits& digits, int scale);

} // namespace veltrane
