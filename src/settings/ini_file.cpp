// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_file.h"

#include "program/program_files.h"
#include "program/program_info.h"
#include "settings/file_lock.h"
#include "settings/file_replace.h"
#include "settings/ini_text.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace veltrane {
namespace {

// Earlier versions kept a value in a 2048-byte buffer; longer values are cut
// the same way so every version reads the same text.
constexpr qsizetype maxValueLength = 2047;

QString defaultFolderPart()
{
    return settingsFolder() + u'/';
}

QString fileName(const QString& baseName)
{
    return (baseName.isEmpty() ? programBaseName() : baseName) + QStringLiteral(".ini");
}

QString limited(QString text)
{
    if (text.size() <= maxValueLength)
        return text;
    qsizetype length = maxValueLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    text.truncate(length);
    return text;
}

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype length = text.size();
    while (length > 0 && (text.at(length - 1) == u' ' || text.at(length - 1) == u'\t'))
        --length;
    return text.left(length);
}

// A missing or unreadable file reads as empty: the caller gets its default.
QByteArray readOrEmpty(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Unlike readOrEmpty, a file that exists but cannot be read is an error here:
// writing on top of it would lose everything it holds.
std::optional<QByteArray> readForUpdate(const QString& path)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

QByteArray edited(const QByteArray& content, const QString& section, const QString& key,
                  const QString& value)
{
    if (key.isEmpty())
        return ini::deleteSection(content, section.toUtf8());
    if (value.isEmpty())
        return ini::deleteKey(content, section.toUtf8(), key.toUtf8());
    return ini::setValue(content, section.toUtf8(), key.toUtf8(), value.toUtf8());
}

} // namespace

QString ReadINI(const QString& section, const QString& key, const QString& defaultValue,
                const QString& baseName, QString& folder)
{
    QString path;
    if (folder.isEmpty()) {
        folder = defaultFolderPart();
        path = folder + fileName(baseName);
    } else {
        path = detail::iniFilePath(baseName, folder);
    }
    const std::optional<QByteArray> value =
        ini::lookupValue(readOrEmpty(path), section.toUtf8(), key.toUtf8());
    if (!value)
        return limited(withoutTrailingBlanks(defaultValue));
    return limited(ini::decodeText(*value));
}

QString ReadINI(const QString& section, const QString& key, const QString& defaultValue)
{
    QString folder;
    return ReadINI(section, key, defaultValue, {}, folder);
}

void WriteINI(const QString& section, const QString& key, const QString& value,
              const QString& baseName, const QString& folder)
{
    // The user's configuration folder is made on the first write; a folder
    // that cannot be made lets the write fail like any other.
    if (folder.isEmpty())
        makeSettingsFolder();
    detail::writeIniFile(detail::iniFilePath(baseName, folder), section, key, value);
}

namespace detail {

QString iniFilePath(const QString& baseName, const QString& folder)
{
    if (folder.isEmpty())
        return defaultFolderPart() + fileName(baseName);
    return folder + u'/' + fileName(baseName);
}

bool writeIniFile(const QString& path, const QString& section, const QString& key,
                  const QString& value, std::chrono::milliseconds lockWait)
{
    // Names that no key line can hold under themselves are refused outright.
    if (!key.isEmpty() && !value.isEmpty() && !ini::canStore(section.toUtf8(), key.toUtf8()))
        return false;

    // A file that already says so needs neither the lock nor a write: most
    // values stored when the window closes are as they were. The file is only
    // ever replaced whole, so this read sees one complete version of it.
    if (const std::optional<QByteArray> current = readForUpdate(path);
        current && edited(*current, section, key, value) == *current)
        return true;

    // The lock has a name of its own: locking the settings file itself would
    // not survive the rename that replaces it.
    FileLock lock(path + QStringLiteral(".lock"));
    if (!lock.tryLockFor(lockWait))
        return false;
    const std::optional<QByteArray> content = readForUpdate(path);
    if (!content)
        return false;
    const QByteArray updated = edited(*content, section, key, value);
    if (updated == *content)
        return true;
    return replaceFileContent(path, updated);
}

} // namespace detail
} // namespace veltrane
