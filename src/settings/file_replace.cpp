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

QString resolvedTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? path : target;
}

} // namespace

bool replaceFileContent(const QString& path, const QByteArray& content)
{
    const QString target = resolvedTarget(path);
    const QByteArray file = QFile::encodeName(target);
    const QByteArray scratch = QFile::encodeName(target + QStringLiteral(".new"));

    struct stat old = {};
    const bool replacing = ::stat(file.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
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
