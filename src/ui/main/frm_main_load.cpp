// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shut-down: the inputs of the last run come back from the
// settings file, and go back into it when the window closes.
#include "ui/main/frm_main.h"

#include "core/version_text.h"
#include "settings/setting_keys.h"
#include "ui/main/stored_values.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/combo_box.h"
#include "ui/toolkit/pending_events.h"
#include "ui/toolkit/qt_text.h"
#include "ui/toolkit/text_field.h"
#include "ui/toolkit/today.h"

#include <QApplication>

namespace veltrane {
namespace {

int storedCheckBoxValue(const SettingKey& key)
{
    return checkBoxValueFromText(readSetting(key), key);
}

} // namespace

void frmMain::Form_Load()
{
    using namespace settingKeys;
    setWindowTitle(fromCore(TitleText()));

    // Each setting goes into its control in this order; a control whose
    // value changes runs its reaction at once, so the order matters: the
    // CPU hours set the "reckon with CPU time" box before its own setting
    // overrides it, and the list has no theme selected before the stored
    // one is chosen, which stores and applies it.
    txtKeys->setFieldText(readSetting(KeyRate));
    txtCpu->setFieldText(readSetting(CPUTime));
    txtStart->setFieldText(readSetting(MFStartDate));
    txtEnd->setFieldText(readSetting(MFEndDate));
    chkCPU->setValue(storedCheckBoxValue(MathCPUTime));
    chkDone->setValue(storedCheckBoxValue(MathWuDone));
    cmbThemes->setListIndex(themeIndexFromText(readSetting(Themes)));
    chkButtons->setValue(storedCheckBoxValue(Buttons));
    txtWuDone->setFieldText(readSetting(WuDone));
    chkShowMs->setValue(storedCheckBoxValue(ShowMs));
    chkSetStartDate->setValue(storedCheckBoxValue(StartDate));
    chkSetEndDate->setValue(storedCheckBoxValue(EndDate));
    UseCount = useCountFromText(readSetting(Use));

    cmdCalculate_Click(0);
    DoEvents();
    setCalculateCaption(0, QStringLiteral("&Calculate from here"));

    // Today's date comes after the first calculation, so the figures shown
    // belong to the stored dates until the next one.
    if (chkSetStartDate->isOn())
        txtStart->setFieldText(todayFieldText());
    if (chkSetEndDate->isOn())
        txtEnd->setFieldText(todayFieldText());
}

void frmMain::Form_Unload()
{
    using namespace settingKeys;
    auto decimal = [](int value) { return QString::number(value); };
    writeSetting(KeyRate, txtKeys->text());
    writeSetting(CPUTime, txtCpu->text());
    writeSetting(MFStartDate, txtStart->text());
    writeSetting(MFEndDate, txtEnd->text());
    writeSetting(Use, decimal(nextUseCount(UseCount)));
    writeSetting(MathCPUTime, decimal(chkCPU->value()));
    writeSetting(MathWuDone, decimal(chkDone->value()));
    writeSetting(WuDone, txtWuDone->text());
    writeSetting(Buttons, decimal(chkButtons->value()));
    // The check boxes read at start-up are stored too, so the user's choice
    // of them survives a restart.
    writeSetting(ShowMs, decimal(chkShowMs->value()));
    writeSetting(StartDate, decimal(chkSetStartDate->value()));
    writeSetting(EndDate, decimal(chkSetEndDate->value()));

    // Every other window of the program closes with this one.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    emit unloaded();
}

} // namespace veltrane
