// SPDX-License-Identifier: GPL-3.0-or-later
// The two-line summary of the window's figures, put on the clipboard.
#include "ui/main/frm_main.h"

#include "core/summary_text.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/clipboard.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/qt_text.h"
#include "ui/toolkit/text_field.h"

namespace veltrane {

void frmMain::cmd1Line_Click()
{
    // Quotes what the window shows now; nothing is recalculated.
    SummaryFields fields;
    fields.keyRate = toCore(txtKeys->text());
    fields.wuTime = toCore(lblWu->caption());
    fields.perHourCaption = toCore(lblWUsProc[0]->caption());
    fields.perDayCaption = toCore(lblWUsProc[1]->caption());
    fields.cpuHours = toCore(txtCpu->text());
    fields.amount = toCore(txtAmount->text());
    fields.startDate = toCore(txtStart->text());
    fields.endDate = toCore(txtEnd->text());
    fields.done = toCore(txtWuDone->text());
    fields.spanFigure = toCore(txtWuEnd->text());
    fields.doneAdded = chkDone->isOn();
    fields.reckonWithCpuTime = chkCPU->isOn();

    putTextOnClipboard(fromCore(summaryText(fields)));
    MsgBox(QStringLiteral("Copyed to Clipboard"), MsgButtons::Ok, MsgIcon::Information);
}

} // namespace veltrane
