// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/file_replace.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {
namespace {

bool writeAll(int handle, const QByteArray& content)
{
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(handle, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The file a path names through any symbolic links, whether that file exists
// yet or not; empty for links that lead round in a circle.
QString resolvedTarget(const QString& path)
{
    QString target = path;
    for (int links = 0; links < 40; ++links) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return {};
}

// A file the user may not write is never replaced, although its folder would
// allow the rename. Root may write anything, so for root a file without any
// write bit counts as read-only, as the user who took them away meant it.
bool mayWrite(const QByteArray& file, const struct stat& status)
{
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           ::access(file.constData(), W_OK) == 0;
}

} // namespace

bool replaceFileContent(const QString& path, const QByteArray& content)
{
    const QString target = resolvedTarget(path);
    if (target.isEmpty())
        return false;
    const QByteArray file = QFile::encodeName(target);
    const QByteArray scratch = QFile::encodeName(target + QStringLiteral(".new"));

    struct stat old = {};
    const bool replacing = ::stat(file.constData(), &old) == 0;
    if (replacing && (!S_ISREG(old.st_mode) || !mayWrite(file, old)))
        return false;

    ::unlink(scratch.constData());
    const int handle =
        ::open(scratch.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (handle < 0)
        return false;
    bool written = writeAll(handle, content) &&
                   (!replacing || ::fchmod(handle, old.st_mode & 07777) == 0) &&
                   ::fsync(handle) == 0;
    written = ::close(handle) == 0 && written;
    if (written && ::rename(scratch.constData(), file.constData()) == 0)
        return true;
    ::unlink(scratch.constData());
    return false;
}

} // namespace veltrane
