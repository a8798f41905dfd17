// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the readers and the writer of number text.
//
// Input layout: the whole input is one field text, read by every reader
// (readNumber, readWhole32, readWhole16, readFixed, the key-rate readers
// and the Buff-In count and CPU-hours readers). When the input has at least
// 8 bytes, its first 8 bytes are also taken as the bit pattern of a double
// (host byte order) that goes through the writer, the rounding to decimals
// and the fixed-point conversion.
//
// Besides crashes and undefined behaviour it stops on any broken property:
// a text that reads as a number has the characters of one, the readers agree
// with each other, a key rate is a whole number of keys, and a number written
// by writeNumber reads back to the same written text.
#include "core/buffin.h"
#include "core/fixed_point.h"
#include "core/group_thousands.h"
#include "core/number_text.h"
#include "core/work_unit_rate.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

using namespace veltrane;

namespace {

#define CHECK(condition, text) FUZZ_CHECK(condition, text)

std::size_t digitCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        count += c >= '0' && c <= '9';
    return count;
}

// What the writer promises: an optional "-", digits, and optionally "," and
// digits that do not end in 0; at most 15 significant digits; never "-0".
void checkWrittenForm(std::string_view written)
{
    std::string_view rest = written;
    if (!rest.empty() && rest.front() == '-')
        rest.remove_prefix(1);
    CHECK(!rest.empty(), written);
    std::size_t comma = rest.find(',');
    std::string_view whole = rest.substr(0, comma);
    CHECK(!whole.empty() && digitCount(whole) == whole.size(), written);
    CHECK(whole.size() == 1 || whole.front() != '0', written);
    std::string significant(whole);
    if (comma != std::string_view::npos) {
        std::string_view fraction = rest.substr(comma + 1);
        CHECK(!fraction.empty() && digitCount(fraction) == fraction.size(), written);
        CHECK(fraction.back() != '0', written);
        significant += fraction;
    }
    std::size_t first = significant.find_first_not_of('0');
    CHECK(first != std::string::npos || written == "0", written);
    if (first != std::string::npos) {
        std::size_t last = significant.find_last_not_of('0');
        CHECK(last - first + 1 <= 15, written);
    }
}

// Writes a finite double and reads it back.
void checkWriter(double value, bool exactlyFifteenDigits)
{
    std::string written = writeNumber(value);
    if (!std::isfinite(value))
        return;
    checkWrittenForm(written);
    Result<double> back = readNumber(written);
    CHECK(back, written);
    CHECK(!std::signbit(*back) || *back != 0, written);
    // 15 significant digits: the text is within half a unit of its last digit.
    double tolerance = std::fabs(value) * 5.1e-15 + std::numeric_limits<double>::denorm_min();
    CHECK(std::fabs(*back - value) <= tolerance, written);
    CHECK(writeNumber(*back) == written, written);
    // A value read from a text of at most 15 digits is written back exactly.
    if (exactlyFifteenDigits)
        CHECK(*back == value, written);

    // Rounding to 2 decimals, as the rate fields are written.
    double rounded = roundToDecimals(value, 2);
    CHECK(std::isfinite(rounded), written);
    if (std::fabs(value) < 1e12) {
        CHECK(std::fabs(rounded - value) <= 0.005 + std::fabs(value) * 1e-15, written);
        std::string roundedText = writeNumber(rounded);
        std::size_t comma = roundedText.find(',');
        CHECK(comma == std::string::npos || roundedText.size() - comma - 1 <= 2, roundedText);
        Result<double> roundedBack = readNumber(roundedText);
        CHECK(roundedBack && *roundedBack == rounded, roundedText);
    }
    double whole = roundToWhole(value);
    if (std::fabs(value) < 1e15) {
        CHECK(whole == std::nearbyint(value), written);
        // A whole key rate written, grouped and read back is the same rate;
        // the rate paths of the main window write it so and path 0 reads it.
        std::string grouped = GroupThousands(writeNumber(whole));
        CHECK(withoutGroupingMarks(grouped) == writeNumber(whole), grouped);
        Result<double> groupedBack = readNumber(grouped);
        CHECK(groupedBack && *groupedBack == whole, grouped);
        Result<Fixed> key = readKeyRate(grouped);
        if (std::fabs(whole) < 9e14)
            CHECK(key && key->units() == static_cast<std::int64_t>(whole) * 10000, grouped);
    }

    Result<Fixed> fixed = Fixed::fromDouble(value);
    if (std::fabs(value) < 9e14) {
        CHECK(fixed, written);
        CHECK(std::fabs(fixed->toDouble() - value) <= 0.00005 + std::fabs(value) * 1e-15, written);
        std::int64_t units = fixed->units();
        std::int64_t wholeUnits = fixed->roundedWhole();
        // The whole value of the fixed-point number, halves to even.
        std::int64_t below = units / 10000 - (units % 10000 < 0);
        std::int64_t over = units - below * 10000;
        std::int64_t expected = over > 5000 || (over == 5000 && below % 2 != 0) ? below + 1 : below;
        CHECK(wholeUnits == expected, written);
    } else if (std::fabs(value) >= 1e15) {
        CHECK(!fixed && fixed.error() == CalcError::OutOfRange, written);
    }
}

