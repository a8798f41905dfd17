#include "ui/toolkit/text_field.h"

#include <QMouseEvent>
#include <QValidator>

#include <algorithm>

namespace veltrane {

// Cuts what the user types or pastes beyond the field's limit, the way a
// limited field takes only the characters that still fit. A text that is
// already longer (put there by the program) may still shrink.
class TypingLimitValidator : public QValidator
{
public:
    explicit TypingLimitValidator(TextField* field) : QValidator(field), m_field(field) {}

    State validate(QString& input, int& position) const override
    {
        int limit = m_field->m_typingLimit;
        if (m_field->m_settingFromCode || limit <= 0)
            return Acceptable;
        int allowed = std::max<int>(limit, m_field->m_lastText.size());
        int excess = int(input.size()) - allowed;
        if (excess > 0) {
            int cut = std::min(excess, position);
            input.remove(position - cut, cut);
            position -= cut;
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
}

void TextField::selectWholeText()
{
    setSelection(0, int(text().size()));
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
