// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_report.h"

#include "core/digit_grouping.h"
#include "core/rate_text.h"

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace veltrane::cli {
namespace {

std::string grouped(Wide whole)
{
    return groupedDigits(wideDigits(whole), '.');
}

// Work units for a person: two decimals, more for a figure below 0,01.
std::string wusText(Fraction wus)
{
    return groupedText(roundedDecimal(wus, 2, 3));
}

std::string hoursText(const CliAnswer& answer)
{
    return groupedText(roundedDecimal({answer.hours.hours, answer.hours.per}, 4, 0));
}

std::string twoDigits(Wide value)
{
    return (value < 10 ? "0" : "") + wideDigits(value);
}

// "1:51:35,821": hours, minutes, seconds and milliseconds.
std::string clockText(Wide milliseconds)
{
    Wide seconds = milliseconds / 1000;
    std::array<char, 8> ms{};
    std::snprintf(ms.data(), ms.size(), "%03u", static_cast<unsigned>(milliseconds % 1000));
    return wideDigits(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
           twoDigits(seconds % 60) + "," + ms.data();
}

std::string wuTimeText(std::uint64_t keyRate)
{
    Fraction seconds = secondsPerWu(keyRate);
    std::string text = groupedText(roundedDecimal(seconds, 3, 3)) + " s";
    Wide milliseconds = roundedWhole({seconds.num * 1000, seconds.den});
    if (milliseconds >= 60'000)
        text += " (" + clockText(milliseconds) + ")";
    return text;
}

std::string keyRateText(const CliAnswer& answer)
{
    std::string text = windowRateText(answer.keyRate) + " keys/s";
    std::vector<std::string> notes;
    if (answer.rateCount > 1)
        notes.push_back(std::to_string(answer.rateCount) + " rates added up");
    if (answer.times > 1)
        notes.push_back("times " + grouped(answer.times));
    if (!notes.empty())
        text += " (" + notes.front() + (notes.size() > 1 ? ", " + notes.back() : "") + ")";
    return text;
}

// Hours a day and done work units, where they were given.
std::string conditions(const CliAnswer& answer, bool withDone)
{
    std::vector<std::string> notes;
    if (answer.hoursText)
        notes.push_back(hoursText(answer) + " hours a day");
    if (withDone && answer.done)
        notes.push_back(grouped(*answer.done) + " done");
    if (notes.empty())
        return "";
    return " (" + notes.front() + (notes.size() > 1 ? ", " + notes.back() : "") + ")";
}

std::string jsonString(std::string_view text)
{
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            result += "\\\"";
            break;
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escaped{};
                std::snprintf(escaped.data(), escaped.size(), "\\u%04x",
                              static_cast<unsigned>(static_cast<unsigned char>(c)));
                result += escaped.data();
            } else {
                result += c;
            }
        }
    }
    return result + "\"";
}

std::string jsonNumber(Fraction value)
{
    return plainText(roundedDecimal(value, 0, 15));
}

std::string jsonNumber(Wide value)
{
    return wideDigits(value);
}

// A JSON object written member by member, two blanks an indent.
class JsonObject
{
public:
    explicit JsonObject(int depth = 1) : m_depth(depth) {}

    JsonObject& add(std::string_view name, std::string value)
    {
        m_members.emplace_back(jsonString(name), std::move(value));
        return *this;
    }
    std::string text() const
    {
        std::string indent(static_cast<std::size_t>(m_depth) * 2, ' ');
        std::string result = "{";
        for (std::size_t i = 0; i < m_members.size(); ++i)
            result += (i ? ",\n" : "\n") + indent + m_members[i].first + ": " + m_members[i].second;
        return result + "\n" + indent.substr(2) + "}";
    }

private:
    int m_depth;
    std::vector<std::pair<std::string, std::string>> m_members;
};

std::string jsonHours(const CliAnswer& answer)
{
    return jsonNumber(Fraction{answer.hours.hours, answer.hours.per});
}

} // namespace

std::string weeksDaysText(Wide seconds)
{
    Wide days = seconds / 86400;
    Wide rest = seconds % 86400;
    return grouped(days / 7) + " weeks " + wideDigits(days % 7) + " days " +
           wideDigits(rest / 3600) + ":" + twoDigits(rest / 60 % 60) + ":" + twoDigits(rest % 60);
}

