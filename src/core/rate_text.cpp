// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rate_text.h"

#include "core/digit_grouping.h"

#include <array>
#include <vector>

namespace veltrane {
namespace {

// More characters than any rate up to 10^15 takes, marks and blanks included.
constexpr std::size_t LongestRateText = 64;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The length of a blank, tab or no-break space (U+00A0, U+202F) at the start
// of the text, or 0.
std::size_t blankAt(std::string_view text)
{
    if (text.empty())
        return 0;
    if (text[0] == ' ' || text[0] == '\t')
        return 1;
    if (text.substr(0, 2) == "\xC2\xA0")
        return 2;
    if (text.substr(0, 3) == "\xE2\x80\xAF")
        return 3;
    return 0;
}

std::size_t blankBefore(std::string_view text)
{
    for (std::size_t length : {1, 2, 3})
        if (text.size() >= length && blankAt(text.substr(text.size() - length)) == length)
            return length;
    return 0;
}

std::string_view trimmed(std::string_view text)
{
    while (std::size_t length = blankAt(text))
        text.remove_prefix(length);
    while (std::size_t length = blankBefore(text))
        text.remove_suffix(length);
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

// The power of ten of a unit prefix, or -1.
int prefixPower(char c)
{
    switch (c) {
    case 'k':
    case 'K':
        return 3;
    case 'M':
        return 6;
    case 'G':
        return 9;
    case 'T':
        return 12;
    default:
        return -1;
    }
}

// The "keys/s" word at the start of the text, with what may follow it; its
// length, or 0.
std::size_t keysWordAt(std::string_view text)
{
    for (std::string_view word : {"keys/sec", "keys/s", "key/sec", "key/s"})
        if (startsWithNoCase(text, word))
            return word.size();
    return 0;
}

struct Unit
{
    int power = 0; // 0 without a prefix
    bool hasPrefix = false;
};

// Reads what follows the number: nothing, a prefix, "keys/s", or both.
std::optional<Unit> readUnit(std::string_view text)
{
    Unit unit;
    if (text.empty() || keysWordAt(text) == text.size())
        return unit;
    if (int power = prefixPower(text[0]); power >= 0) {
        unit.power = power;
        unit.hasPrefix = true;
        text.remove_prefix(1);
        text = trimmed(text);
        if (text.empty())
            return unit;
    }
    std::size_t word = keysWordAt(text);
    if (word == 0 || word != text.size())
        return std::nullopt;
    return unit;
}

struct Digits
{
    std::string whole;
    std::string fraction;
};

// The digits of a number whose grouping marks stand between digits. With a
// unit, "." is the decimal point and "," groups before three digits;
// without, "," and "." group anywhere. Blanks group before three digits.
std::optional<Digits> readDigits(std::string_view text, bool withUnit)
{
    Digits digits;
    bool inFraction = false;
    bool afterDigit = false;
    std::size_t groupNeedsThree = std::string::npos; // where a three-digit group began
    auto closeGroup = [&](std::size_t end) {
        bool ok = groupNeedsThree == std::string::npos || end - groupNeedsThree == 3;
        groupNeedsThree = std::string::npos;
        return ok;
    };
    std::string* current = &digits.whole;
    for (std::size_t i = 0; i < text.size();) {
        char c = text[i];
        if (isDigit(c)) {
            *current += c;
            afterDigit = true;
            ++i;
            continue;
        }
        std::size_t blank = blankAt(text.substr(i));
        bool decimalPoint = withUnit && c == '.';
        bool threeGroup = blank > 0 || (withUnit && c == ',');
        bool anyGroup = !withUnit && (c == ',' || c == '.');
        if (!decimalPoint && !threeGroup && !anyGroup)
            return std::nullopt;
        if (!afterDigit || inFraction)
            return std::nullopt; // a mark stands after a digit, and none in the fraction
        if (!closeGroup(current->size()))
            return std::nullopt;
        std::size_t length = blank > 0 ? blank : 1;
        if (i + length >= text.size() || !isDigit(text[i + length]))
            return std::nullopt; // ... and before one
        if (decimalPoint) {
            inFraction = true;
            current = &digits.fraction;
        } else if (threeGroup) {
            groupNeedsThree = current->size();
        }
        afterDigit = false;
        i += length;
    }
    if (!closeGroup(current->size()) || digits.whole.empty())
        return std::nullopt;
    return digits;
}

Result<std::uint64_t, RateTextError> valueOf(const Digits& digits, int power)
{
    // The fraction digits beyond the unit must be zeros: keys come whole.
    std::string whole = digits.whole;
    for (int i = 0; i < power; ++i)
        whole += static_cast<std::size_t>(i) < digits.fraction.size() ? digits.fraction[i] : '0';
    if (digits.fraction.size() > static_cast<std::size_t>(power) &&
        digits.fraction.find_first_not_of('0', power) != std::string::npos)
        return RateTextError::FractionOfAKey;
    std::size_t first = whole.find_first_not_of('0');
    if (first == std::string::npos)
        return RateTextError::ZeroOrBelow;
    whole.erase(0, first);
    if (whole.size() > 16)
        return RateTextError::TooLarge;
    std::uint64_t value = 0;
    for (char c : whole)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > LargestExactKeyRate)
        return RateTextError::TooLarge;
    return value;
}

// Splits a rate into its number and its unit: the number ends before the
// first letter, and blanks between the two belong to neither.
Result<std::uint64_t, RateTextError> readUnsigned(std::string_view text)
{
    std::size_t letter = 0;
    while (letter < text.size() && !((text[letter] >= 'a' && text[letter] <= 'z') ||
                                     (text[letter] >= 'A' && text[letter] <= 'Z')))
        ++letter;
    std::optional<Unit> unit = readUnit(text.substr(letter));
    if (!unit)
        return RateTextError::NotARate;
    std::optional<Digits> digits = readDigits(trimmed(text.substr(0, letter)), unit->hasPrefix);
    if (!digits)
        return RateTextError::NotARate;
    return valueOf(*digits, unit->power);
}

} // namespace

Result<std::uint64_t, RateTextError> readRateText(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '[') {
        if (text.back() != ']')
            return RateTextError::NotARate;
        text = trimmed(text.substr(1, text.size() - 2));
    }
    if (!text.empty() && text.front() == '-') {
        // A negative rate is named as such, when the rest reads as a number.
        Result<std::uint64_t, RateTextError> rest = readUnsigned(trimmed(text.substr(1)));
        if (rest || rest.error() != RateTextError::NotARate)
            return RateTextError::ZeroOrBelow;
        return RateTextError::NotARate;
    }
    return readUnsigned(text);
}

