// Draws the main window in each of the five themes into PNG files, from a
// fresh settings file in a temporary folder, for the documentation.
//   veltrane_screenshots <output folder>
#include "settings/ini_file.h"
#include "ui/main/frm_main.h"
#include "ui/theme/theme_table.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/program_info.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(output);

    QTemporaryDir folder;
    veltrane::setProgramFilePath(folder.filePath(QStringLiteral("veltrane")));
    veltrane::setMessageBoxHandler(
        [](const veltrane::MessageRequest&) { return veltrane::MsgAnswer::Ok; });

    for (int theme = 0; theme < int(veltrane::Themes.size()); ++theme) {
        // The layout's own dates, so every picture shows the same figures.
        veltrane::WriteINI(QStringLiteral("Calculate"), QStringLiteral("StartDate"),
                           QStringLiteral("0"));
        veltrane::WriteINI(QStringLiteral("Calculate"), QStringLiteral("KeyRate"),
                           QStringLiteral("641.440"));
        veltrane::WriteINI(QStringLiteral("Calculate"), QStringLiteral("Buttons"),
                           QStringLiteral("1"));
        veltrane::WriteINI(QStringLiteral("Main"), QStringLiteral("Themes"),
                           QString::number(theme));
        veltrane::frmMain window;
        window.show();
        QApplication::processEvents();
        const QString file =
            QDir(output).filePath(QStringLiteral("main-window-theme-%1.png").arg(theme));
        window.grab().save(file);
        QTextStream(stdout) << file << " (" << veltrane::Themes[theme].name << ")\n";
        window.close();
    }
    return 0;
}
