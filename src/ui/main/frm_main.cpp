// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/frm_main.h"

#include "ui/main/main_window_layout.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/combo_box.h"
#include "ui/toolkit/control_table.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/palette_color.h"
#include "ui/toolkit/program_look.h"
#include "ui/toolkit/termination_signals.h"
#include "ui/toolkit/text_field.h"
#include "ui/toolkit/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>

namespace veltrane {

frmMain::frmMain(QWidget* parent) : Form(parent)
{
    useProgramLook();
    quitApplicationOnTerminationSignals();
    buildWindow();
    connectEvents();
    Form_Load();
}

frmMain::~frmMain() = default;

int frmMain::themeIndex() const
{
    return cmbThemes->listIndex();
}

void frmMain::buildWindow()
{
    namespace layout = mainWindowLayout;
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(layout::ClientWidth), twipsToPixels(layout::ClientHeight));
    setFont(fontFor(fonts::TimesNewRoman975));
    setMouseTracking(true);
    useProgramPalette(this);

    const ControlsByName controls = buildWindowControls(this, layout::lines(), layout::controls());
    labelControls(controls, layout::labels());
    nameControls(controls, layout::accessibleNames());

    txtKeys = requiredControl<TextField>(controls, "txtKeys");
    txtCpu = requiredControl<TextField>(controls, "txtCpu");
    txtStart = requiredControl<TextField>(controls, "txtStart");
    txtEnd = requiredControl<TextField>(controls, "txtEnd");
    txtWus = {requiredControl<TextField>(controls, "txtWus(0)"),
              requiredControl<TextField>(controls, "txtWus(1)")};
    txtAmount = requiredControl<TextField>(controls, "txtAmount");
    txtWuDone = requiredControl<TextField>(controls, "txtWuDone");
    txtWuEnd = requiredControl<TextField>(controls, "txtWuEnd");
    lblWu = requiredControl<Label>(controls, "lblWu");
    lblWUsProc = {requiredControl<Label>(controls, "lblWUsProc(0)"),
                  requiredControl<Label>(controls, "lblWUsProc(1)")};
    lblAmountProc = requiredControl<Label>(controls, "lblAmountProc");
    lblWuEnd = requiredControl<Label>(controls, "lblWuEnd");
    lblDayCount = requiredControl<Label>(controls, "Label1(7)");
    lblSite = requiredControl<Label>(controls, "lblSite");
    chkSetStartDate = requiredControl<CheckBox>(controls, "chkSetStartDate");
    chkSetEndDate = requiredControl<CheckBox>(controls, "chkSetEndDate");
    chkShowMs = requiredControl<CheckBox>(controls, "chkShowMs");
    chkDone = requiredControl<CheckBox>(controls, "chkDone");
    chkCPU = requiredControl<CheckBox>(controls, "chkCPU");
    chkButtons = requiredControl<CheckBox>(controls, "chkButtons");
    cmbThemes = requiredControl<ComboBox>(controls, "cmbThemes");
    cmdCalculate = {requiredControl<QPushButton>(controls, "cmdCalculate(0)"),
                    requiredControl<QPushButton>(controls, "cmdCalculate(1)"),
                    requiredControl<QPushButton>(controls, "cmdCalculate(2)")};
    for (int index = 0; index < int(cmdCalculate.size()); ++index)
        setCalculateCaption(index, cmdCalculate[index]->text());
    cmdDateNow = requiredControl<QPushButton>(controls, "cmdDateNow");
    cmdDateEnd = requiredControl<QPushButton>(controls, "cmdDateEnd");
    cmdBuffIn = requiredControl<QPushButton>(controls, "cmdBuffIn");
    cmdAbout = requiredControl<QPushButton>(controls, "cmdAbout");
    cmdHistory = requiredControl<QPushButton>(controls, "cmdHistory");
    cmd1Line = requiredControl<QPushButton>(controls, "cmd1Line");
    cmdEnd = requiredControl<QPushButton>(controls, "cmdEnd");

