// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include "core/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace veltrane {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<DecimalDigits> parse(std::string_view text)
{
    text = trimmed(text);
    DecimalDigits digits;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        digits.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t comma = text.find(',');
    std::string_view whole = text.substr(0, comma);
    std::string_view fraction =
        comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);

    for (std::size_t i = 0; i < whole.size(); ++i) {
        char c = whole[i];
        if (isDigit(c))
            digits.integer += c;
        else if (c != '.' || i == 0 || i + 1 == whole.size() || !isDigit(whole[i - 1]) ||
                 !isDigit(whole[i + 1]))
            return std::nullopt; // a grouping mark stands only between two digits
    }
    for (char c : fraction) {
        if (!isDigit(c))
            return std::nullopt;
        digits.fraction += c;
    }
    if (digits.integer.empty() && digits.fraction.empty())
        return std::nullopt;
    return digits;
}

// The value times 10^scale, rounded half to even on its exact decimal value.
Result<std::int64_t> readScaled(std::string_view text, int scale)
{
    std::optional<DecimalDigits> digits = parse(text);
    if (!digits)
        return CalcError::NotANumber;
    return scaledValue(*digits, scale);
}

template <class Whole> Result<Whole> readWhole(std::string_view text)
{
    Result<std::int64_t> value = readScaled(text, 0);
    if (!value)
        return value.error();
    if (*value < std::numeric_limits<Whole>::min() || *value > std::numeric_limits<Whole>::max())
        return CalcError::OutOfRange;
    return static_cast<Whole>(*value);
}

} // namespace

Result<double> readNumber(std::string_view text)
{
    std::optional<DecimalDigits> digits = parse(text);
    if (!digits)
        return CalcError::NotANumber;
    std::string plain = (digits->integer.empty() ? "0" : digits->integer) + "." +
                        (digits->fraction.empty() ? "0" : digits->fraction);
    double value = 0;
    auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    // A fraction below the smallest double has 0 as its nearest double; only
    // a number too large for a double is beyond the range.
    bool belowOne = digits->integer.find_first_not_of('0') == std::string::npos;
    if (error == std::errc::result_out_of_range && belowOne)
        return 0.0;
    if (error != std::errc() || !std::isfinite(value))
        return CalcError::OutOfRange;
    return digits->negative && value != 0 ? -value : value;
}

Result<std::int32_t> readWhole32(std::string_view text)
{
    return readWhole<std::int32_t>(text);
}

Result<std::int16_t> readWhole16(std::string_view text)
{
    return readWhole<std::int16_t>(text);
}

Result<Fixed> readFixed(std::string_view text)
{
    Result<std::int64_t> units = readScaled(text, 4);
    if (!units)
        return units.error();
    return Fixed::fromUnits(*units);
}

std::string writeNumber(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    if (value == 0)
        return "0";
    // 15 significant digits as d.dddddddddddddde±x, then laid out plainly.
    std::array<char, 32> text{};
    auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::scientific, 14);
    std::string_view written(text.data(), static_cast<std::size_t>(end - text.data()));
    bool negative = written.front() == '-';
    if (negative)
        written.remove_prefix(1);
    std::size_t e = written.find('e');
    int exponent = 0;
    std::from_chars(written.data() + e + 1 + (written[e + 1] == '+'),
                    written.data() + written.size(), exponent);
    std::string significant;
    for (char c : written.substr(0, e))
        if (c != '.')
            significant += c;
    // Next to the largest double the nearest 15 digits lie beyond it
    // (1,79769313486232e308), and such a text would not read back; the last
    // digit is taken toward zero there instead.
    constexpr double LargestReadBack = 1.79769313486231e308;
    if (std::fabs(value) > LargestReadBack) {
        significant = "179769313486231";
        exponent = 308;
    }
    while (significant.size() > 1 && significant.back() == '0')
        significant.pop_back();

    std::string integer;
    std::string fraction;
    if (exponent < 0) {
        integer = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + significant;
    } else if (static_cast<std::size_t>(exponent) + 1 >= significant.size()) {
        integer = significant + std::string(exponent + 1 - significant.size(), '0');
    } else {
        integer = significant.substr(0, static_cast<std::size_t>(exponent) + 1);
        fraction = significant.substr(static_cast<std::size_t>(exponent) + 1);
    }
    std::string result = negative ? "-" : "";
    result += integer;
    if (!fraction.empty())
        result += "," + fraction;
    return result;
}

std::string withoutGroupingMarks(std::string_view text)
{
    std::string result;
    for (char c : text)
        if (c != ',' && c != '.')
            result += c;
    return result;
}

} // namespace veltrane
