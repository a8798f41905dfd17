// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons that open the secondary windows. A window that is already
// shown is brought forward, never opened twice.
#include "ui/main/frm_main.h"

#include "ui/about/frm_about.h"
#include "ui/buffin/frm_buff_in.h"
#include "ui/history/frm_history.h"

namespace veltrane {
namespace {

// A window that was closed is gone, even while Qt has yet to delete it.
template <class Window> bool isShown(const QPointer<Window>& window)
{
    return window && window->isVisible();
}

void bringForward(QWidget* window)
{
    if (window->isVisible())
        window->raise();
    window->show();
    window->activateWindow();
}

} // namespace

void frmMain::cmdBuffIn_Click()
{
    if (!isShown(m_buffIn))
        m_buffIn = new frmBuffIn(*this);
    bringForward(m_buffIn);
}

void frmMain::cmdAbout_Click()
{
    if (!isShown(m_about))
        m_about = new frmAbout(*this);
    bringForward(m_about);
}

void frmMain::cmdHistory_Click()
{
    if (isShown(m_history)) {
        bringForward(m_history);
        return;
    }
    // Whatever goes wrong while the history is shown, the main window goes
    // on as before.
    try {
        m_history = frmHistory::open(this);
    } catch (...) {
        if (m_history)
            m_history->close();
    }
}

} // namespace veltrane
