// Draws every window of the program into PNG files, for the documentation:
// the main window, the Buff-In window with a result and the About window in
// each of the colour themes, and the History window, which has no theme. It
// starts from a fresh settings file in a temporary folder.
//   veltrane_screenshots <output folder>
#include "program/program_info.h"
#include "settings/ini_file.h"
#include "ui/main/frm_main.h"
#include "ui/theme/theme_table.h"
#include "ui/toolkit/message_box.h"

#include <QApplication>
#include <QDir>
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

void writeSettings(int theme)
{
    using veltrane::WriteINI;
    // The layout's own dates, so every picture shows the same figures.
    WriteINI(QStringLiteral("Calculate"), QStringLiteral("StartDate"), QStringLiteral("0"));
    WriteINI(QStringLiteral("Calculate"), QStringLiteral("KeyRate"), QStringLiteral("641.440"));
    WriteINI(QStringLiteral("Calculate"), QStringLiteral("Buttons"), QStringLiteral("1"));
    WriteINI(QStringLiteral("Main"), QStringLiteral("Themes"), QString::number(theme));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    output.setPath(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
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
    return 0;
}
