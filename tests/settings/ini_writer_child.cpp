// Writes count keys named <prefix><n> into the "Keys" section of shared.ini in
// the given folder, as one of several programs sharing a settings file would.
// Exits with 1 when any write was dropped.

#include "settings/ini_file.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        QTextStream(stderr) << "usage: ini_writer_child <folder> <key prefix> <count>\n";
        return 2;
    }
    const QString path = veltrane::detail::iniFilePath(QStringLiteral("shared"), args[1]);
    const int count = args[3].toInt();
    int dropped = 0;
    for (int i = 0; i < count; ++i) {
        const QString key = args[2] + QString::number(i);
        if (!veltrane::detail::writeIniFile(path, QStringLiteral("Keys"), key, QString::number(i)))
            ++dropped;
    }
    if (dropped > 0) {
        QTextStream(stderr) << dropped << " writes dropped\n";
        return 1;
    }
    return 0;
}
