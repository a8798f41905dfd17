// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace veltrane {

// A one-line text field. A change of its text from code or by the user
// raises textChanged once, and only when the text really differs. The
// character limit holds for typing and pasting only: an edit adds no more
// characters than the limit leaves beside the rest of the text, and text the
// program puts in is never cut. Pasted text of several lines gives its first
// line. Text the program puts in shows from its first character, the caret
// before it, unless it answers what the user is typing into this field.
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextField(QWidget* parent = nullptr);

    // 0 means no limit.
    void setTypingLimit(int characters);
    int typingLimit() const { return m_typingLimit; }

    // Sets the whole text, from the program.
    void setFieldText(const QString& text);

    // Selects the whole text, ready to be copied or typed over.
    void selectWholeText();

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class TypingLimitValidator;

    int m_typingLimit = 0;
    bool m_settingFromCode = false;
    bool m_typing = false;
    QString m_lastText;
    bool m_pressed = false;
};

} // namespace veltrane
