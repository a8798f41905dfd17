// SPDX-License-Identifier: GPL-3.0-or-later
// A second program that writes a settings file, as another copy of Veltrane
// sharing the file would.
//   ini_writer_child <folder> <key prefix> <count>
//     writes count keys named <prefix><n> into the "Keys" section of
//     shared.ini, then exits; with 1 when any write was dropped.
//   ini_writer_child --forever <folder> <keys> <first step>
//     rewrites the keys k0 ... k<keys - 1> of shared.ini in turn until it is
//     killed: step n stores the value n in key k<n mod keys>.

#include "settings/ini_file.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

QString sharedFile(const QString& folder)
{
    return veltrane::detail::iniFilePath(QStringLiteral("shared"), folder);
}

int writeKeys(const QString& folder, const QString& prefix, int count)
{
    const QString path = sharedFile(folder);
    int dropped = 0;
    for (int i = 0; i < count; ++i) {
        const QString key = prefix + QString::number(i);
        if (!veltrane::detail::writeIniFile(path, QStringLiteral("Keys"), key, QString::number(i)))
            ++dropped;
    }
    if (dropped > 0) {
        QTextStream(stderr) << dropped << " writes dropped\n";
        return 1;
    }
    return 0;
}

[[noreturn]] void rewriteForever(const QString& folder, int keys, qint64 step)
{
    const QString path = sharedFile(folder);
    // The parent kills the writer at a random moment after this line.
    QTextStream(stdout) << "writing\n" << Qt::flush;
    for (;; ++step) {
        const QString key = QStringLiteral("k") + QString::number(step % keys);
        veltrane::detail::writeIniFile(path, QStringLiteral("Keys"), key, QString::number(step));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QStringLiteral("--forever"))
        rewriteForever(args[2], args[3].toInt(), args[4].toLongLong());
    if (args.size() == 4)
        return writeKeys(args[1], args[2], args[3].toInt());
    QTextStream(stderr) << "usage: ini_writer_child <folder> <key prefix> <count>\n"
                           "       ini_writer_child --forever <folder> <keys> <first step>\n";
    return 2;
}
