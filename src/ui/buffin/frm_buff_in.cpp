// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/buffin/frm_buff_in.h"

#include "settings/setting_keys.h"
#include "ui/buffin/buffin_window_layout.h"
#include "ui/main/frm_main.h"
#include "ui/theme/apply_theme.h"
#include "ui/toolkit/clipboard.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/program_look.h"
#include "ui/toolkit/text_field.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/window_activation.h"
#include "ui/toolkit/window_geometry.h"
#include "ui/toolkit/window_keys.h"

#include <QPushButton>

namespace veltrane {

frmBuffIn::frmBuffIn(frmMain& main) : Form(&main), m_main(main)
{
    buildWindow();
    connectEvents();
    Form_Load();
}

void frmBuffIn::buildWindow()
{
    namespace layout = buffInWindowLayout;
    setObjectName(QStringLiteral("frmBuffIn"));
    setWindowTitle(QStringLiteral("How long till empty Buff-In"));
    // A fixed dialog border with a close box only; as a dialog of the main
    // window it has no task-bar entry of its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(layout::ClientWidth), twipsToPixels(layout::ClientHeight));
    setFont(fontFor(fonts::MsSansSerif825));
    setMouseTracking(true);
    useProgramPalette(this);

    const ControlsByName controls = buildWindowControls(this, {}, layout::controls());
    labelControls(controls, layout::labels());
    txtBuffIn = requiredControl<TextField>(controls, "txtBuffIn");
    cmdCalculate = requiredControl<QPushButton>(controls, "cmdCalculate");
    lblout = requiredControl<Label>(controls, "lblout");
    lblout->setMouseTracking(true);
    lblout->hide();
    txtBuffIn->setFocus();
}

void frmBuffIn::connectEvents()
{
    connect(cmdCalculate, &QPushButton::clicked, this, &frmBuffIn::cmdCalculate_Click);
    connect(lblout, &Label::clicked, this, &frmBuffIn::lblout_Click);
    connect(lblout, &Label::mouseMoved, this, &frmBuffIn::lblout_MouseMove);
    onActivatedFromProgram(this, [this] { Form_Activate(); });
    // Escape closes the window as its close box does; the Copy keys ask
    // about the sentence as a click on it does, once there is one.
    closeOnEscape(this, [this] { close(); });
    onCopyKeys(this, [this] {
        if (!lblout->isHidden())
            lblout_Click();
    });
}

void frmBuffIn::Form_Load()
{
    namespace layout = buffInWindowLayout;
    txtBuffIn->setFieldText(readSetting(settingKeys::BuffTime));
    const QRect button = cmdCalculate->geometry();
    setOuterHeight(this, pixelsToTwips(button.top()) +
                             layout::LoadHeightButtonFactor * pixelsToTwips(button.height()));
    dockToRightOf(this, &m_main);
}

void frmBuffIn::Form_Activate()
{
    ApplyTheme(this, m_main.themeIndex(), m_main.buttonsCheckBox());
}

void frmBuffIn::lblout_Click()
{
    if (MsgBox(QStringLiteral("Copy to Clipboard?"), MsgButtons::OkCancel, MsgIcon::Question,
               QStringLiteral("Clipboard")) != MsgAnswer::Cancel)
        putTextOnClipboard(lblout->caption());
}

void frmBuffIn::lblout_MouseMove()
{
    lblout->setBold(true);
    fitHeightToResult();
}

void frmBuffIn::Form_MouseMove()
{
    if (lblout->isHidden())
        return;
    lblout->setBold(false);
    fitHeightToResult();
}

void frmBuffIn::fitHeightToResult()
{
    setOuterHeight(this, pixelsToTwips(lblout->height()) + buffInWindowLayout::HeightAboveResult);
}

} // namespace veltrane
