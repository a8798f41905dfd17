// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/program_info.h"

#include "core/version.h"
#include "core/version_text.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace veltrane {
namespace {

QString& overridePath()
{
    static QString path;
    return path;
}

QFileInfo programFile()
{
    if (!overridePath().isEmpty())
        return QFileInfo(overridePath());
    return QFileInfo(QCoreApplication::applicationFilePath());
}

} // namespace

QString programFolder()
{
    return programFile().absolutePath();
}

QString programBaseName()
{
    return programFile().completeBaseName();
}

QString programTitle()
{
    return QString::fromUtf8(build::ProgramTitle);
}

QString programVersionText()
{
    return QString::fromStdString(VersionText());
}

void setProgramFilePath(const QString& path)
{
    overridePath() = path;
}

} // namespace veltrane
