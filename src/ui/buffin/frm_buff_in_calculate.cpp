// The Buff-In calculation: how long the buffer's work units take at the
// main window's key rate and CPU hours.
#include "ui/buffin/frm_buff_in.h"

#include "core/buffin.h"
#include "core/work_unit_rate.h"
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
namespace {

void exclaim(const QString& prompt)
{
    MsgBox(prompt, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace

void frmBuffIn::cmdCalculate_Click()
{
    // The stored count stays as it is until the calculation has completed,
    // so a refused calculation does not lose it.
    Result<std::int32_t> count = readBuffInCount(toCore(txtBuffIn->text()));
    if (!count) {
        exclaim(unreadableCountMessage(count.error()));
        return;
    }
    std::int32_t wuCount = *count;
    if (wuCount < SmallestBuffer) {
        MsgBox(QStringLiteral("To small, setted on 10"));
        txtBuffIn->setFieldText(QString::number(SmallestBuffer));
        wuCount = SmallestBuffer;
    }

    TextField* txtKeys = m_main.keyRateField();
    Result<double> keyRate = readBuffInKeyRate(toCore(txtKeys->text()));
    if (!keyRate) {
        exclaim(unreadableMessage(GivenRate::KeyRate, keyRate.error()));
        return;
    }
    if (*keyRate == 0) {
        exclaim(QStringLiteral("Zero keys!"));
        return;
    }
    if (*keyRate < LowestKeyRate) {
        exclaim(QStringLiteral("To low!\r\nSetted to 10.000"));
        txtKeys->setFieldText(QStringLiteral("10.000"));
        return;
    }

    const BuffInInputs inputs{wuCount, *keyRate, toCore(txtKeys->text()),
                              m_main.cpuTimeCheckBox()->isOn(),
                              toCore(m_main.cpuHoursField()->text())};
    if (inputs.reckonWithCpuTime) {
        if (Result<std::int32_t> hours = readBuffInCpuHours(inputs.cpuHoursText); !hours) {
            exclaim(unusableCpuHoursMessage(hours.error()));
            return;
        }
    }
    Result<std::string> sentence = buffInSentence(inputs);
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
