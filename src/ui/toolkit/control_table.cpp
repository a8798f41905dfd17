// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/control_table.h"

#include "ui/toolkit/check_box.h"
#include "ui/toolkit/combo_box.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/line_control.h"
#include "ui/toolkit/text_field.h"
#include "ui/toolkit/twips.h"

#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace veltrane {
namespace {

Qt::Alignment alignmentOf(unsigned traits)
{
    if (traits & Centred)
        return Qt::AlignHCenter | Qt::AlignTop;
    if (traits & RightAligned)
        return Qt::AlignRight | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* makeLabel(QWidget* window, const ControlRow& row)
{
    auto label = new Label(window);
    label->setAlignment(alignmentOf(row.traits));
    // A label of fixed size, or one that grows downwards, wraps its caption
    // at its width.
    label->setWordWrap(!(row.traits & AutoSize));
    if (row.traits & LinkPointer) {
        label->setCursor(Qt::UpArrowCursor);
        label->setMouseTracking(true);
    }
    label->setCaption(QString::fromUtf8(row.caption));
    return label;
}

QWidget* makeTextField(QWidget* window, const ControlRow& row)
{
    auto field = new TextField(window);
    field->setTypingLimit(row.typingLimit);
    field->setReadOnly(row.traits & ReadOnly);
    field->setFieldText(QString::fromUtf8(row.caption));
    return field;
}

QWidget* makeButton(QWidget* window, const ControlRow& row)
{
    auto button = new QPushButton(QString::fromUtf8(row.caption), window);
    button->setAutoDefault(false);
    button->setDefault(row.traits & DefaultButton);
    return button;
}

QWidget* makeCheckBox(QWidget* window, const ControlRow& row)
{
    auto box = new CheckBox(window);
    box->setText(QString::fromUtf8(row.caption));
    box->setValue(row.traits & Checked ? CheckBox::On : CheckBox::Off);
    // Check boxes are opaque: their own background colour shows.
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    return box;
}

QWidget* makeComboBox(QWidget* window, const ControlRow& row)
{
    auto combo = new ComboBox(window);
    combo->setEditText(QString::fromUtf8(row.caption));
    return combo;
}

QWidget* makeControl(QWidget* window, const ControlRow& row)
{
    switch (row.kind) {
    case ControlKind::Label:
        return makeLabel(window, row);
    case ControlKind::TextField:
        return makeTextField(window, row);
    case ControlKind::Button:
        return makeButton(window, row);
    case ControlKind::CheckBox:
        return makeCheckBox(window, row);
    case ControlKind::ComboBox:
        return makeComboBox(window, row);
    case ControlKind::Picture:
        return new QLabel(window);
    case ControlKind::Line:
    case ControlKind::Other:
        break;
    }
    return new QWidget(window);
}

void chainFocus(std::vector<std::pair<int, QWidget*>> focusable)
{
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
}

} // namespace

QFont fontFor(LayoutFont layoutFont)
{
    QFont font(QString::fromUtf8(layoutFont.family));
    font.setPointSizeF(layoutFont.pointSize);
    font.setBold(layoutFont.bold);
    return font;
}

ControlsByName buildWindowControls(QWidget* window, std::span<const LineRow> lines,
                                   std::span<const ControlRow> controls)
{
    ControlsByName byName;
    for (const LineRow& row : lines) {
        auto line = new LineControl(window);
        line->setObjectName(QString::fromUtf8(row.name));
        line->setEnds(twipsPoint(row.x1, row.y1), twipsPoint(row.x2, row.y2));
        line->setBorderColor(row.color);
        byName.insert(line->objectName(), line);
    }

    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlRow& row : controls) {
        QWidget* control = makeControl(window, row);
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.font.family)
            control->setFont(fontFor(row.font));
        control->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        if (auto label = qobject_cast<Label*>(control))
            label->setAutoSize(row.traits & (AutoSize | GrowsDownward));
        if (row.toolTip)
            control->setToolTip(QString::fromUtf8(row.toolTip));
        if (row.kind == ControlKind::Label || row.kind == ControlKind::Picture)
            control->setFocusPolicy(Qt::NoFocus);
        else
            focusable.emplace_back(row.tabIndex, control);
        byName.insert(control->objectName(), control);
    }
    chainFocus(std::move(focusable));
    return byName;
}

void missingControl(const char* name, const char* kind)
{
    qFatal("The window has no control \"%s\" of the kind %s", name, kind);
    std::abort();
}

} // namespace veltrane
