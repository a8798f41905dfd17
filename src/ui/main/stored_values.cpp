// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/stored_values.h"

#include "core/number_text.h"
#include "ui/theme/theme_table.h"
#include "ui/toolkit/qt_text.h"

#include <limits>

namespace veltrane {
namespace {

bool isCheckBoxValue(int value)
{
    return value >= 0 && value <= 2;
}

} // namespace

int checkBoxValueFromText(const QString& text, const SettingKey& key)
{
    Result<std::int16_t> value = readWhole16(toCore(text));
    if (value && isCheckBoxValue(*value))
        return *value;
    return readWhole16(toCore(key.defaultValue.toString())).value();
}

int themeIndexFromText(const QString& text)
{
    Result<std::int16_t> index = readWhole16(toCore(text));
    return index && isThemeIndex(*index) ? *index : 0;
}

std::int32_t useCountFromText(const QString& text)
{
    Result<std::int32_t> count = readWhole32(toCore(text));
    return count ? *count : 1;
}

std::int32_t nextUseCount(std::int32_t useCount)
{
    return useCount == std::numeric_limits<std::int32_t>::max() ? useCount : useCount + 1;
}

} // namespace veltrane
