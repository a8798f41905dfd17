// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/form.h"

class QPushButton;

namespace veltrane {

class frmMain;
class Label;

// The program's name, version, how often it has been started, the credits
// and the logo, in a borderless modal window. Creating it loads it; "<< Back"
// closes and destroys it.
class frmAbout : public Form
{
    Q_OBJECT

public:
    explicit frmAbout(frmMain& main);

private:
    void buildWindow();

    void Form_Load();
    void cmdBack_Click();

    frmMain& m_main;
    Label* lblVersion = nullptr;
    Label* lblUse = nullptr;
    QPushButton* cmdBack = nullptr;
};

} // namespace veltrane
