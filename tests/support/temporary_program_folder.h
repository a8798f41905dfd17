// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/program_info.h"

#include <QTemporaryDir>

namespace veltrane::test {

// Lays the program file into a fresh temporary folder for the life of the
// object, so every settings and history file a test touches lands there and
// vanishes with it.
class TemporaryProgramFolder
{
public:
    TemporaryProgramFolder() { setProgramFilePath(m_dir.filePath(QStringLiteral("veltrane"))); }
    ~TemporaryProgramFolder() { setProgramFilePath({}); }
    TemporaryProgramFolder(const TemporaryProgramFolder&) = delete;
    TemporaryProgramFolder& operator=(const TemporaryProgramFolder&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString settingsPath() const { return filePath(QStringLiteral("veltrane.ini")); }

private:
    QTemporaryDir m_dir;
};

} // namespace veltrane::test