    // The list starts with no item selected and its edit part showing its name.
    cmbThemes->addItems(layout::themeItems());
    cmbThemes->setListIndex(-1);
    cmbThemes->setEditText(QStringLiteral("cmbThemes"));

    setPaletteColor(this, QPalette::Window, layout::LayoutBackground);
    for (const char* name : layout::layoutColoredCheckBoxes())
        setPaletteColor(requiredControl<CheckBox>(controls, name), QPalette::Window,
                        layout::LayoutBackground);
    for (const char* name : layout::layoutColoredButtons())
        setPaletteColor(requiredControl<QPushButton>(controls, name), QPalette::Button,
                        layout::LayoutButtonBackground);

    txtKeys->setFocus();
}

void frmMain::setCalculateCaption(int index, const QString& caption)
{
    // The three buttons share their captions; a screen reader names each
    // after what it calculates from ("Calculate from the key rate").
    cmdCalculate[index]->setText(caption);
    QString name = caption;
    name.remove(u'&').replace(QStringLiteral("from here"),
                              QStringLiteral("from ") + mainWindowLayout::calculationSource(index));
    cmdCalculate[index]->setAccessibleName(name);
}

void frmMain::connectEvents()
{
    for (int index = 0; index < int(cmdCalculate.size()); ++index)
        connect(cmdCalculate[index], &QPushButton::clicked, this,
                [this, index] { cmdCalculate_Click(index); });
    for (int index = 0; index < int(txtWus.size()); ++index) {
        connect(txtWus[index], &QLineEdit::textChanged, this,
                [this, index] { txtWus_Change(index); });
        connect(txtWus[index], &TextField::clicked, this, [this, index] { txtWus_Click(index); });
    }
    connect(txtCpu, &QLineEdit::textChanged, this, &frmMain::txtCpu_Change);
    connect(txtWuDone, &QLineEdit::textChanged, this, &frmMain::txtWuDone_Change);
    connect(txtAmount, &QLineEdit::textChanged, this, &frmMain::txtAmount_Change);
    connect(txtWuEnd, &QLineEdit::textChanged, this, &frmMain::txtWuEnd_Change);
    connect(txtAmount, &TextField::clicked, this, &frmMain::txtAmount_Click);
    connect(txtWuEnd, &TextField::clicked, this, &frmMain::txtWuEnd_Click);
    connect(chkCPU, &CheckBox::valueChanged, this, &frmMain::chkCPU_Click);
    connect(chkDone, &CheckBox::valueChanged, this, &frmMain::chkDone_Click);
    connect(chkShowMs, &CheckBox::valueChanged, this, &frmMain::chkShowMs_Click);
    connect(chkButtons, &CheckBox::valueChanged, this, &frmMain::chkButtons_Click);
    connect(cmbThemes, &ComboBox::listIndexChanged, this, &frmMain::cmbThemes_Click);
    connect(cmdDateNow, &QPushButton::clicked, this, &frmMain::cmdDateNow_Click);
    connect(cmdDateEnd, &QPushButton::clicked, this, &frmMain::cmdDateEnd_Click);
    connect(cmdBuffIn, &QPushButton::clicked, this, &frmMain::cmdBuffIn_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(cmdHistory, &QPushButton::clicked, this, &frmMain::cmdHistory_Click);
    connect(cmd1Line, &QPushButton::clicked, this, &frmMain::cmd1Line_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &frmMain::cmdEnd_Click);
    connect(lblSite, &Label::mouseMoved, this, &frmMain::lblSite_MouseMove);
    connect(lblSite, &Label::clicked, this, &frmMain::lblSite_Click);
    // When the session ends, or a termination signal arrives, the
    // application quits without closing its windows; the settings are
    // stored all the same.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { close(); });
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

} // namespace veltrane
