#pragma once

// A property that a fuzz target checks: when it is broken, the target names
// it with the input that broke it and aborts, which libFuzzer reports as a
// crash and keeps the input.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace veltrane::fuzz {

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
