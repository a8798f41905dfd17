// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fixed_point.h"

#include "core/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace veltrane {
namespace {

// Doubles this large have no fraction left to round, and are far beyond the
// fixed-point range; skipping them keeps the text buffers small.
constexpr double NoFractionAbove = 1e15;

// Rounds a remainder-based quotient to nearest, halves to even.
std::int64_t roundQuotient(std::int64_t value, std::int64_t divisor)
{
    std::int64_t quotient = value / divisor;
    std::int64_t remainder = value % divisor;
    std::int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    int direction = value < 0 ? -1 : 1;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        quotient += direction;
    return quotient;
}

} // namespace

Result<Fixed> Fixed::fromDouble(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= NoFractionAbove)
        return CalcError::OutOfRange;
    // to_chars rounds the exact binary value, halves to even.
    std::array<char, 64> text{};
    auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 4);
    if (error != std::errc())
        return CalcError::OutOfRange;
    std::string_view written(text.data(), static_cast<std::size_t>(end - text.data()));
    DecimalDigits digits;
    digits.negative = written.front() == '-';
    if (digits.negative)
        written.remove_prefix(1);
    std::size_t point = written.find('.');
    digits.integer = std::string(written.substr(0, point));
    digits.fraction = std::string(written.substr(point + 1));
    Result<std::int64_t> units = scaledValue(digits, 4);
    if (!units)
        return units.error();
    return Fixed(*units);
}

double Fixed::toDouble() const
{
    return static_cast<double>(m_units) / static_cast<double>(UnitsPerOne);
}

std::int64_t Fixed::roundedWhole() const
{
    return roundQuotient(m_units, UnitsPerOne);
}

std::int64_t Fixed::roundedThousandths() const
{
    return roundQuotient(m_units, UnitsPerOne / 1000);
}

double roundToDecimals(double value, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) >= NoFractionAbove)
        return value;
    std::array<char, 64> text{};
    auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    if (error != std::errc())
        return value;
    double rounded = 0;
    std::from_chars(text.data(), end, rounded);
    return rounded == 0 ? 0.0 : rounded; // no negative zero
}

} // namespace veltrane
