// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the reader of key-rate texts and the search for the last rate
// in a client log.
//
// Input layout: the whole input is one rate text, and also one log.
//
// Besides crashes and undefined behaviour it stops on any broken property:
// a rate that reads is from 1 to 10^15 keys/s and reads back to the same
// value when written in the window's form, with a unit, and as the client
// prints it; the rate found in a log is a piece of the log that reads.
#include "core/digit_grouping.h"
#include "core/rate_text.h"
#include "fuzz_support.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace veltrane;

namespace {

#define CHECK(condition, text) FUZZ_CHECK(condition, text)

bool readsAs(const std::string& text, std::uint64_t value)
{
    Result<std::uint64_t, RateTextError> again = readRateText(text);
    return again && *again == value;
}

void checkRate(std::string_view text)
{
    Result<std::uint64_t, RateTextError> rate = readRateText(text);
    if (!rate)
        return;
    const std::uint64_t value = *rate;
    CHECK(value >= 1 && value <= LargestExactKeyRate, text);
    CHECK(readsAs(windowRateText(value), value), text);
    CHECK(readsAs(unitRateText(value), value), text);
    const std::string digits = std::to_string(value);
    CHECK(readsAs("[" + groupedDigits(digits, ',') + " keys/sec]", value), text);
    CHECK(readsAs(groupedDigits(digits, ' ') + " keys/s", value), text);
    // The same text in brackets is the same rate.
    if (text.find('[') == std::string_view::npos)
        CHECK(readsAs("[" + std::string(text) + "]", value), text);
}

void checkLog(std::string_view log)
{
    std::optional<std::string> found = lastRateTextIn(log);
    if (!found)
        return;
    CHECK(log.find(*found) != std::string_view::npos, log);
    Result<std::uint64_t, RateTextError> rate = readRateText(*found);
    CHECK(rate || rate.error() != RateTextError::NotARate, log);
    // Nothing after it is a rate: the same search over the rest finds none
    // that ends later.
    std::size_t at = log.rfind(*found);
    std::string_view after = log.substr(at + found->size());
    std::optional<std::string> later = lastRateTextIn(after);
    CHECK(!later, log);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    checkRate(text);
    checkLog(text);
    return 0;
}
