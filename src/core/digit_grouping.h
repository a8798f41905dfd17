// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace veltrane {

// Puts a mark between every group of three digits, counted from the right, of
// a string of digits: "2296988" and '.' give "2.296.988". Unlike the window's
// GroupThousands it groups numbers of any length.
std::string groupedDigits(const std::string& digits, char mark);

} // namespace veltrane
