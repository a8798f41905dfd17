// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace veltrane {
namespace {

constexpr int CaptionFlags =
    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent)
{
    connect(this, &QCheckBox::stateChanged, this, [this] { emit valueChanged(value()); });
}

int CheckBox::value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return Off;
    case Qt::Checked:
        return On;
    case Qt::PartiallyChecked:
        break;
    }
    return Greyed;
}

void CheckBox::setValue(int value)
{
    switch (value) {
    case Off:
        setCheckState(Qt::Unchecked);
        break;
    case On:
        setCheckState(Qt::Checked);
        break;
    case Greyed:
        setCheckState(Qt::PartiallyChecked);
        break;
    default:
        break;
    }
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void CheckBox::paintEvent(QPaintEvent*)
{
    // The style draws the box alone; the caption is drawn beside it so that
    // it can wrap onto a second line, as a narrow, tall box expects.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);

    option.text = caption;
    QRect captionRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    captionRect.setRight(rect().right());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, CaptionFlags, caption);
}

bool CheckBox::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

} // namespace veltrane
