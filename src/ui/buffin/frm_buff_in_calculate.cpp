// SPDX-License-Identifier: GPL-3.0-or-later
// The Buff-In calculation: how long the buffer's work units take at the
// main window's key rate and CPU hours.
#include "ui/buffin/frm_buff_in.h"

#include "core/buffin.h"
#include "settings/setting_keys.h"
#include "ui/buffin/buffin_messages.h"
#include "ui/main/calculation_messages.h"
#include "ui/main/frm_main.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/qt_text.h"
#include "ui/toolkit/text_field.h"

namespace veltrane {

BuffInCheck frmBuffIn::checkInputs() const
{
    return checkBuffIn(toCore(txtBuffIn->text()), toCore(m_main.keyRateField()->text()),
                       m_main.cpuTimeCheckBox()->isOn(), toCore(m_main.cpuHoursField()->text()));
}

void frmBuffIn::cmdCalculate_Click()
{
    // The stored count stays as it is until the calculation has completed,
    // so a refused calculation does not lose it.
    BuffInCheck checked = checkInputs();
    if (checked.outcome != BuffInOutcome::CountUnreadable && checked.countRaised) {
        MsgBox(QStringLiteral("To small, setted on 10"));
        txtBuffIn->setFieldText(QString::number(SmallestBuffer));
        // The message box let events through: the main window's fields are
        // read as they stand now.
        checked = checkInputs();
    }

    switch (checked.outcome) {
    case BuffInOutcome::CountUnreadable:
        exclaim(unreadableCountMessage(checked.error));
        return;
    case BuffInOutcome::KeyRateUnreadable:
        exclaim(unreadableMessage(GivenRate::KeyRate, checked.error));
        return;
    case BuffInOutcome::ZeroKeys:
        exclaim(zeroKeysMessage());
        return;
    case BuffInOutcome::KeyRateTooLow:
        exclaim(keyRateTooLowMessage());
        m_main.keyRateField()->setFieldText(lowestKeyRateText());
        return;
    case BuffInOutcome::CpuHoursUnusable:
        exclaim(unusableCpuHoursMessage(checked.error));
        return;
    case BuffInOutcome::Accepted:
        break;
    }

    Result<std::string> sentence = buffInSentence(checked.inputs);
    if (!sentence) {
        exclaim(workingTimeOutOfRangeMessage());
        return;
    }

    lblout->setCaption(fromCore(*sentence));
    fitHeightToResult();
    lblout->show();
    writeSetting(settingKeys::BuffTime, txtBuffIn->text());
}

} // namespace veltrane
