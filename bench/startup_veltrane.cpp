// SPDX-License-Identifier: GPL-3.0-or-later
// Veltrane's start-up as a whole process: the application and the main
// window come up exactly as in the program itself (the window's creation
// loads it: the program's look, the termination signals, the settings, the
// first calculation and the theme), the window is shown, and the process
// ends as soon as the window has been painted once. bench/startup.sh times
// it against veltrane_bench_startup_bare.
//   QT_QPA_PLATFORM=offscreen veltrane_bench_startup <folder>
// The settings file is <folder>/veltrane.ini (the folder may also come from
// VELTRANE_BENCH_FOLDER); there is no default, so a run never touches the
// settings beside the real program. Closing the window at the end stores the
// settings as the program does; the script puts the same file back before
// every run, so every run reads and writes the same.
#include "program/program_info.h"
#include "quit_after_first_paint.h"
#include "ui/main/frm_main.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

QString settingsFolder(int argc, char* argv[])
{
    if (argc > 1)
        return QString::fromLocal8Bit(argv[1]);
    return qEnvironmentVariable("VELTRANE_BENCH_FOLDER");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    const QString folder = settingsFolder(argc, argv);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        std::fprintf(stderr, "usage: veltrane_bench_startup <existing settings folder>\n");
        return 2;
    }
    veltrane::setProgramFilePath(QDir(folder).absoluteFilePath(QStringLiteral("veltrane")));

    veltrane::frmMain window;
    QuitAfterFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}
