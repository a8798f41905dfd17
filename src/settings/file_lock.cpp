// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/file_lock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {

FileLock::FileLock(QString path) : m_path(std::move(path)) {}

FileLock::~FileLock()
{
    if (m_handle < 0)
        return;
    // Removed while still held, so that no one can lock the old file after
    // it is gone from the folder.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_handle);
}

// Short random pauses give two busy writers an equal chance; a doubling
// pause would let one starve the other.
bool FileLock::tryLockFor(std::chrono::milliseconds wait)
{
    const QDeadlineTimer deadline(wait);
    for (;;) {
        switch (tryLockOnce()) {
        case Attempt::Locked:
            return true;
        case Attempt::Impossible:
            return false;
        case Attempt::Busy:
            break;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(QRandomGenerator::global()->bounded(1, 8));
    }
}

FileLock::Attempt FileLock::tryLockOnce()
{
    const QByteArray path = QFile::encodeName(m_path);
    const int handle = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (handle < 0)
        return errno == EINTR ? Attempt::Busy : Attempt::Impossible;
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(handle);
        return error == EWOULDBLOCK || error == EINTR ? Attempt::Busy : Attempt::Impossible;
    }
    // The holder before us may have removed the file between our open and
    // our lock; a lock on a file that is no longer there guards nothing.
    struct stat held = {};
    struct stat named = {};
    if (::fstat(handle, &held) != 0 || ::stat(path.constData(), &named) != 0 ||
        held.st_dev != named.st_dev || held.st_ino != named.st_ino) {
        ::close(handle);
        return Attempt::Busy;
    }
    m_handle = handle;
    return Attempt::Locked;
}

} // namespace veltrane
