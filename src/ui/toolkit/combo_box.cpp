// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/combo_box.h"

#include <QLineEdit>

namespace veltrane {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // Typed text is never taken into the list nor completed from it, and
    // Enter does not pick an item that matches it.
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    // Qt picks the item that matches the typed text when editing ends;
    // typing here never picks an item.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_typing)
            emit listIndexChanged(index);
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::leaveSelectionWhileTyping);
}

void ComboBox::setListIndex(int index)
{
    if (index >= -1 && index < count())
        setCurrentIndex(index);
}

void ComboBox::leaveSelectionWhileTyping(const QString& typed)
{
    if (currentIndex() == -1)
        return;
    int cursor = lineEdit()->cursorPosition();
    m_typing = true;
    setCurrentIndex(-1);
    setEditText(typed);
    m_typing = false;
    lineEdit()->setCursorPosition(cursor);
}

} // namespace veltrane
