// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the whole X screen given by DISPLAY to a PNG file, through Qt's own
// screen grab on the xcb platform.
//   veltrane_screen_grab <file.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: veltrane_screen_grab <file.png>\n";
        return 2;
    }
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    if (screen.isNull() || !screen.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        QTextStream(stderr) << "cannot grab the screen into " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
