// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace veltrane::test {

// Writes bytes exactly as given: the settings code must see them unchanged.
inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The file's bytes; a null array when it cannot be opened.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    return bytes.isNull() ? QByteArray("") : bytes;
}

// The value of the first "key=value" line of a settings file's bytes,
// without its line end; a null array when there is none.
inline QByteArray storedValue(const QByteArray& settings, const QByteArray& key)
{
    const QList<QByteArray> lines = settings.split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    }
    return {};
}

} // namespace veltrane::test