std::string personReport(const CliAnswer& answer)
{
    std::vector<std::pair<std::string, std::string>> lines;
    lines.emplace_back("Key rate", keyRateText(answer));
    lines.emplace_back("Time of 1 WU", wuTimeText(answer.keyRate));
    lines.emplace_back("WU's per hour", wusText(wusPerHour(answer.keyRate)));
    lines.emplace_back("WU's per day", wusText(wusPerDay(answer.keyRate)));
    if (answer.hoursText)
        lines.emplace_back("WU's in " + hoursText(answer) + " hours",
                           wusText(wusInHours(answer.keyRate, answer.hours)));
    if (const auto& span = answer.span) {
        lines.emplace_back("Span", isoDateText(span->from) + " to " + isoDateText(span->to) + ", " +
                                       grouped(static_cast<Wide>(span->days)) + " days");
        lines.emplace_back("WU's in the span", wusText(span->wus) + conditions(answer, true));
    }
    if (const auto& buffer = answer.buffer) {
        lines.emplace_back(grouped(buffer->wus) + " WU's last",
                           weeksDaysText(buffer->wholeSeconds) + conditions(answer, false));
        lines.emplace_back("Buffer empty on", buffer->emptyAt);
    }
    if (const auto& last = answer.last)
        lines.emplace_back("Buffer for " + grouped(static_cast<Wide>(last->days)) + " days",
                           grouped(last->wus) + " WU's" + conditions(answer, false));
    if (const auto& target = answer.target) {
        std::string when = target->days == 0
                               ? "already, on " + isoDateText(target->reachedOn)
                               : "on " + isoDateText(target->reachedOn) + ", day " +
                                     grouped(target->days) + " from " + isoDateText(target->start);
        lines.emplace_back(grouped(target->wus) + " WU's reached", when + conditions(answer, true));
    }

    std::size_t width = 0;
    for (const auto& line : lines)
        width = std::max(width, line.first.size());
    std::string text;
    for (const auto& [label, value] : lines)
        text += label + ":" + std::string(width + 2 - label.size(), ' ') + value + "\n";
    return text;
}

std::string jsonReport(const CliAnswer& answer)
{
    JsonObject json;
    json.add("key_rate", jsonNumber(Wide(answer.keyRate)))
        .add("rates_added", std::to_string(answer.rateCount))
        .add("times", std::to_string(answer.times))
        .add("seconds_per_wu", jsonNumber(secondsPerWu(answer.keyRate)))
        .add("wus_per_hour", jsonNumber(wusPerHour(answer.keyRate)))
        .add("wus_per_day", jsonNumber(wusPerDay(answer.keyRate)));
    if (answer.hoursText)
        json.add("hours", JsonObject(2)
                              .add("hours_per_day", jsonHours(answer))
                              .add("wus", jsonNumber(wusInHours(answer.keyRate, answer.hours)))
                              .text());
    if (const auto& span = answer.span)
        json.add("span", JsonObject(2)
                             .add("from", jsonString(isoDateText(span->from)))
                             .add("to", jsonString(isoDateText(span->to)))
                             .add("days", std::to_string(span->days))
                             .add("hours_per_day", jsonHours(answer))
                             .add("done", std::to_string(answer.done.value_or(0)))
                             .add("wus", jsonNumber(span->wus))
                             .text());
    if (const auto& buffer = answer.buffer)
        json.add("buffer", JsonObject(2)
                               .add("wus", std::to_string(buffer->wus))
                               .add("hours_per_day", jsonHours(answer))
                               .add("seconds", jsonNumber(buffer->seconds))
                               .add("empty_at", jsonString(buffer->emptyAt))
                               .text());
    if (const auto& last = answer.last)
        json.add("last", JsonObject(2)
                             .add("days", std::to_string(last->days))
                             .add("hours_per_day", jsonHours(answer))
                             .add("wus", jsonNumber(last->wus))
                             .text());
    if (const auto& target = answer.target)
        json.add("target", JsonObject(2)
                               .add("wus", std::to_string(target->wus))
                               .add("done", std::to_string(answer.done.value_or(0)))
                               .add("hours_per_day", jsonHours(answer))
                               .add("from", jsonString(isoDateText(target->start)))
                               .add("days", jsonNumber(target->days))
                               .add("date", jsonString(isoDateText(target->reachedOn)))
                               .text());
    if (answer.summary)
        json.add("summary", jsonString(*answer.summary));
    return json.text() + "\n";
}

} // namespace veltrane::cli
