// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fixed_point.h"
#include "core/result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrane {

// The program's one way of reading and writing numbers in fields: ","
// is the decimal separator and "." the digit-grouping mark ("10.000" is
// ten thousand, "0,54" a fraction).
//
// Reading accepts blanks around the number, an optional sign, digits with
// "." marks between them and at most one ",". Anything else (letters,
// exponents, only blanks, two commas) is NotANumber; a value beyond the
// target type is OutOfRange. Whole-number and fixed-point targets round the
// exact decimal value, halves to even (2,5 gives 2; 3,5 gives 4).
Result<double> readNumber(std::string_view text);
Result<std::int32_t> readWhole32(std::string_view text);
Result<std::int16_t> readWhole16(std::string_view text);
Result<Fixed> readFixed(std::string_view text);

// The decimal form with at most 15 significant digits, "," as separator, no
// grouping, no exponent, no trailing zeros and never "-0" (12,9; 24; 0,54).
std::string writeNumber(double value);

// The text without any "," or "."; key rates are whole numbers, so both
// marks are grouping marks there ("641.440" and "641,440" are 641440).
std::string withoutGroupingMarks(std::string_view text);

} // namespace veltrane
