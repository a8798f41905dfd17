// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/logo_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltrane {
namespace {

const QColor Navy(31, 58, 104);
const QColor FaceLight(250, 252, 255);
const QColor FaceShade(183, 206, 240);
const QColor Gold(236, 180, 40);
const QColor GoldLight(255, 224, 130);
const QColor GoldDark(128, 84, 0);

// The clock face: the time a work unit takes.
void drawClock(QPainter& painter)
{
    const QPointF centre(27, 27);
    const double radius = 24;
    QRadialGradient face(centre - QPointF(7, 8), radius * 1.6);
    face.setColorAt(0, FaceLight);
    face.setColorAt(1, FaceShade);
    painter.setPen(QPen(Navy, 3));
    painter.setBrush(face);
    painter.drawEllipse(centre, radius, radius);
    // Lines take no brush; one left set would be written into the SVG icon
    // again with every line.
    painter.setBrush(Qt::NoBrush);

    painter.setPen(QPen(Navy, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; ++hour) {
        const double angle = hour * std::numbers::pi / 6;
        const double inner = hour % 3 == 0 ? radius - 7 : radius - 5;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.drawLine(centre + direction * inner, centre + direction * (radius - 3));
    }

    painter.setPen(QPen(Navy, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-9, -7)); // hour hand at ten
    painter.setPen(QPen(Navy, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -17)); // minute hand at twelve
    painter.setBrush(Navy);
    painter.drawEllipse(centre, 2.2, 2.2);
}

// The key: the one the search is after, lying across the lower right.
void drawKey(QPainter& painter)
{
    painter.save();
    painter.translate(44, 43);
    painter.rotate(-135);

    QPainterPath key;
    key.addEllipse(QPointF(0, 0), 9, 9); // the bow
    key.addRect(QRectF(6, -2.5, 20, 5)); // the shaft, towards the face
    key.addRect(QRectF(17, 2, 3.5, 5));  // the teeth
    key.addRect(QRectF(22.5, 2, 3.5, 7));
    key = key.simplified();
    QPainterPath hole;
    hole.addEllipse(QPointF(-1.5, 0), 3.6, 3.6);
    key = key.subtracted(hole);

    QLinearGradient shine(QPointF(0, -9), QPointF(0, 9));
    shine.setColorAt(0, GoldLight);
    shine.setColorAt(1, Gold);
    painter.setPen(QPen(GoldDark, 1.3));
    painter.setBrush(shine);
    painter.drawPath(key);
    painter.restore();
}

} // namespace

void paintProgramLogo(QPainter& painter, int width, int height)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(double(width) / LogoWidth, double(height) / LogoHeight);
    painter.translate((width - LogoWidth * scale) / 2, (height - LogoHeight * scale) / 2);
    painter.scale(scale, scale);
    drawClock(painter);
    drawKey(painter);
    painter.restore();
}

} // namespace veltrane
