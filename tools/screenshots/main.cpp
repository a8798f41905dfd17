// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every window of the program into PNG files, for the documentation:
// the main window, the Buff-In window with a result and the About window in
// each of the colour themes, the History window, which has no theme, and the
// main window at 40 billion keys a second, the rate of one graphics card of
// today. It starts from a fresh settings file in a temporary folder. With
// --dark-desktop the application has a dark palette, as under a dark
// desktop scheme, before any window is built.
//   veltrane_screenshots [--dark-desktop] <output folder>
#include "program/program_info.h"
#include "settings/ini_file.h"
#include "ui/main/frm_main.h"
#include "ui/theme/theme_table.h"
#include "ui/toolkit/message_box.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QDir output;

void click(const QWidget* window, const char* button)
{
    window->findChild<QPushButton*>(QString::fromUtf8(button))->click();
    QApplication::processEvents();
}

QWidget* shownWindow(const char* name)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->objectName() == QString::fromUtf8(name))
            return window;
    }
    qFatal("%s is not shown", name);
}

void save(QWidget* window, const QString& name, const QString& what)
{
    const QString file = output.filePath(name + QStringLiteral(".png"));
    window->grab().save(file);
    QTextStream(stdout) << file << " (" << what << ")\n";
}

QPalette darkDesktopPalette()
{
    QPalette dark(QColor(53, 53, 53));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(36, 36, 36));
    return dark;
}

void writeSettings(int theme, const QString& keyRate = QStringLiteral("641.440"))
{
    using veltrane::WriteINI;
    // The layout's own dates, so every picture shows the same figures.
    WriteINI(QStringLiteral("Calculate"), QStringLiteral("StartDate"), QStringLiteral("0"));
    WriteINI(QStringLiteral("Calculate"), QStringLiteral("KeyRate"), keyRate);
    WriteINI(QStringLiteral("Calculate"), QStringLiteral("Buttons"), QStringLiteral("1"));
    WriteINI(QStringLiteral("Main"), QStringLiteral("Themes"), QString::number(theme));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--dark-desktop")) > 0)
        QApplication::setPalette(darkDesktopPalette());
    output.setPath(arguments.isEmpty() ? QStringLiteral(".") : arguments.first());
    output.mkpath(QStringLiteral("."));

    QTemporaryDir folder;
    veltrane::setProgramFilePath(folder.filePath(QStringLiteral("veltrane")));
    QFile::copy(QStringLiteral(VELTRANE_HISTORY_FILE),
                folder.filePath(QStringLiteral("veltrane_history.txt")));
    veltrane::setMessageBoxHandler(
        [](const veltrane::MessageRequest&) { return veltrane::MsgAnswer::Ok; });

    for (int theme = 0; theme < int(veltrane::Themes.size()); ++theme) {
        writeSettings(theme);
        veltrane::frmMain window;
        window.show();
        QApplication::processEvents();
        const QString name = QString::fromUtf8(veltrane::Themes[theme].name);
        save(&window, QStringLiteral("main-window-theme-%1").arg(theme), name);

        click(&window, "cmdBuffIn");
        QWidget* buffIn = shownWindow("frmBuffIn");
        click(buffIn, "cmdCalculate");
        save(buffIn, QStringLiteral("buffin-window-theme-%1").arg(theme), name);
        buffIn->close();

        click(&window, "cmdAbout");
        QWidget* about = shownWindow("frmAbout");
        save(about, QStringLiteral("about-window-theme-%1").arg(theme), name);
        click(about, "cmdBack");

        if (theme == 0) {
            click(&window, "cmdHistory");
            save(shownWindow("frmHistory"), QStringLiteral("history-window"), "no theme");
        }
        window.close();
    }

    writeSettings(0, QStringLiteral("40.000.000.000"));
    veltrane::frmMain window;
    window.show();
    QApplication::processEvents();
    save(&window, QStringLiteral("main-window-40-gkeys"), "40.000.000.000 keys/sec");
    window.close();
    return 0;
}
