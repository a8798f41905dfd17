// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon files from the logo artwork into the hicolor
// layout below a folder: scalable/apps/<id>.svg, 48x48/apps/<id>.png and
// 256x256/apps/<id>.png.
//   veltrane_icons <folder> <icon name>
#include "program/program_info.h"
#include "ui/toolkit/program_logo.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

// The drawing's size in SVG units: the logo fitted into a square.
constexpr int SvgSize = 64;

bool writePng(const QString& folder, const QString& name, int size)
{
    const QString dir = folder + QStringLiteral("/%1x%1/apps").arg(size);
    if (!QDir().mkpath(dir))
        return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    veltrane::paintProgramLogo(painter, size, size);
    painter.end();
    return image.save(dir + u'/' + name + QStringLiteral(".png"), "PNG");
}

bool writeSvg(const QString& folder, const QString& name)
{
    const QString dir = folder + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(dir))
        return false;
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(SvgSize, SvgSize));
    generator.setViewBox(QRect(0, 0, SvgSize, SvgSize));
    // Its width and height are written in millimetres: at 96 dpi one unit
    // is one CSS pixel.
    generator.setResolution(96);
    generator.setTitle(veltrane::programTitle());
    generator.setDescription(
        QStringLiteral("The logo of %1: a clock face with a key").arg(veltrane::programTitle()));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    veltrane::paintProgramLogo(painter, SvgSize, SvgSize);
    painter.end();
    QFile file(dir + u'/' + name + QStringLiteral(".svg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray& bytes = svg.data();
    return !bytes.isEmpty() && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: veltrane_icons <folder> <icon name>\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    if (!writeSvg(folder, name) || !writePng(folder, name, 48) || !writePng(folder, name, 256)) {
        QTextStream(stderr) << "veltrane_icons: cannot write the icons into " << folder << '\n';
        return 1;
    }
    return 0;
}
