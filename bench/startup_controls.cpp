// SPDX-License-Identifier: GPL-3.0-or-later
// The middle step between the bare window and Veltrane: the main window's
// controls alone, built from the same layout table in the program's look
// (style and fonts), with nothing of the program's own work: no settings, no
// calculation, no theme, no event handling. The process ends as soon as the
// window has been painted once. bench/startup.sh times it beside the other
// two, which splits Veltrane's start-up into what Qt needs to build and draw
// this window and what the program adds on top.
//   QT_QPA_PLATFORM=offscreen veltrane_bench_startup_controls
#include "quit_after_first_paint.h"
#include "ui/main/main_window_layout.h"
#include "ui/toolkit/control_table.h"
#include "ui/toolkit/program_look.h"
#include "ui/toolkit/twips.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    using namespace veltrane;
    namespace layout = mainWindowLayout;
    QApplication app(argc, argv);
    useProgramLook();
    QWidget window;
    window.setFixedSize(twipsToPixels(layout::ClientWidth), twipsToPixels(layout::ClientHeight));
    window.setFont(fontFor(fonts::TimesNewRoman975));
    buildWindowControls(&window, layout::lines(), layout::controls());
    QuitAfterFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}
