// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Veltrane's start-up: a bare Qt Widgets program with one
// empty window of the main window's size, which ends as soon as that window
// has been painted once. bench/startup.sh times it against
// veltrane_bench_startup.
//   QT_QPA_PLATFORM=offscreen veltrane_bench_startup_bare
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QWidget>

namespace {

// The main window's fixed client size: 8190 × 5490 twips
// (src/ui/main/main_window_layout.h), 15 twips to the pixel.
constexpr int MainWindowWidth = 546;
constexpr int MainWindowHeight = 366;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(MainWindowWidth, MainWindowHeight);
    QuitAfterFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}
