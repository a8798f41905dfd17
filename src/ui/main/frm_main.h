// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fixed_point.h"

#include "ui/toolkit/form.h"

#include <QPointer>

#include <array>
#include <cstdint>

class QPushButton;

namespace veltrane {

class CheckBox;
class ComboBox;
class frmAbout;
class frmBuffIn;
class frmHistory;
class Label;
class TextField;

// The main window: the user's inputs, every result, and the routines that
// react to them. Creating it loads it: the inputs of the last run come back
// from the settings file and the first calculation runs. Closing it stores
// the inputs and ends the program.
class frmMain : public Form
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Works out the work units of a day's CPU hours and over the span of
    // dates from the time of one work unit, and writes them into the window.
    void TimeDate();

    // The time of one work unit of the last completed calculation; 0 before.
    Fixed secondsPerWu() const { return SecondsPerWu; }
    // How often the program has been started, as read at start-up.
    std::int32_t useCount() const { return UseCount; }

    // The controls the secondary windows read: the key rate, the CPU hours
    // and their check box, the theme and the button colouring. The Buff-In
    // window also resets a key rate that is too low.
    TextField* keyRateField() const { return txtKeys; }
    TextField* cpuHoursField() const { return txtCpu; }
    CheckBox* cpuTimeCheckBox() const { return chkCPU; }
    CheckBox* buttonsCheckBox() const { return chkButtons; }
    int themeIndex() const;

signals:
    // The window has stored its settings and the program is ending.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void formMouseMove() override { Form_MouseMove(); }

private:
    void buildWindow();
    void connectEvents();

    void Form_Load();
    void Form_Unload();

    void cmdCalculate_Click(int index);
    void cmd1Line_Click();

    void txtCpu_Change();
    void txtWuDone_Change();
    void txtWus_Change(int index);
    void txtAmount_Change();
    void txtWuEnd_Change();
    void txtWus_Click(int index);
    void txtAmount_Click();
    void txtWuEnd_Click();
    void chkCPU_Click();
    void chkDone_Click();
    void chkShowMs_Click();
    void chkButtons_Click();
    void cmbThemes_Click();
    void cmdDateNow_Click();
    void cmdDateEnd_Click();
    void cmdBuffIn_Click();
    void cmdAbout_Click();
    void cmdHistory_Click();
    void cmdEnd_Click();
    void lblSite_MouseMove();
    void Form_MouseMove();
    void lblSite_Click();

    void setCalculateCaption(int index, const QString& caption);

    TextField* txtKeys = nullptr;
    TextField* txtCpu = nullptr;
    TextField* txtStart = nullptr;
    TextField* txtEnd = nullptr;
    std::array<TextField*, 2> txtWus{};
    TextField* txtAmount = nullptr;
    TextField* txtWuDone = nullptr;
    TextField* txtWuEnd = nullptr;
    Label* lblWu = nullptr;
    std::array<Label*, 2> lblWUsProc{};
    Label* lblAmountProc = nullptr;
    Label* lblWuEnd = nullptr;
    Label* lblDayCount = nullptr; // Label1(7)
    Label* lblSite = nullptr;
    CheckBox* chkSetStartDate = nullptr;
    CheckBox* chkSetEndDate = nullptr;
    CheckBox* chkShowMs = nullptr;
    CheckBox* chkDone = nullptr;
    CheckBox* chkCPU = nullptr;
    CheckBox* chkButtons = nullptr;
    ComboBox* cmbThemes = nullptr;
    std::array<QPushButton*, 3> cmdCalculate{};
    QPushButton* cmdDateNow = nullptr;
    QPushButton* cmdDateEnd = nullptr;
    QPushButton* cmdBuffIn = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdHistory = nullptr;
    QPushButton* cmd1Line = nullptr;
    QPushButton* cmdEnd = nullptr;

    // The secondary windows while they are shown.
    QPointer<frmBuffIn> m_buffIn;
    QPointer<frmAbout> m_about;
    QPointer<frmHistory> m_history;

    Fixed SecondsPerWu;
    std::int32_t UseCount = 0;
    bool m_unloaded = false;
};

} // namespace veltrane
