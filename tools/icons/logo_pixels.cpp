// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the logo at each size of the program's icon and writes the pixels as
// a C++ source file, which the build compiles into the program: a window's
// icon then costs no drawing at start-up.
//   veltrane_logo_pixels <output .cpp file>
#include "ui/toolkit/logo_art.h"
#include "ui/toolkit/prerendered_logo.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

// The logo as programLogo draws it: a transparent pixmap of the program's
// raster paint engine is an ARGB32 premultiplied image.
QImage drawnLogo(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    veltrane::paintProgramLogo(painter, side, side);
    return image;
}

void writePixels(QTextStream& out, int side)
{
    const QImage image = drawnLogo(side);
    out << "PIXELS const std::uint32_t Logo" << side << "[] = {";
    for (int y = 0; y < side; ++y) {
        const auto row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < side; ++x)
            out << ((x % 8) ? " " : "\n    ") << "0x" << QString::number(row[x], 16) << ',';
    }
    out << "\n};\n\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: veltrane_logo_pixels <output .cpp file>\n";
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QTextStream(stderr) << "veltrane_logo_pixels: cannot write " << file.fileName() << '\n';
        return 1;
    }
    QTextStream out(&file);
    out << "// SPDX-License-Identifier: GPL-3.0-or-later\n"
           "// Written by veltrane_logo_pixels from the logo artwork at every build.\n"
           "#include \"ui/toolkit/prerendered_logo.h\"\n\n"
           "namespace veltrane {\nnamespace {\n\n"
           // A section of their own, which the linker puts after the rest
           // of the read-only data: a program that never shows a window icon
           // (offscreen) then has none of these pages mapped in along with
           // the constants it does read.
           "#define PIXELS __attribute__((section(\"veltrane_logo_pixels\")))\n\n";
    for (int side : veltrane::LogoIconSizes)
        writePixels(out, side);
    out << "} // namespace\n\nconst std::uint32_t* prerenderedLogo(int side)\n{\n"
           "    switch (side) {\n";
    for (int side : veltrane::LogoIconSizes)
        out << "    case " << side << ":\n        return Logo" << side << ";\n";
    out << "    default:\n        return nullptr;\n    }\n}\n\n} // namespace veltrane\n";
    out.flush();
    return file.flush() && out.status() == QTextStream::Ok ? 0 : 1;
}
