// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exact_fraction.h"

#include "core/digit_grouping.h"

#include <algorithm>

namespace veltrane {
namespace {

constexpr int MostDecimals = 60;

// Adds one unit in the last place of a string of digits; true when it
// carried out of the first digit.
bool incremented(std::string& digits)
{
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return false;
        }
        *digit = '0';
    }
    return true;
}

} // namespace

std::string wideDigits(Wide value)
{
    std::string digits;
    do {
        digits += static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

Wide roundedUp(Fraction value)
{
    return value.num / value.den + (value.num % value.den != 0 ? 1 : 0);
}

Wide roundedWhole(Fraction value)
{
    Wide whole = value.num / value.den;
    Wide twice = 2 * (value.num % value.den);
    if (twice > value.den || (twice == value.den && whole % 2 != 0))
        ++whole;
    return whole;
}

DecimalText roundedDecimal(Fraction value, int minDecimals, int significant)
{
    DecimalText text;
    Wide whole = value.num / value.den;
    Wide rest = value.num % value.den;
    text.whole = wideDigits(whole);
    int shown = whole != 0 ? static_cast<int>(text.whole.size()) : 0;
    int decimals = 0;
    while (rest != 0 && decimals < MostDecimals &&
           (decimals < minDecimals || shown < significant)) {
        rest *= 10;
        int digit = static_cast<int>(rest / value.den);
        rest %= value.den;
        text.fraction += static_cast<char>('0' + digit);
        ++decimals;
        if (shown > 0 || digit != 0)
            ++shown;
    }
    // Round on what is left, halves to the even neighbour.
    const std::string& last = text.fraction.empty() ? text.whole : text.fraction;
    bool lastOdd = (last.back() - '0') % 2 != 0;
    Wide twice = 2 * rest;
    if (twice > value.den || (twice == value.den && lastOdd)) {
        if (incremented(text.fraction) && incremented(text.whole))
            text.whole.insert(text.whole.begin(), '1');
    }
    text.fraction.erase(text.fraction.find_last_not_of('0') + 1);
    return text;
}

std::string plainText(const DecimalText& value)
{
    return value.fraction.empty() ? value.whole : value.whole + "." + value.fraction;
}

std::string groupedText(const DecimalText& value)
{
    std::string whole = groupedDigits(value.whole, '.');
    return value.fraction.empty() ? whole : whole + "," + value.fraction;
}

} // namespace veltrane
