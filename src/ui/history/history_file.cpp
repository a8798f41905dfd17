#include "ui/history/history_file.h"

#include "ui/toolkit/program_info.h"

#include <QStringDecoder>

namespace veltrane {

QString historyFileName()
{
    return programBaseName() + QStringLiteral("_history.txt");
}

QString historyFilePath()
{
    return programFolder() + u'/' + historyFileName();
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

QStringList historyLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\r', start);
        if (end < 0) {
            lines.append(text.mid(start));
            break;
        }
        lines.append(text.mid(start, end - start));
        start = end + 1;
        if (start < text.size() && text.at(start) == u'\n')
            ++start;
    }
    return lines;
}

} // namespace veltrane
