// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace veltrane {

// One value in the program's settings file. The key is looked up ignoring
// case, so a read and a write key that differ only in case name one entry.
struct SettingKey
{
    QStringView section;
    QStringView readKey;
    QStringView writeKey;
    QStringView defaultValue;
};

namespace settingKeys {

inline constexpr SettingKey KeyRate{u"Calculate", u"KeyRate", u"KeyRate", u"100.358"};
inline constexpr SettingKey CPUTime{u"Calculate", u"CPUTime", u"CPUTime", u"5"};
inline constexpr SettingKey MFStartDate{u"Calculate", u"M-F StartDate", u"M-F StartDate",
                                        u"02/04/2004"};
inline constexpr SettingKey MFEndDate{u"Calculate", u"M-F End Date", u"M-F End Date",
                                      u"11/04/2004"};
inline constexpr SettingKey MathCPUTime{u"Calculate", u"Math CPUTime", u"Math CPUTime", u"1"};
// Read and written with different capitals, as the program always has; names
// match ignoring case, so both reach the same entry.
inline constexpr SettingKey MathWuDone{u"Calculate", u"Math WUDone", u"Math WuDone", u"1"};
inline constexpr SettingKey Buttons{u"Calculate", u"Buttons", u"Buttons", u"1"};
inline constexpr SettingKey WuDone{u"Calculate", u"WuDone", u"WuDone", u"0"};
inline constexpr SettingKey ShowMs{u"Calculate", u"ShowMs", u"ShowMs", u"1"};
inline constexpr SettingKey StartDate{u"Calculate", u"StartDate", u"StartDate", u"1"};
inline constexpr SettingKey EndDate{u"Calculate", u"EndDate", u"EndDate", u"0"};
inline constexpr SettingKey BuffTime{u"Calculate", u"BuffTime", u"BuffTime", u"1000"};
inline constexpr SettingKey Themes{u"Main", u"Themes", u"Themes", u"0"};
inline constexpr SettingKey Use{u"Main", u"Use", u"Use", u"1"};

// Every value the program stores: a new setting is declared above and listed
// here. A test checks that a first run, with one Buff-In calculation, leaves
// each of them in the file.
inline constexpr SettingKey All[] = {KeyRate,    CPUTime,  MFStartDate, MFEndDate, MathCPUTime,
                                     MathWuDone, Buttons,  WuDone,      ShowMs,    StartDate,
                                     EndDate,    BuffTime, Themes,      Use};

} // namespace settingKeys

// The stored value, or the key's default, from the program's settings file.
QString readSetting(const SettingKey& setting);

// Stores value under the key's write spelling in the program's settings file.
void writeSetting(const SettingKey& setting, const QString& value);

} // namespace veltrane
