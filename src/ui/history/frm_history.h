// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

namespace veltrane {

class HistoryLineReader;
class MultiLineTextField;

// Shows the program's history file, a plain text file beside the program,
// in a modal window that fills up line by line while the file is read. A
// missing or empty file is reported, and the window closes again.
class frmHistory : public QWidget
{
    Q_OBJECT

public:
    // Creates the window over parent and loads it. The window shows itself
    // at once; it is gone again when the file gave no text.
    static QPointer<frmHistory> open(QWidget* parent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    explicit frmHistory(QWidget* parent);
    void buildWindow();

    void Form_Load();

    // Appends the lines, letting the window repaint as it grows. False when
    // the window was closed meanwhile; it may then be gone.
    bool showLines(HistoryLineReader& lines);

    MultiLineTextField* txtHistory = nullptr;
};

} // namespace veltrane
