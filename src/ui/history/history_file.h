// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace veltrane {

// The history file: "<program name>_history.txt", beside the program, or in
// the installed data folder of an installed copy.
QString historyFileName();
QString historyFilePath();

// The text of a history file's bytes: UTF-8, or Latin-1 for bytes that are
// not valid UTF-8, so that no character is lost or garbled.
QString historyFileText(const QByteArray& bytes);

// Reads a text line by line. A line ends at a carriage return, or at a
// carriage return with a line feed after it; a line feed alone stays inside
// its line. The end of the text after a last line end adds no empty line.
// The lines are views into the text, which must outlive the reader.
class HistoryLineReader
{
public:
    explicit HistoryLineReader(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_next >= m_text.size(); }
    QStringView nextLine();

private:
    QStringView m_text;
    qsizetype m_next = 0;
};

} // namespace veltrane
