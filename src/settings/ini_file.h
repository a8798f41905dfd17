// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>

namespace veltrane {

// Reads key from section of the file <folder>/<baseName>.ini. An empty base
// name stands for the program's name; an empty folder for the settings
// folder (beside the program, or the user's configuration folder for an
// installed copy), and then folder receives that folder with a trailing "/". Gives
// the stored value (at most 2047 characters) or, when the file, section or
// key is missing, defaultValue without its trailing blanks.
QString ReadINI(const QString& section, const QString& key, const QString& defaultValue,
                const QString& baseName, QString& folder);

// ReadINI on the program's own settings file.
QString ReadINI(const QString& section, const QString& key, const QString& defaultValue);

// Stores key=value in section. An empty key removes the whole section, an
// empty value removes the key. The file is replaced atomically under a lock;
// a write that cannot be done, or a key that no line of the file can hold
// under its own name (ini::canStore), is dropped and leaves the file as it
// was.
void WriteINI(const QString& section, const QString& key, const QString& value,
              const QString& baseName = {}, const QString& folder = {});

namespace detail {

// How long a write waits for another writer before giving up.
inline constexpr std::chrono::milliseconds iniLockWait{5000};

// The settings file that ReadINI and WriteINI use for these arguments.
QString iniFilePath(const QString& baseName, const QString& folder);

// WriteINI on an explicit path; false when the write was dropped. Tests use
// it to see failures and to shorten the wait for the lock.
bool writeIniFile(const QString& path, const QString& section, const QString& key,
                  const QString& value, std::chrono::milliseconds lockWait = iniLockWait);

} // namespace detail
} // namespace veltrane
