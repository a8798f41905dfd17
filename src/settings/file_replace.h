// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace veltrane {

// Replaces the content of the file at path as one step: the new content is
// written to <path>.new, synced to disk and renamed over the file, which keeps
// its permissions. Whoever looks, even after a crash or a power cut at any
// moment, finds the whole old file or the whole new one. The caller must hold
// the file's lock: <path>.new is the one scratch name, and a scratch file left
// by a writer that was killed is thrown away by the next. A symbolic link is
// followed, so the file it points to is replaced, or made when it is not
// there yet, and the link stays. A file the user may not write (for root:
// one without any write bit) is left as it is.
// False when the file could not be replaced; it is then as it was.
bool replaceFileContent(const QString& path, const QByteArray& content);

} // namespace veltrane
