// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/setting_keys.h"

#include <QString>

#include <cstdint>

namespace veltrane {

// The numbers start-up reads from the settings file, made safe against a
// hand-edited file.

// A check box's value: 0, 1 or 2. Any other text gives the key's default.
int checkBoxValueFromText(const QString& text, const SettingKey& key);
// A theme list index, a place in the theme table. Any other text, -1
// included, gives theme 0.
int themeIndexFromText(const QString& text);
// The usage count: a 32-bit whole number, else 1.
std::int32_t useCountFromText(const QString& text);
// The count stored at shut-down: one more, but never past the largest value.
std::int32_t nextUseCount(std::int32_t useCount);

} // namespace veltrane
