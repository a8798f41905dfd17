#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace veltrane {

// The history file beside the program: "<program name>_history.txt".
QString historyFileName();
QString historyFilePath();

// The text of a history file's bytes: UTF-8, or Latin-1 for bytes that are
// not valid UTF-8, so that no character is lost or garbled.
QString historyFileText(const QByteArray& bytes);

// The lines of a text. A line ends at a carriage return, or at a carriage
// return with a line feed after it; a line feed alone stays inside its line.
// The end of the text after a last line end adds no empty line.
QStringList historyLines(const QString& text);

} // namespace veltrane
