// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_text.h"

#include <QByteArrayView>
#include <QList>
#include <QStringDecoder>

namespace veltrane::ini {
namespace {

enum class LineKind
{
    Blank,
    Comment,
    Section,
    Key,
    Other
};

// One line of the content: [start, end) is its text without the line break.
struct Line
{
    qsizetype start = 0;
    qsizetype end = 0;
    LineKind kind = LineKind::Blank;
    QByteArrayView name;
    QByteArrayView value;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

QByteArrayView trimBlanks(QByteArrayView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Only ASCII letters fold: folding other bytes would mix up UTF-8 sequences.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

// A name or value as it may be written: on one line.
QByteArray oneLine(const QByteArray& text)
{
    QByteArray result = text;
    for (char& c : result) {
        if (isBreak(c))
            c = ' ';
    }
    return result;
}

QByteArray cleanName(const QByteArray& name)
{
    return trimBlanks(oneLine(name)).toByteArray();
}

void classify(QByteArrayView text, Line& line)
{
    const QByteArrayView trimmed = trimBlanks(text);
    if (trimmed.isEmpty())
        return;
    if (trimmed.front() == ';') {
        line.kind = LineKind::Comment;
        return;
    }
    // A "[" without a closing "]" starts no section; the line is read as any other.
    if (trimmed.front() == '[') {
        const qsizetype close = trimmed.lastIndexOf(']');
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = trimBlanks(trimmed.sliced(1, close - 1));
            return;
        }
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0) {
        line.kind = LineKind::Other;
        return;
    }
    line.kind = LineKind::Key;
    line.name = trimBlanks(trimmed.first(equals));
    line.value = trimBlanks(trimmed.sliced(equals + 1));
}

QList<Line> parse(const QByteArray& content)
{
    QList<Line> lines;
    const QByteArrayView bytes(content);
    // A byte order mark left by some editors is not part of the first line.
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < bytes.size()) {
        Line line;
        line.start = pos;
        while (pos < bytes.size() && !isBreak(bytes[pos]))
            ++pos;
        line.end = pos;
        while (pos < bytes.size() && isBreak(bytes[pos]))
            ++pos;
        classify(bytes.sliced(line.start, line.end - line.start), line);
        lines.append(line);
    }
    return lines;
}

// Where a section lies: its header line and the line after its last one.
struct SectionRange
{
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionRange findSection(const QList<Line>& lines, QByteArrayView section)
{
    SectionRange range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Section)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(lines[i].name, section))
            range.header = i;
    }
    if (range.header >= 0)
        range.end = lines.size();
    return range;
}

qsizetype findKey(const QList<Line>& lines, const SectionRange& range, QByteArrayView key)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        if (lines[i].kind == LineKind::Key && sameName(lines[i].name, key))
            return i;
    }
    return -1;
}

// New lines follow the file: CRLF when it already has them, LF otherwise.
QByteArray lineBreakFor(const QByteArray& content)
{
    return content.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
}

// The length of the single line break at pos (CRLF counts as one).
qsizetype breakLength(const QByteArray& content, qsizetype pos)
{
    if (pos >= content.size())
        return 0;
    if (content[pos] == '\r' && pos + 1 < content.size() && content[pos + 1] == '\n')
        return 2;
    return 1;
}

QByteArray unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2).toByteArray();
    return value.toByteArray();
}

} // namespace

std::optional<QByteArray> lookupValue(const QByteArray& content, const QByteArray& section,
                                      const QByteArray& key)
{
    const QByteArray sectionName = cleanName(section);
    const QByteArray keyName = cleanName(key);
    if (sectionName.isEmpty() || keyName.isEmpty())
        return std::nullopt;
    const QList<Line> lines = parse(content);
    const SectionRange range = findSection(lines, sectionName);
    if (range.header < 0)
        return std::nullopt;
    const qsizetype keyLine = findKey(lines, range, keyName);
    if (keyLine < 0)
        return std::nullopt;
    return unquoted(lines[keyLine].value);
}

bool canStore(const QByteArray& section, const QByteArray& key)
{
    const QByteArray keyName = cleanName(key);
    return !cleanName(section).isEmpty() && !keyName.isEmpty() && !keyName.contains('=') &&
           !keyName.startsWith('[') && !keyName.startsWith(';');
}

QByteArray setValue(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                    const QByteArray& value)
{
    if (!canStore(section, key))
        return content;
    const QByteArray sectionName = cleanName(section);
    const QByteArray keyName = cleanName(key);
    const QByteArray text = oneLine(value);
    const QByteArray lineBreak = lineBreakFor(content);
    const QList<Line> lines = parse(content);
    const SectionRange range = findSection(lines, sectionName);

    if (range.header < 0) {
        QByteArray result = content;
        if (!result.isEmpty() && !isBreak(result.back()))
            result += lineBreak;
        result += '[' + sectionName + ']' + lineBreak + keyName + '=' + text + lineBreak;
        return result;
    }

    QByteArray result = content;
    const qsizetype keyLine = findKey(lines, range, keyName);
    if (keyLine >= 0) {
        // The key keeps the spelling it has in the file.
        const Line& line = lines[keyLine];
        const QByteArray replacement = line.name.toByteArray() + '=' + text;
        return result.replace(line.start, line.end - line.start, replacement);
    }

    // Append after the section's last non-blank line, so blank lines that
    // separate it from the next section stay below the new key.
    qsizetype last = range.header;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        if (lines[i].kind != LineKind::Blank)
            last = i;
    }
    return result.insert(lines[last].end, lineBreak + keyName + '=' + text);
}

QByteArray deleteKey(const QByteArray& content, const QByteArray& section, const QByteArray& key)
{
    const QByteArray sectionName = cleanName(section);
    const QByteArray keyName = cleanName(key);
    if (sectionName.isEmpty() || keyName.isEmpty())
        return content;
    const QList<Line> lines = parse(content);
    const SectionRange range = findSection(lines, sectionName);
    if (range.header < 0)
        return content;
    const qsizetype keyLine = findKey(lines, range, keyName);
    if (keyLine < 0)
        return content;
    // Only the key's own line break goes; blank lines after it stay.
    const Line& line = lines[keyLine];
    const qsizetype length = line.end - line.start + breakLength(content, line.end);
    QByteArray result = content;
    return result.remove(line.start, length);
}

QByteArray deleteSection(const QByteArray& content, const QByteArray& section)
{
    const QByteArray sectionName = cleanName(section);
    if (sectionName.isEmpty())
        return content;
    const QList<Line> lines = parse(content);
    const SectionRange range = findSection(lines, sectionName);
    if (range.header < 0)
        return content;
    const qsizetype from = lines[range.header].start;
    const qsizetype to = range.end < lines.size() ? lines[range.end].start : content.size();
    QByteArray result = content;
    return result.remove(from, to - from);
}

QString decodeText(const QByteArray& bytes)
{
    // Stateless, so a sequence cut short at the end counts as an error
    // instead of waiting for bytes that never come. A U+FEFF at the start of
    // a value is part of the value (the decoder would drop it as a byte order
    // mark); only the file's own mark, before its first line, is not text.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

} // namespace veltrane::ini
