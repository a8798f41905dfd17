// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace veltrane {

// A read-only text field of several lines with a vertical scroll bar. Its
// text is kept exactly as the program puts it together, line ends
// included, while the field shows each line end as a new line.
class MultiLineTextField : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineTextField(QWidget* parent = nullptr);

    QString text() const { return m_text; }

    // Adds text at the end; an append is as cheap as the text it adds.
    void appendText(const QString& text);

private:
    QString m_text;
};

} // namespace veltrane
