// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace veltrane {

// Puts "." grouping marks into a whole number written without marks: up to
// 12 digits come out grouped in threes from the right ("1.193.046"); longer
// numbers get only the three rightmost marks ("1234.567.890.123"). A leading
// sign stays in front of the digits ("-1.193.046").
std::string GroupThousands(const std::string& text);

} // namespace veltrane
