// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/theme/apply_theme.h"

#include "ui/theme/theme_table.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/control_kind.h"
#include "ui/toolkit/line_control.h"
#include "ui/toolkit/palette_color.h"

#include <QPointer>
#include <QWidget>

namespace veltrane {
namespace {

// Each kind of control takes the colours it has: background, text, border.
void colorControl(QWidget* control, const Theme& theme)
{
    switch (controlKind(control)) {
    case ControlKind::Label:
        // The label is transparent: only its text colour shows.
        setPaletteColor(control, QPalette::WindowText, theme.text);
        break;
    case ControlKind::TextField:
    case ControlKind::ComboBox:
        setPaletteColor(control, QPalette::Base, theme.background);
        setPaletteColor(control, QPalette::Text, theme.text);
        break;
    case ControlKind::CheckBox:
        setPaletteColor(control, QPalette::Window, theme.background);
        setPaletteColor(control, QPalette::WindowText, theme.text);
        break;
    case ControlKind::Button:
        // Button text keeps the system's button-text colour.
        setPaletteColor(control, QPalette::Button, theme.background);
        break;
    case ControlKind::Line:
        static_cast<LineControl*>(control)->setBorderColor(theme.border);
        break;
    case ControlKind::Picture:
    case ControlKind::Other:
        break;
    }
}

} // namespace

void ApplyTheme(QWidget* window, int theme, CheckBox* buttons)
{
    // The nested run that the "DOS" rule sets off may close windows; stop
    // quietly if this one or the check box is gone.
    QPointer<QWidget> guardWindow(window);
    QPointer<CheckBox> guardButtons(buttons);
    const auto controls = windowControls(window);
    for (QWidget* control : controls) {
        if (!guardWindow || !guardButtons)
            return;
        if (isThemeIndex(theme)) {
            setPaletteColor(window, QPalette::Window, Themes[theme].background);
            colorControl(control, Themes[theme]);
        }
        if (theme == DosTheme && buttons->isOn())
            buttons->setValue(CheckBox::Off);
        if (guardButtons && !buttons->isOn() && controlKind(control) == ControlKind::Button)
            setPaletteColor(control, QPalette::Button, PlainButtonColor);
    }
}

} // namespace veltrane
