#include "ui/toolkit/program_info.h"

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

void setProgramFilePath(const QString& path)
{
    overridePath() = path;
}

} // namespace veltrane
