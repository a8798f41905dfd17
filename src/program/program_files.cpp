// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/program_files.h"

#include "program/program_info.h"

#include <QDir>
#include <QFileInfo>

namespace veltrane {
namespace {

// The installed data folder seen from the installed bin folder, set by the
// build from the install folders ("../share/veltrane" for the usual layout).
const char* const dataFromBin = VELTRANE_DATA_FROM_BIN;

bool isWritableFolder(const QString& path)
{
    const QFileInfo folder(path);
    return folder.isDir() && folder.isWritable();
}

} // namespace

QString settingsFolder()
{
    const QString beside = programFolder();
    if (isWritableFolder(beside) && !isInstalledCopy())
        return beside;
    return userConfigFolder();
}

bool makeSettingsFolder()
{
    return QDir().mkpath(settingsFolder());
}

QString userConfigFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/veltrane"));
}

QString installedDataFolder()
{
    return QDir::cleanPath(programFolder() + u'/' + QString::fromUtf8(dataFromBin));
}

bool isInstalledCopy()
{
    return QFileInfo(installedDataFolder()).isDir();
}

QString programDataFilePath(const QString& name)
{
    const QString beside = programFolder() + u'/' + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = installedDataFolder() + u'/' + name;
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

} // namespace veltrane
