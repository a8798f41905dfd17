// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/frm_about.h"

#include "program/program_info.h"
#include "ui/about/about_window_layout.h"
#include "ui/main/frm_main.h"
#include "ui/theme/apply_theme.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/program_logo.h"
#include "ui/toolkit/program_look.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/window_keys.h"

#include <QPushButton>
#include <QScreen>

namespace veltrane {

frmAbout::frmAbout(frmMain& main) : Form(&main), m_main(main)
{
    buildWindow();
    connect(cmdBack, &QPushButton::clicked, this, &frmAbout::cmdBack_Click);
    closeOnEscape(this, [this] { cmdBack_Click(); });
    Form_Load();
}

void frmAbout::buildWindow()
{
    namespace layout = aboutWindowLayout;
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    // No border, no title bar; as a dialog of the main window it has no
    // task-bar entry, and the main window takes no input while it is open.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(layout::Width), twipsToPixels(layout::Height));
    setFont(fontFor(fonts::MsSansSerif825));
    useProgramPalette(this);
    // Its place on the screen that shows the main window.
    const QScreen* screen = m_main.screen();
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
    move(origin + twipsPoint(layout::ScreenLeft, layout::ScreenTop));

    const ControlsByName controls = buildWindowControls(this, layout::lines(), layout::controls());
    auto image = requiredControl<QLabel>(controls, "Image1");
    image->setPixmap(programLogo());
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblVersion = requiredControl<Label>(controls, "lblVersion");
    lblUse = requiredControl<Label>(controls, "lblUse");
    cmdBack = requiredControl<QPushButton>(controls, "cmdBack");
    cmdBack->setFocus();
}

void frmAbout::Form_Load()
{
    ApplyTheme(this, m_main.themeIndex(), m_main.buttonsCheckBox());
    lblVersion->setCaption(QStringLiteral("Version ") + programVersionText());
    lblUse->setCaption(QStringLiteral("Used: ") + QString::number(m_main.useCount()) +
                       QStringLiteral(" time(s)"));
}

void frmAbout::cmdBack_Click()
{
    close();
}

} // namespace veltrane
