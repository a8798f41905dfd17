// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: splitting an input into the texts of its
// lines, and the report of a broken property. A target that finds a property
// broken names it with the input that broke it and aborts, which libFuzzer
// reports as a crash, keeping the input.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane::fuzz {

// The first count lines of input, split at LF; lines the input lacks are
// empty.
inline std::vector<std::string> inputLines(std::string_view input, std::size_t count)
{
    std::vector<std::string> result;
    while (result.size() < count && !input.empty()) {
        const std::size_t newline = input.find('\n');
        result.emplace_back(input.substr(0, newline));
        if (newline == std::string_view::npos)
            break;
        input.remove_prefix(newline + 1);
    }
    result.resize(count);
    return result;
}

[[noreturn]] inline void failProperty(const char* what, std::string_view input)
{
    std::fprintf(stderr, "property broken: %s\n  input: \"", what);
    for (unsigned char c : input)
        std::fprintf(stderr, c >= 0x20 && c < 0x7f ? "%c" : "\\x%02x", c);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

} // namespace veltrane::fuzz

#define FUZZ_CHECK(condition, input)                                                               \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::veltrane::fuzz::failProperty(#condition, input);                                     \
    } while (0)
