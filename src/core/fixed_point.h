// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <compare>
#include <cstdint>

namespace veltrane {

// A signed 64-bit count of ten-thousandths: the type of key rates, of the
// time of one work unit and of the Buff-In working time.
class Fixed
{
public:
    static constexpr std::int64_t UnitsPerOne = 10000;

    constexpr Fixed() = default;
    static constexpr Fixed fromUnits(std::int64_t units) { return Fixed(units); }

    // The nearest ten-thousandth, halves to even, decided on the exact value
    // of the double; OutOfRange when it does not fit.
    static Result<Fixed> fromDouble(double value);

    constexpr std::int64_t units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    double toDouble() const;

    // The value rounded to whole units, halves to even.
    std::int64_t roundedWhole() const;
    // The value times 1000 (exact in this type) rounded to whole units, halves to even.
    std::int64_t roundedThousandths() const;

    friend constexpr auto operator<=>(Fixed, Fixed) = default;

private:
    constexpr explicit Fixed(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

// Rounds to the given number of decimals, halves to even, decided on the
// exact value of the double: 0.125 is a tie and gives 0.12, while 2.675
// lies below its tie as a double and gives 2.67.
double roundToDecimals(double value, int decimals);

inline double roundToWhole(double value)
{
    return roundToDecimals(value, 0);
}

} // namespace veltrane
