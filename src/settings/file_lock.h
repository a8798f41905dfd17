// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>

namespace veltrane {

// An exclusive lock between programs, held on a lock file of its own name
// (flock). The system lets go of it when its holder ends in any way, killed
// included, so a lock can never be left behind; the lock file itself is
// removed when the lock is released and is taken over when a holder was
// killed before it could remove it.
class FileLock
{
public:
    explicit FileLock(QString path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits up to wait for the lock; false when another program kept it that
    // long or the lock file cannot be made (a missing or read-only folder).
    bool tryLockFor(std::chrono::milliseconds wait);

private:
    enum class Attempt
    {
        Locked,
        Busy,
        Impossible
    };
    Attempt tryLockOnce();

    QString m_path;
    int m_handle = -1;
};

} // namespace veltrane
