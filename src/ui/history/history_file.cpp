// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/history_file.h"

#include "program/program_files.h"
#include "program/program_info.h"

#include <QStringDecoder>

namespace veltrane {

QString historyFileName()
{
    return programBaseName() + QStringLiteral("_history.txt");
}

QString historyFilePath()
{
    return programDataFilePath(historyFileName());
}

QString historyFileText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    // A byte-order mark is no part of the first line.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringView HistoryLineReader::nextLine()
{
    const qsizetype start = m_next;
    qsizetype end = m_text.indexOf(u'\r', start);
    if (end < 0)
        end = m_text.size();
    m_next = end + 1;
    if (m_next < m_text.size() && m_text.at(m_next) == u'\n')
        ++m_next;
    return m_text.sliced(start, end - start);
}

} // namespace veltrane
