// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veltrane::cli {

// The command line as given, before any of it is read: every value is kept
// as text, so each refusal can name the argument and quote it.
struct CliRequest
{
    std::vector<std::string> rates;
    std::optional<std::string> ratesFrom; // a file, or "-" for standard input
    std::optional<std::string> times;
    std::optional<std::string> hours;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> done;
    std::optional<std::string> buffer;
    std::optional<std::string> last;
    std::optional<std::string> target;
    bool summary = false;
    bool ms = false;
    bool json = false;
};

} // namespace veltrane::cli