void checkReaders(std::string_view text)
{
    Result<double> number = readNumber(text);
    Result<std::int32_t> whole = readWhole32(text);
    Result<std::int16_t> small = readWhole16(text);
    Result<Fixed> fixed = readFixed(text);

    if (number) {
        // Only sign, digits, marks and blanks make a number; at most one ",".
        CHECK(digitCount(text) > 0, text);
        CHECK(text.find_first_not_of(" \t+-0123456789,.") == std::string_view::npos, text);
        CHECK(text.find(',') == text.rfind(','), text);
        CHECK(std::isfinite(*number), text);
        CHECK(!std::signbit(*number) || *number != 0, text);
    }

    // One grammar for every reader: not a number for one is not a number for all.
    bool notANumber = !number && number.error() == CalcError::NotANumber;
    CHECK(notANumber == (!whole && whole.error() == CalcError::NotANumber), text);
    CHECK(notANumber == (!small && small.error() == CalcError::NotANumber), text);
    CHECK(notANumber == (!fixed && fixed.error() == CalcError::NotANumber), text);
    // A text that reads as a whole number or a fixed-point number is a number.
    CHECK(!whole || number, text);
    CHECK(!fixed || number, text);

    if (whole && number) {
        double distance = std::fabs(*number - *whole);
        CHECK(distance <= 0.5 + std::fabs(*number) * 1e-15, text);
        // A tie of a short text goes to the even neighbour.
        if (distance == 0.5 && digitCount(text) <= 15)
            CHECK(*whole % 2 == 0, text);
    }
    if (number && std::fabs(*number) < 2e9)
        CHECK(whole, text);
    if (small)
        CHECK(whole && *whole == *small, text);
    else if (whole)
        CHECK(*whole < -32768 || *whole > 32767, text);
    if (fixed && number)
        CHECK(std::fabs(fixed->toDouble() - *number) <= 0.00005 + std::fabs(*number) * 1e-15, text);
    if (number && std::fabs(*number) < 9e14)
        CHECK(fixed, text);

    // Key rates: every "," and "." is a grouping mark, so the rate is whole.
    Result<Fixed> key = readKeyRate(text);
    Result<double> buffInKey = readBuffInKeyRate(text);
    if (key) {
        CHECK(key->units() % 10000 == 0, text);
        CHECK(buffInKey, text);
        std::int64_t keys = key->units() / 10000;
        if (keys > -(std::int64_t(1) << 53) && keys < (std::int64_t(1) << 53))
            CHECK(*buffInKey == static_cast<double>(keys), text);
    }
    if (buffInKey) {
        CHECK(*buffInKey == std::nearbyint(*buffInKey), text);
        if (std::fabs(*buffInKey) < 9e14)
            CHECK(key, text);
    }
    CHECK(!key || buffInKey, text);

    // The Buff-In count: a whole number; far below the range is below 10 all the same.
    Result<std::int32_t> count = readBuffInCount(text);
    if (whole)
        CHECK(count && *count == *whole, text);
    else if (count)
        CHECK(*count == std::numeric_limits<std::int32_t>::min() && number && *number < 0, text);
    else
        CHECK(count.error() == whole.error(), text);

    // CPU hours divide the Buff-In time, so 0 is refused.
    Result<std::int32_t> hours = readBuffInCpuHours(text);
    if (whole && *whole == 0)
        CHECK(!hours && hours.error() == CalcError::ZeroCpuHours, text);
    else if (whole)
        CHECK(hours && *hours == *whole, text);
    else
        CHECK(!hours && hours.error() == whole.error(), text);

    if (number)
        checkWriter(*number, digitCount(text) <= 15);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReaders(text);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkWriter(value, false);
    }
    return 0;
}
