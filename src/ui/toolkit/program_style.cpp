// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/program_style.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace veltrane {
namespace {

// The 3-D borders are two pixels wide.
constexpr int BorderWidth = 2;
// The focus frame lies this far inside a button's edge.
constexpr int FocusInset = 4;

void drawButtonPanel(const QStyleOption* option, QPainter* painter)
{
    const bool pressed = option->state & (QStyle::State_Sunken | QStyle::State_On);
    const QBrush face = option->palette.brush(QPalette::Button);
    qDrawWinButton(painter, option->rect, option->palette, pressed, &face);
    if (option->state & QStyle::State_HasFocus) {
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(
            option->rect.adjusted(FocusInset, FocusInset, -FocusInset - 1, -FocusInset - 1));
        painter->restore();
    }
}

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_PanelButtonCommand:
        drawButtonPanel(option, painter);
        return;
    case PE_FrameLineEdit:
        qDrawWinPanel(painter, option->rect, option->palette, true);
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const
{
    if (metric == PM_DefaultFrameWidth && qobject_cast<const QLineEdit*>(widget))
        return BorderWidth;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace veltrane
