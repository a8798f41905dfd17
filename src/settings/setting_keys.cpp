// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setting_keys.h"

#include "settings/ini_file.h"

namespace veltrane {

QString readSetting(const SettingKey& setting)
{
    QString folder;
    return ReadINI(setting.section.toString(), setting.readKey.toString(),
                   setting.defaultValue.toString(), {}, folder);
}

void writeSetting(const SettingKey& setting, const QString& value)
{
    WriteINI(setting.section.toString(), setting.writeKey.toString(), value, {}, {});
}

} // namespace veltrane
