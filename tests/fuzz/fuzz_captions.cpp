// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: DurationText, the time of one work unit and the progress
// captions, over their whole input range.
//
// Input layout (read with FuzzedDataProvider, so any bytes will do):
//   - 1 byte:  option bits: 1 ShowDays, 2 ShowWeeks, 4 InMilliseconds,
//              8 ShowMilliseconds
//   - 8 bytes: a signed 64-bit count for DurationText, and the same bits
//              as the units of a fixed-point time of one work unit
//   - 8 bytes: the bit pattern of a double, written as a field would show
//              it, rounded to 2 decimals, and captioned
//   - the rest: a field text, captioned as it stands
// FuzzedDataProvider takes the integers from the end of the input and the
// text from the front, so a plain text file is a useful seed: the text
// comes first and the last bytes make the numbers.
//
// Properties: the duration text has the layout the program shows (months,
// weeks and days only where asked for, "0" before minutes and seconds below
// 10, hours 0 to 23 when days are counted, milliseconds without leading
// zeros) and its parts add up to the count; a caption keeps the whole part,
// ends in "%" and shows the hundredths of a number written with 2 decimals.
#include "core/duration_text.h"
#include "core/fixed_point.h"
#include "core/number_text.h"
#include "core/progress_caption.h"
#include "core/work_unit_rate.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

using namespace veltrane;