std::optional<std::string> lastRateTextIn(std::string_view log)
{
    std::size_t end = log.size();
    while (end > 0) {
        // The last "keys/s" before end, in any case.
        std::size_t at = std::string_view::npos;
        for (std::size_t i = end; i-- > 0;) {
            if (keysWordAt(log.substr(i)) > 0) {
                at = i;
                break;
            }
        }
        if (at == std::string_view::npos)
            return std::nullopt;
        std::size_t stop = at + keysWordAt(log.substr(at));

        // Back over a unit prefix and blanks, then over the number: digits,
        // marks and blanks between digits.
        std::size_t begin = at;
        if (begin > 0 && prefixPower(log[begin - 1]) >= 0)
            --begin;
        while (std::size_t blank = blankBefore(log.substr(0, begin)))
            begin -= blank;
        std::vector<std::size_t> starts; // where the number may start, shortest first
        std::size_t numberEnd = begin;
        while (begin > 0 && numberEnd - begin <= LongestRateText) {
            char c = log[begin - 1];
            if (isDigit(c) || c == ',' || c == '.') {
                --begin;
                continue;
            }
            std::size_t blank = blankBefore(log.substr(0, begin));
            if (blank > 0 && begin > blank && isDigit(log[begin - blank - 1]) &&
                begin < numberEnd && isDigit(log[begin])) {
                starts.push_back(begin);
                begin -= blank;
                continue;
            }
            break;
        }
        starts.push_back(begin);
        // Digits and marks beyond any rate: where the number starts is unknown.
        if (numberEnd - begin > LongestRateText)
            starts.clear();
        // The longest piece that reads; a blank also parts two numbers, as
        // in "16.02 2,296,988 keys/sec".
        for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
            std::string candidate(log.substr(*start, stop - *start));
            Result<std::uint64_t, RateTextError> rate = readRateText(candidate);
            if (rate || rate.error() != RateTextError::NotARate)
                return candidate;
        }
        end = at;
    }
    return std::nullopt;
}

std::string windowRateText(std::uint64_t keysPerSecond)
{
    return groupedDigits(std::to_string(keysPerSecond), '.');
}

std::string unitRateText(std::uint64_t keysPerSecond)
{
    static constexpr std::array<std::pair<int, const char*>, 4> Prefixes{
        {{12, "T"}, {9, "G"}, {6, "M"}, {3, "k"}}};
    std::string digits = std::to_string(keysPerSecond);
    for (auto [power, prefix] : Prefixes) {
        if (digits.size() <= static_cast<std::size_t>(power))
            continue;
        std::string whole = digits.substr(0, digits.size() - power);
        std::string fraction = digits.substr(digits.size() - power);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        return groupedDigits(whole, ',') + (fraction.empty() ? "" : "." + fraction) + " " + prefix +
               "keys/s";
    }
    return digits + " keys/s";
}

} // namespace veltrane
