// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program finds its files. A copy of the program in a folder of its
// own keeps its settings beside itself; an installed copy (one with the
// share/veltrane folder of an installation beside its bin folder), or a copy
// in a folder the user cannot write to, keeps them in the user's
// configuration folder. Files that come with the program are read from beside
// it, else from the installation's share/veltrane folder.
namespace veltrane {

// The folder that holds the settings file, without a trailing separator.
QString settingsFolder();

// Creates the settings folder when it is missing (the configuration folder
// before the first write); false when it cannot be created.
bool makeSettingsFolder();

// $XDG_CONFIG_HOME/veltrane, or ~/.config/veltrane when that variable is not
// set, empty or not an absolute path.
QString userConfigFolder();

// <prefix>/share/veltrane for a program file in <prefix>/bin.
QString installedDataFolder();

// True when the program file lies in the bin folder of an installation.
bool isInstalledCopy();

// The path of a file that comes with the program: beside the program when it
// is there, else in the installed data folder when it is there, else beside
// the program (where a message about the missing file points).
QString programDataFilePath(const QString& name);

} // namespace veltrane
