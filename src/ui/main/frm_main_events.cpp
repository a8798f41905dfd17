// SPDX-License-Identifier: GPL-3.0-or-later
// How the main window's controls react when they are used, by the user or
// from code.
#include "ui/main/frm_main.h"

#include "core/number_text.h"
#include "settings/setting_keys.h"
#include "ui/main/progress_caption.h"
#include "ui/theme/apply_theme.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/combo_box.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/pending_events.h"
#include "ui/toolkit/qt_text.h"
#include "ui/toolkit/text_field.h"
#include "ui/toolkit/today.h"

#include <QDesktopServices>
#include <QUrl>

namespace veltrane {

void frmMain::txtCpu_Change()
{
    // No CPU time at all is taken as one hour; the new text runs this
    // reaction once more, nested, before this run goes on.
    if (txtCpu->text().isEmpty() || txtCpu->text() == u"0")
        txtCpu->setFieldText(QStringLiteral("1"));

    // Hours that are not a number leave the check box as it is.
    if (Result<double> hours = readNumber(toCore(txtCpu->text())))
        chkCPU->setValue(*hours < 24 ? CheckBox::On : CheckBox::Off);
    TimeDate();
    DoEvents();
    ProgressCaption(txtAmount, lblAmountProc);
}

void frmMain::txtWuDone_Change()
{
    TimeDate();
    DoEvents();
}

void frmMain::txtWus_Change(int index)
{
    ProgressCaption(txtWus[index], lblWUsProc[index]);
}

void frmMain::txtAmount_Change()
{
    ProgressCaption(txtAmount, lblAmountProc);
}

void frmMain::txtWuEnd_Change()
{
    ProgressCaption(txtWuEnd, lblWuEnd);
}

void frmMain::txtWus_Click(int index)
{
    txtWus[index]->selectWholeText();
}

void frmMain::txtAmount_Click()
{
    txtAmount->selectWholeText();
}

void frmMain::txtWuEnd_Click()
{
    txtWuEnd->selectWholeText();
}

void frmMain::chkCPU_Click()
{
    TimeDate();
    DoEvents();
    ProgressCaption(txtWuEnd, lblWuEnd);
}

void frmMain::chkDone_Click()
{
    TimeDate();
    DoEvents();
    ProgressCaption(txtWuEnd, lblWuEnd);
}

void frmMain::chkShowMs_Click()
{
    cmdCalculate_Click(0);
}

void frmMain::chkButtons_Click()
{
    cmbThemes_Click();
}

void frmMain::cmbThemes_Click()
{
    // The choice is stored at once, before the colours change.
    writeSetting(settingKeys::Themes, QString::number(cmbThemes->listIndex()));
    ApplyTheme(this, cmbThemes->listIndex(), chkButtons);
}

void frmMain::cmdDateNow_Click()
{
    txtStart->setFieldText(todayFieldText());
}

void frmMain::cmdDateEnd_Click()
{
    txtEnd->setFieldText(todayFieldText());
}

void frmMain::cmdEnd_Click()
{
    close();
}

void frmMain::lblSite_MouseMove()
{
    lblSite->setBold(true);
}

void frmMain::Form_MouseMove()
{
    lblSite->setBold(false);
}

void frmMain::lblSite_Click()
{
    // The desktop opens the address in the user's browser; whether one
    // opens is not followed up.
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + lblSite->caption()));
}

} // namespace veltrane
