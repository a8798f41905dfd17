// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/form.h"

class QPushButton;

namespace veltrane {

struct BuffInCheck;
class frmMain;
class Label;
class TextField;

// How long the computer needs to work through the work units waiting in
// its buffer, at the key rate and CPU hours of the main window. A modeless
// window docked to the main window's right edge; creating it loads it, and
// closing it destroys it.
class frmBuffIn : public Form
{
    Q_OBJECT

public:
    explicit frmBuffIn(frmMain& main);

protected:
    void formMouseMove() override { Form_MouseMove(); }

private:
    void buildWindow();
    void connectEvents();

    void Form_Load();
    void Form_Activate();
    void cmdCalculate_Click();
    void lblout_Click();
    void lblout_MouseMove();
    void Form_MouseMove();

    // The checks of a calculation over the fields as they stand.
    BuffInCheck checkInputs() const;

    // The window's height follows the result sentence.
    void fitHeightToResult();

    frmMain& m_main;
    TextField* txtBuffIn = nullptr;
    QPushButton* cmdCalculate = nullptr;
    Label* lblout = nullptr;
};

} // namespace veltrane
