// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/program_look.h"

#include "ui/toolkit/program_logo.h"
#include "ui/toolkit/program_style.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace veltrane {

void useProgramLook()
{
    if (!qobject_cast<ProgramStyle*>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
    // Every control has a font of its own, but Qt first lays out each text
    // in the application's font; making that one of the program's own spares
    // loading a further font at start-up. Message boxes use it too.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    // The desktop matches the windows to the installed desktop entry and its
    // icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELTRANE_APP_ID));
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(programIcon());
}

void useProgramPalette(QWidget* window)
{
    window->setPalette(window->style()->standardPalette());
}

} // namespace veltrane
