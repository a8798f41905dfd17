// SPDX-License-Identifier: GPL-3.0-or-later
// The "Calculate from here" command: from the key rate, from the work units
// per hour or from the work units per day to the other two, the time of one
// work unit, and the date span that follows from it.
#include "ui/main/frm_main.h"

#include "core/group_thousands.h"
#include "core/number_text.h"
#include "core/work_unit_rate.h"
#include "ui/main/calculation_messages.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/pending_events.h"
#include "ui/toolkit/qt_text.h"
#include "ui/toolkit/text_field.h"

namespace veltrane {
namespace {

QString numberText(double value)
{
    return fromCore(writeNumber(value));
}

} // namespace

void frmMain::cmdCalculate_Click(int index)
{
    // The work-unit rates take "," as decimal separator; a typed "." becomes one.
    for (TextField* field : txtWus)
        field->setFieldText(field->text().replace(u'.', u','));
    DoEvents();

    if (index == 0) {
        Result<Fixed> keyRate = readKeyRate(toCore(txtKeys->text()));
        if (!keyRate) {
            exclaim(unreadableMessage(GivenRate::KeyRate, keyRate.error()));
            return;
        }
        if (keyRate->isZero()) {
            // The key rate stood where the time of a work unit is kept, so
            // that time is 0 now, until a calculation succeeds.
            SecondsPerWu = *keyRate;
            exclaim(zeroKeysMessage());
            return;
        }
        const Fixed lowest = Fixed::fromUnits(LowestKeyRate * Fixed::UnitsPerOne);
        Fixed rate = *keyRate;
        if (rate < lowest) {
            exclaim(keyRateTooLowMessage());
            txtKeys->setFieldText(lowestKeyRateText());
            rate = lowest;
        }
        Result<RateFigures> fromKeyRate = figuresFromKeyRate(rate);
        if (!fromKeyRate) {
            exclaim(outOfRangeMessage(fromKeyRate.error()));
            return;
        }
        QString cpuHours = txtCpu->text();
        Result<double> hours = readNumber(toCore(cpuHours));
        if (cpuHours.isEmpty() || (hours && *hours == 0))
            txtCpu->setFieldText(QStringLiteral("1"));

        SecondsPerWu = fromKeyRate->secondsPerWu;
        txtWus[0]->setFieldText(numberText(fromKeyRate->wusPerHour));
        txtWus[1]->setFieldText(numberText(fromKeyRate->wusPerDay));
    } else {
        const bool perDay = index == 2;
        const GivenRate given = perDay ? GivenRate::WusPerDay : GivenRate::WusPerHour;
        Result<double> rate = readNumber(toCore(txtWus[index - 1]->text()));
        if (!rate) {
            exclaim(unreadableMessage(given, rate.error()));
            return;
        }
        if (*rate == 0) {
            exclaim(perDay ? QStringLiteral("Zero Days!") : QStringLiteral("Zero Hours!"));
            return;
        }
        Result<RateFigures> fromRate =
            perDay ? figuresFromWusPerDay(*rate) : figuresFromWusPerHour(*rate);
        if (!fromRate) {
            exclaim(outOfRangeMessage(fromRate.error()));
            return;
        }
        SecondsPerWu = fromRate->secondsPerWu;
        // The given field keeps the text as typed; the other rate follows.
        if (perDay)
            txtWus[0]->setFieldText(numberText(fromRate->wusPerHour));
        else
            txtWus[1]->setFieldText(numberText(fromRate->wusPerDay));
        txtKeys->setFieldText(numberText(fromRate->keyRate));
        DoEvents();
        txtKeys->setFieldText(fromCore(GroupThousands(toCore(txtKeys->text()))));
    }

    lblWu->setCaption(fromCore(wuDurationText(SecondsPerWu, chkShowMs->isOn())));
    TimeDate();
    setCalculateCaption(index, QStringLiteral("Re&calculate from here"));
}

} // namespace veltrane
