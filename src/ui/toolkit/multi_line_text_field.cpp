// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/multi_line_text_field.h"

#include <QTextCursor>

namespace veltrane {

MultiLineTextField::MultiLineTextField(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(false);
}

void MultiLineTextField::appendText(const QString& text)
{
    if (text.isEmpty())
        return;
    m_text += text;
    // Insert at the end without moving the reader's view or selection; a
    // "\r\n" shows as one new line.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // One edit block: the field lays the new lines out once, not line by line.
    QTextCursor end(document());
    end.beginEditBlock();
    end.movePosition(QTextCursor::End);
    end.insertText(shown);
    end.endEditBlock();
}

} // namespace veltrane