namespace {

#define CHECK(condition, text) FUZZ_CHECK(condition, text)

struct Options
{
    bool days, weeks, inMs, showMs;
};

// Reads plain decimal digits without leading zeros; nothing when there are none.
std::optional<unsigned __int128> plainNumber(std::string_view& text)
{
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9')
        ++n;
    if (n == 0 || n > 20 || (n > 1 && text[0] == '0'))
        return std::nullopt;
    unsigned __int128 value = 0;
    for (std::size_t i = 0; i < n; ++i)
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    text.remove_prefix(n);
    return value;
}

bool literal(std::string_view& text, std::string_view piece)
{
    if (text.substr(0, piece.size()) != piece)
        return false;
    text.remove_prefix(piece.size());
    return true;
}

// Exactly two digits, below 60.
std::optional<unsigned> clockPair(std::string_view& text)
{
    if (text.size() < 2 || text[0] < '0' || text[0] > '5' || text[1] < '0' || text[1] > '9')
        return std::nullopt;
    unsigned value = static_cast<unsigned>((text[0] - '0') * 10 + (text[1] - '0'));
    text.remove_prefix(2);
    return value;
}

// Checks the layout of a duration text and gives back the count it stands for.
void checkDuration(std::int64_t count, Options o, const std::string& written)
{
    std::string_view rest = written;
    bool negative = literal(rest, "-");
    CHECK(negative == (count < 0), written);
    unsigned __int128 months = 0, weeks = 0, days = 0;
    if (o.weeks) {
        std::string_view probe = rest;
        std::optional<unsigned __int128> first = plainNumber(probe);
        CHECK(first, written);
        if (literal(probe, " Months ")) {
            CHECK(*first > 0, written); // a months count of 0 is left out
            months = *first;
            rest = probe;
            first = plainNumber(rest);
            CHECK(first, written);
        } else {
            rest = probe;
        }
        CHECK(literal(rest, " Weeks "), written);
        weeks = *first;
        CHECK(weeks < 4, written);
        if (!o.days)
            CHECK(weeks == 0 && months == 0, written);
    }
    if (o.days) {
        std::optional<unsigned __int128> d = plainNumber(rest);
        CHECK(d, written);
        CHECK(literal(rest, " Days "), written);
        days = *d;
        if (o.weeks)
            CHECK(days < 7, written);
    }
    std::optional<unsigned __int128> hours = plainNumber(rest);
    CHECK(hours, written);
    if (o.days)
        CHECK(*hours < 24, written);
    CHECK(literal(rest, ":"), written);
    std::optional<unsigned> minutes = clockPair(rest);
    CHECK(minutes, written);
    CHECK(literal(rest, ":"), written);
    std::optional<unsigned> seconds = clockPair(rest);
    CHECK(seconds, written);
    unsigned __int128 ms = 0;
    if (o.showMs) {
        CHECK(literal(rest, ":"), written);
        std::optional<unsigned __int128> m = plainNumber(rest);
        CHECK(m && *m < 1000, written);
        ms = *m;
        if (!o.inMs)
            CHECK(ms == 0, written);
    }
    CHECK(rest.empty(), written);

    unsigned __int128 total =
        (((months * 4 + weeks) * 7 + days) * 24 + *hours) * 3600 + *minutes * 60 + *seconds;
    unsigned __int128 magnitude =
        count < 0 ? 0 - static_cast<unsigned __int128>(static_cast<__int128>(count))
                  : static_cast<unsigned __int128>(count);
    if (o.inMs) {
        // Milliseconds that are not shown are dropped, not rounded.
        CHECK(total == magnitude / 1000, written);
        if (o.showMs)
            CHECK(ms == magnitude % 1000, written);
    } else {
        CHECK(total == magnitude, written);
    }
}

// The whole part of the caption, then " WU's ", then the progress, then "%".
void checkCaption(const std::string& field)
{
    std::optional<std::string> caption = progressCaptionText(field);
    if (field.empty()) {
        CHECK(!caption, field);
        return;
    }
    CHECK(caption, field);
    std::size_t comma = field.find(',');
    std::string whole = field.substr(0, comma);
    CHECK(caption->compare(0, whole.size() + 6, whole + " WU's ") == 0, *caption);
    CHECK(!caption->empty() && caption->back() == '%', *caption);
    std::string progress = caption->substr(whole.size() + 6, caption->size() - whole.size() - 7);
    if (comma == std::string::npos) {
        CHECK(progress == "0", *caption);
        return;
    }
    std::string fraction = field.substr(comma + 1);
    bool ascii = true;
    for (unsigned char c : fraction)
        ascii = ascii && c < 0x80;
    if (ascii && fraction.size() >= 2)
        CHECK(progress == fraction, *caption); // copied as it stands
    else if (fraction.size() == 1 && fraction[0] >= '0' && fraction[0] <= '9')
        CHECK(progress == std::to_string((fraction[0] - '0') * 10), *caption); // tenths
    else if (progress != fraction)
        CHECK(progress == "0", *caption); // still being typed, or no digit
}

// A number as a work-unit field shows it: whole units and hundredths.
void checkWorkUnitCaption(double value)
{
    double rounded = roundToDecimals(value, 2);
    std::string field = writeNumber(rounded);
    checkCaption(field);
    if (!std::isfinite(value) || std::fabs(value) >= 1e12)
        return;
    std::string caption = *progressCaptionText(field);
    std::size_t mark = caption.find(" WU's ");
    CHECK(mark != std::string::npos, caption);
    Result<double> whole = readNumber(caption.substr(0, mark));
    CHECK(whole && *whole == std::trunc(rounded), caption);
    Result<std::int32_t> percent = readWhole32(caption.substr(mark + 6, caption.size() - mark - 7));
    CHECK(percent, caption);
    double hundredths = std::fabs(rounded - std::trunc(rounded)) * 100;
    CHECK(*percent == std::nearbyint(hundredths), caption);
}

void checkWorkUnitTime(std::int64_t units)
{
    Fixed time = Fixed::fromUnits(units);
    std::int64_t whole = time.roundedWhole();
    std::int64_t thousandths = time.roundedThousandths();
    // Rounded to the nearest whole second, and millisecond, halves to even.
    __int128 exact = units;
    __int128 twiceOff = 2 * (__int128(whole) * 10000 - exact);
    std::string context = std::to_string(units);
    CHECK(twiceOff >= -10000 && twiceOff <= 10000, context);
    if (twiceOff == 10000 || twiceOff == -10000)
        CHECK(whole % 2 == 0, context);
    twiceOff = 2 * (__int128(thousandths) * 10 - exact);
    CHECK(twiceOff >= -10 && twiceOff <= 10, context);
    if (twiceOff == 10 || twiceOff == -10)
        CHECK(thousandths % 2 == 0, context);
    checkDuration(whole, {false, false, false, false}, wuDurationText(time, false));
    checkDuration(thousandths, {false, false, true, true}, wuDurationText(time, true));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    std::uint8_t bits = provider.ConsumeIntegral<std::uint8_t>();
    std::int64_t count = provider.ConsumeIntegral<std::int64_t>();
    std::uint64_t pattern = provider.ConsumeIntegral<std::uint64_t>();
    std::string field = provider.ConsumeRemainingBytesAsString();

    Options o{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
    checkDuration(count, o, DurationText(count, o.days, o.weeks, o.inMs, o.showMs));
    // The counts the program passes fit 32 bits; those get the same checks.
    std::int32_t small = static_cast<std::int32_t>(count);
    checkDuration(small, o, DurationText(small, o.days, o.weeks, o.inMs, o.showMs));
    checkWorkUnitTime(count);

    double value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    checkWorkUnitCaption(value);
    checkCaption(field);
    return 0;
}
