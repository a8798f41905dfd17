// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/text_field.h"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QValidator>

#include <algorithm>

namespace veltrane {

// Cuts what the user types or pastes to what fits, the way a one-line edit
// control with a character limit does: a pasted text ends at its first line
// break, and an edit adds only as many characters as the limit leaves beside
// what remains of the text. A text that is already longer (put there by the
// program) may still shrink but takes no more characters.
class TypingLimitValidator : public QValidator
{
public:
    explicit TypingLimitValidator(TextField* field) : QValidator(field), m_field(field) {}

    State validate(QString& input, int& position) const override
    {
        if (m_field->m_settingFromCode)
            return Acceptable;
        // What the edit put in ends at the cursor; behind the cursor stands
        // the end of the text before, and in front of what was put in the
        // part of it that the edit left alone.
        const QString& before = m_field->m_lastText;
        const qsizetype after = input.size() - position;
        qsizetype start = 0;
        while (start < position && start < before.size() - after && input[start] == before[start])
            ++start;

        // A field of one line takes a pasted text up to its first line break:
        // the summary or a column of figures from the clipboard gives its
        // first line.
        for (qsizetype i = start; i < position; ++i) {
            if (input[i] == u'\r' || input[i] == u'\n') {
                input.remove(i, position - i);
                position = int(i);
                break;
            }
        }

        const int limit = m_field->m_typingLimit;
        if (limit <= 0)
            return Acceptable;
        const qsizetype room = std::max<qsizetype>(0, limit - (start + after));
        const qsizetype added = position - start;
        if (added > room) {
            input.remove(start + room, added - room);
            position = int(start + room);
        }
        return Acceptable;
    }

private:
    TextField* m_field;
};

TextField::TextField(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TypingLimitValidator(this));
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_lastText = text; });
}

void TextField::setTypingLimit(int characters)
{
    m_typingLimit = characters;
}

void TextField::setFieldText(const QString& text)
{
    m_settingFromCode = true;
    setText(text);
    m_settingFromCode = false;
    // A figure wider than its field shows its leading digits, not its end.
    // A text that answers the user's own typing here (an emptied field that
    // becomes "1" or "0") keeps the caret where typing goes on, as before.
    if (!m_typing)
        setCursorPosition(0);
}

void TextField::selectWholeText()
{
    setSelection(0, int(text().size()));
}

void TextField::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback typing(m_typing, true);
    QLineEdit::keyPressEvent(event);
}

void TextField::inputMethodEvent(QInputMethodEvent* event)
{
    const QScopedValueRollback typing(m_typing, true);
    QLineEdit::inputMethodEvent(event);
}

void TextField::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void TextField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    bool click = m_pressed && event->button() == Qt::LeftButton &&
                 rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

} // namespace veltrane
