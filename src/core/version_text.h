// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace veltrane {

// "major.minor Buildrevision", as in "1.13 Build3".
std::string VersionText(int major, int minor, int revision);
// The program's own version in that form.
std::string VersionText();

// The window title: program title, four blanks and the version in brackets,
// as in "Veltrane    [1.13 Build3]".
std::string TitleText();

} // namespace veltrane
