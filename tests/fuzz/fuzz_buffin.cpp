// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the Buff-In arithmetic and its sentence.
//
// Input layout: lines separated by "\n" (a missing line is an empty text,
// lines after the fourth are ignored):
//   1. the count of work units in the buffer ("1000")
//   2. the key rate as the main window shows it ("641.440")
//   3. the CPU hours a day ("12")
//   4. the value of the CPU-time check box, as a whole number: 1 checked,
//      anything else unchecked
//
// The inputs go through the checks of the Buff-In window first (checkBuffIn):
// a count that does not read stops, a count below 10 becomes 10, a key rate
// that does not read, is 0 or is below 10,000 stops, and so do CPU hours that
// count and do not read or read as 0. The checks must agree with the readers
// they stand on; what they accept must give a
// working time close to 2^32 x count / key rate (divided by hours / 24 when
// the CPU time counts), or a refusal for the CPU hours or the range; the
// sentence carries both duration forms of the same whole seconds, the count,
// the key rate as typed and the hours text.
#include "core/buffin.h"
#include "core/duration_text.h"
#include "core/number_text.h"
#include "core/work_unit_rate.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using namespace veltrane;

namespace {

std::string g_input; // for the report of a broken property

#define CHECK(condition) FUZZ_CHECK(condition, g_input)

// Whole seconds of a fixed-point time, halves to even.
std::int64_t wholeSeconds(Fixed time)
{
    std::int64_t units = time.units();
    std::int64_t below = units / 10000 - (units % 10000 < 0);
    std::int64_t over = units - below * 10000;
    return over > 5000 || (over == 5000 && below % 2 != 0) ? below + 1 : below;
}

void checkSentence(const BuffInInputs& inputs, Fixed time, const std::string& sentence)
{
    std::int64_t seconds = wholeSeconds(time);
    std::string_view rest = sentence;
    const std::string_view opening = "It's gonna take ";
    CHECK(rest.substr(0, opening.size()) == opening);
    rest.remove_prefix(opening.size());
    std::size_t open = rest.find(" (or ");
    CHECK(open != std::string_view::npos);
    CHECK(rest.substr(0, open) == DurationText(seconds, true, true, false, false));
    rest.remove_prefix(open + 5);
    std::size_t close = rest.find(')');
    CHECK(close != std::string_view::npos);
    CHECK(rest.substr(0, close) == DurationText(seconds, true, false, false, false));
    rest.remove_prefix(close + 1);
    std::string hoursText =
        inputs.reckonWithCpuTime ? inputs.cpuHoursText + " hours a day!" : "24 on 24";
    CHECK(rest == " for " + std::to_string(inputs.wuCount) + " Wu's @ " + inputs.keyRateText +
                      " keys/sec, if the pc is running " + hoursText);
}

// The checks agree with the readers, in their order.
void checkTheChecks(const std::vector<std::string>& line, bool reckonWithCpuTime,
                    const BuffInCheck& checked)
{
    Result<std::int32_t> count = readBuffInCount(line[0]);
    if (!count) {
        CHECK(checked.outcome == BuffInOutcome::CountUnreadable && checked.error == count.error());
        return;
    }
    CHECK(checked.countRaised == (*count < SmallestBuffer));
    CHECK(checked.inputs.wuCount == std::max(*count, SmallestBuffer));
    Result<double> keyRate = readBuffInKeyRate(line[1]);
    if (!keyRate) {
        CHECK(checked.outcome == BuffInOutcome::KeyRateUnreadable &&
              checked.error == keyRate.error());
        return;
    }
    if (*keyRate == 0) {
        CHECK(checked.outcome == BuffInOutcome::ZeroKeys);
        return;
    }
    if (*keyRate < static_cast<double>(LowestKeyRate)) {
        CHECK(checked.outcome == BuffInOutcome::KeyRateTooLow);
        return;
    }
    Result<std::int32_t> cpu = readBuffInCpuHours(line[2]);
    if (reckonWithCpuTime && !cpu) {
        CHECK(checked.outcome == BuffInOutcome::CpuHoursUnusable && checked.error == cpu.error());
        return;
    }
    CHECK(checked.outcome == BuffInOutcome::Accepted);
    CHECK(checked.inputs.keyRate == *keyRate && checked.inputs.keyRateText == line[1]);
    CHECK(checked.inputs.reckonWithCpuTime == reckonWithCpuTime &&
          checked.inputs.cpuHoursText == line[2]);
}

void check(const std::vector<std::string>& line)
{
    Result<std::int32_t> box = readWhole32(line[3]);
    const bool reckonWithCpuTime = box && *box == 1;
    const BuffInCheck checked = checkBuffIn(line[0], line[1], reckonWithCpuTime, line[2]);
    checkTheChecks(line, reckonWithCpuTime, checked);
    // Refused CPU hours go on: the working time must refuse them too.
    if (checked.outcome != BuffInOutcome::Accepted &&
        checked.outcome != BuffInOutcome::CpuHoursUnusable)
        return;
    const BuffInInputs& inputs = checked.inputs;
    const std::int32_t wuCount = inputs.wuCount;

    Result<Fixed> time = buffInWorkingTime(inputs);
    Result<std::string> sentence = buffInSentence(inputs);
    CHECK(time.ok() == sentence.ok());
    if (!time)
        CHECK(sentence.error() == time.error());

    double exact = KeysPerWu * wuCount / inputs.keyRate;
    double hours = 24;
    if (inputs.reckonWithCpuTime) {
        Result<std::int32_t> cpu = readWhole32(inputs.cpuHoursText);
        // CPU hours that do not read, or read as 0, refuse the calculation.
        if (!cpu) {
            CHECK(!time && time.error() == cpu.error());
            return;
        }
        if (*cpu == 0) {
            CHECK(!time && time.error() == CalcError::ZeroCpuHours);
            return;
        }
        hours = *cpu;
        exact /= hours / 24;
    }
    // Within the fixed-point range the time is there; beyond it, refused.
    if (std::fabs(exact) < 9e14) {
        CHECK(time);
    } else if (std::fabs(exact) > 1e15) {
        CHECK(!time && time.error() == CalcError::OutOfRange);
        return;
    }
    if (!time)
        return;
    // Rounded to four decimals twice: before and after the hours divide it.
    double tolerance = 0.00005 * (1 + 24 / std::fabs(hours)) + std::fabs(exact) * 1e-14;
    CHECK(std::fabs(time->toDouble() - exact) <= tolerance);
    CHECK((time->units() < 0) == (hours < 0) || time->isZero());

    checkSentence(inputs, *time, *sentence);

    // With 24 CPU hours the time is that of a computer running all day. The
    // time goes through a double on the way, which holds all four decimals
    // only up to about 9e11 seconds; beyond 2^31 seconds (68 years), whose
    // figure the calculation does not promise, the whole seconds suffice.
    if (inputs.reckonWithCpuTime && hours == 24) {
        BuffInInputs allDay = inputs;
        allDay.reckonWithCpuTime = false;
        Result<Fixed> allDayTime = buffInWorkingTime(allDay);
        CHECK(allDayTime);
        if (wholeSeconds(*allDayTime) <= std::numeric_limits<std::int32_t>::max())
            CHECK(*allDayTime == *time);
        else
            CHECK(std::abs(wholeSeconds(*allDayTime) - wholeSeconds(*time)) <= 1);
    }
    // More work units never take less time.
    if (hours > 0 && wuCount < std::numeric_limits<std::int32_t>::max()) {
        BuffInInputs more = inputs;
        more.wuCount = wuCount + 1;
        Result<Fixed> moreTime = buffInWorkingTime(more);
        if (moreTime)
            CHECK(*moreTime >= *time);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    g_input.assign(input);
    check(fuzz::inputLines(input, 4));
    return 0;
}
