// SPDX-License-Identifier: GPL-3.0-or-later
// The date span: the work units of a day's CPU hours and over the span from
// the start to the end date, from the time of one work unit.
#include "ui/main/frm_main.h"

#include "core/date_span.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/qt_text.h"
#include "ui/toolkit/text_field.h"

namespace veltrane {

void frmMain::TimeDate()
{
    const DateSpanInputs inputs{
        SecondsPerWu,   toCore(txtCpu->text()),    toCore(txtStart->text()), toCore(txtEnd->text()),
        chkCPU->isOn(), toCore(txtWuDone->text()), chkDone->isOn()};
    const DateSpanFigures figures = computeDateSpan(inputs);

    // Each figure is written as soon as it is known; a failure ends the run
    // quietly with what was written so far.
    if (!figures.amount)
        return;
    txtAmount->setFieldText(fromCore(*figures.amount));
    if (!figures.span)
        return;
    txtWuEnd->setFieldText(fromCore(*figures.span));
    if (figures.doneBecomesZero)
        txtWuDone->setFieldText(QStringLiteral("0"));
    if (inputs.addDone) {
        if (!figures.spanWithDone)
            return;
        txtWuEnd->setFieldText(fromCore(*figures.spanWithDone));
    }
    if (figures.days)
        lblDayCount->setCaption(fromCore(dayCountCaption(*figures.days)));
}

} // namespace veltrane
