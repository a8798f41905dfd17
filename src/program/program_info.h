// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace veltrane {

// The folder that holds the program file, without a trailing separator.
QString programFolder();

// The program file's name without its extension ("veltrane").
QString programBaseName();

// The program's title ("Veltrane") and its version as the program writes it
// ("1.13 Build3").
QString programTitle();
QString programVersionText();

// Makes the program behave as if its file lay at path; tests use it to keep
// every settings and history file in a temporary folder. An empty path goes
// back to the real program file.
void setProgramFilePath(const QString& path);

} // namespace veltrane
