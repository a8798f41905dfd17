// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace veltrane {

// 128-bit whole numbers for exact arithmetic: every figure below is a ratio
// of products of inputs that are bounded so that they stay far inside it.
__extension__ using Wide = unsigned __int128;

// A non-negative fraction, kept unreduced; den is never 0.
struct Fraction
{
    Wide num = 0;
    Wide den = 1;
};

// The decimal digits of a whole number.
std::string wideDigits(Wide value);

// The fraction rounded up to a whole number.
Wide roundedUp(Fraction value);

// The fraction rounded to the nearest whole number, halves to even.
Wide roundedWhole(Fraction value);

// A fraction rounded to decimal digits: the whole digits and the digits after
// the decimal point, without trailing zeros.
struct DecimalText
{
    std::string whole;
    std::string fraction;
};

// Rounds halves to even, on the exact value, to at least minDecimals
// decimals and as many more as it takes to show `significant` significant
// digits (a figure below 1 keeps its first digits); never more decimals than
// needed to show the exact value, and never more than 60.
DecimalText roundedDecimal(Fraction value, int minDecimals, int significant);

// "1869.84": plain digits with a decimal point, for scripts.
std::string plainText(const DecimalText& value);
// "1.869,84": "." groups thousands and "," is the decimal separator, as the
// window writes numbers.
std::string groupedText(const DecimalText& value);

} // namespace veltrane
