// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the settings file: arbitrary file contents, then a sequence
// of writes, key deletions and section deletions through WriteINI and
// detail::writeIniFile, each checked with ReadINI and with a small line
// scanner of its own (written apart from the settings code, from the rules of
// the file format) that predicts what the file must hold afterwards.
//
// After every call it checks:
// - a written key reads back as the value written, as a value reads back:
//   CR and LF as blanks, blanks at both ends trimmed, one pair of enclosing
//   matching quotes removed, cut to 2047 UTF-16 units without splitting a
//   surrogate pair;
// - every other key reads as it did before the call;
// - a deleted key, and every key of a deleted section, reads its default, or
//   the duplicate that the deletion brought to the front;
// - the sections and keys that the scanner finds in the file afterwards are
//   exactly those before, with only the caller's change made: no value or
//   name can start a section or key of its own;
// - a write under names that no line can hold (see ini_text.h) leaves the
//   file byte for byte as it was;
// - the same write made again leaves the file as it is;
// - no temporary or lock file stays behind.
//
// Byte layout. FuzzedDataProvider takes texts from the front of the input and
// numbers from its back, one byte per number here.
//   front: the file's contents, then the texts that the operations ask for,
//          in the order they ask. A text ends at a backslash followed by any
//          byte but a backslash; "\\" stands for one backslash.
//   back, from the last byte backwards:
//     1 byte   bit 0: the file exists before the first operation
//     then, per operation, until the input ends (at most 12):
//     1 byte   kind: bits 0-1: 0 and 1 write a value, 2 delete a key (empty
//              value), 3 delete a section (empty key); an empty value or key
//              drawn below turns the call into that deletion; bit 2: through WriteINI
//              instead of detail::writeIniFile; bit 3: a write is made twice
//     name     the section
//     name     the key, except for a section deletion
//     value    for a write
//   name:  1 byte: bits 0-3 pick a known name (the fixed alphabet below, then
//          the names found in the file, then the names used before), modulo
//          their count; bit 4: letters in another case, then 1 byte whose bit
//          (i mod 8) turns letter i; bits 5-7: 0-3 as it is, 4 a text from
//          the front instead, 5 with an odd piece, 6 with blanks around it,
//          7 with an odd piece and blanks around it.
//   odd piece: 1 byte: bits 0-3 pick the piece (oddPieces), bits 4-7 where it
//          goes: 0-5 at the start, 6-10 in the middle, 11-15 at the end.
//   value: 1 byte: bits 0-2: 0-3 a text from the front; 4 that text in quotes
//          (bit 3: single quotes, bit 4: blanks outside them); 5 that text
//          with an odd piece; 6 a long value: 1 more byte b, the text
//          repeated to 2040 + 4b UTF-16 units; 7 2045 + (bit 3 and 4) units
//          then a surrogate pair and the text, so the pair straddles or
//          touches the cut at 2047.

#include "settings/ini_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace veltrane;

namespace {

constexpr int maxOperations = 12;
constexpr int maxCheckedPairs = 40;
constexpr qsizetype maxValueLength = 2047;

const QString baseName = QStringLiteral("fuzz");
QString g_folder; // on tmpfs, one per process
QString g_path;

void removeFolder()
{
    if (!g_folder.isEmpty())
        QDir(g_folder).removeRecursively();
}

[[noreturn]] void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "\n*** settings file property failed: %s\n%s\n", what,
                 detail.toUtf8().constData());
    removeFolder();
    std::abort();
}

QString shown(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u == '\\')
            text += QStringLiteral("\\\\");
        else if (u >= 0x20 && u < 0x7F)
            text += QChar(u);
        else
            text += QStringLiteral("\\x%1").arg(u, 2, 16, QChar(u'0'));
    }
    return text;
}

QString shown(const QString& text)
{
    return shown(text.toUtf8());
}

// ---- The scanner: the file as sections of keys, by the format's rules ----

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimmed(const QByteArray& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.mid(from, to - from);
}

QByteArray folded(const QByteArray& name)
{
    QByteArray result = name;
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return result;
}

struct KeyLine
{
    QByteArray name;
    QByteArray value; // trimmed, quotes still on
};

struct Block
{
    bool header = false; // false: the lines before the first section
    QByteArray name;
    std::vector<KeyLine> keys;
};

using Model = std::vector<Block>;

Model scan(const QByteArray& content)
{
    Model model(1);
    qsizetype pos = content.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < content.size()) {
        qsizetype end = pos;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n')
            ++end;
        const QByteArray line = trimmed(content.mid(pos, end - pos));
        pos = end;
        while (pos < content.size() && (content[pos] == '\r' || content[pos] == '\n'))
            ++pos;
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        const qsizetype close = line.lastIndexOf(']');
        if (line.startsWith('[') && close > 0) {
            model.push_back(Block{true, trimmed(line.mid(1, close - 1)), {}});
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0)
            model.back().keys.push_back(
                KeyLine{trimmed(line.left(equals)), trimmed(line.mid(equals + 1))});
    }
    return model;
}

// A caller's name as it is looked up and written: on one line, trimmed.
QByteArray cleanName(const QString& name)
{
    QByteArray bytes = name.toUtf8();
    for (char& c : bytes) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return trimmed(bytes);
}

// The first section of that name, or -1.
qsizetype findBlock(const Model& model, const QByteArray& section)
{
    for (size_t i = 0; i < model.size(); ++i) {
        if (model[i].header && folded(model[i].name) == folded(section))
            return qsizetype(i);
    }
    return -1;
}

// The first key of that name in the block, or -1.
qsizetype findKey(const Block& block, const QByteArray& key)
{
    for (size_t i = 0; i < block.keys.size(); ++i) {
        if (folded(block.keys[i].name) == folded(key))
            return qsizetype(i);
    }
    return -1;
}

std::optional<QByteArray> lookup(const Model& model, const QString& section, const QString& key)
{
    const QByteArray s = cleanName(section);
    const QByteArray k = cleanName(key);
    if (s.isEmpty() || k.isEmpty())
        return std::nullopt;
    const qsizetype block = findBlock(model, s);
    if (block < 0)
        return std::nullopt;
    const qsizetype found = findKey(model[block], k);
    if (found < 0)
        return std::nullopt;
    return model[block].keys[found].value;
}

// ---- What a read gives ----

QString cut(QString text)
{
    if (text.size() > maxValueLength) {
        qsizetype length = maxValueLength;
        if (text.at(length - 1).isHighSurrogate())
            --length;
        text.truncate(length);
    }
    return text;
}

QString unquotedText(const QString& text)
{
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front())
        return text.mid(1, text.size() - 2);
    return text;
}

QString trimmedText(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && (text[from] == u' ' || text[from] == u'\t'))
        ++from;
    while (to > from && (text[to - 1] == u' ' || text[to - 1] == u'\t'))
        --to;
    return text.mid(from, to - from);
}

// Stored bytes as text: UTF-8, or Latin-1 when they are not valid UTF-8. A
// U+FEFF at the start of a value is part of it.
QString decoded(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

const QString defaultValue = QStringLiteral("<default> \t");

QString expectedRead(const Model& model, const QString& section, const QString& key)
{
    const std::optional<QByteArray> raw = lookup(model, section, key);
    if (!raw) {
        QString d = defaultValue;
        while (d.endsWith(u' ') || d.endsWith(u'\t'))
            d.chop(1);
        return cut(d);
    }
    QByteArray value = *raw;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return cut(decoded(value));
}

// A value as it reads back after it was written.
QString readBackOf(const QString& value)
{
    QString text = value;
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return cut(unquotedText(trimmedText(text)));
}

QString read(const QString& section, const QString& key)
{
    QString folder = g_folder;
    return ReadINI(section, key, defaultValue, baseName, folder);
}

// ---- The calls and their expected effect ----

enum class Op
{
    Write,
    DeleteKey,
    DeleteSection
};

// The key names that no key line can hold: such a write must be refused.
bool storableKey(const QByteArray& key)
{
    return !key.contains('=') && !key.startsWith('[') && !key.startsWith(';');
}

// The model after the call, or nothing when the file must stay as it is.
std::optional<Model> applied(Model model, Op op, const QString& section, const QString& key,
                             const QString& value)
{
    const QByteArray s = cleanName(section);
    const QByteArray k = cleanName(key);
    if (s.isEmpty())
        return std::nullopt;
    const qsizetype block = findBlock(model, s);
    switch (op) {
    case Op::DeleteSection:
        if (block < 0)
            return std::nullopt;
        model.erase(model.begin() + block);
        return model;
    case Op::DeleteKey: {
        if (block < 0 || k.isEmpty())
            return std::nullopt;
        const qsizetype found = findKey(model[block], k);
        if (found < 0)
            return std::nullopt;
        model[block].keys.erase(model[block].keys.begin() + found);
        return model;
    }
    case Op::Write: {
        if (k.isEmpty() || !storableKey(k))
            return std::nullopt;
        QByteArray v = value.toUtf8();
        for (char& c : v) {
            if (c == '\r' || c == '\n')
                c = ' ';
        }
        v = trimmed(v);
        if (block < 0) {
            model.push_back(Block{true, s, {KeyLine{k, v}}});
            return model;
        }
        const qsizetype found = findKey(model[block], k);
        if (found < 0)
            model[block].keys.push_back(KeyLine{k, v});
        else
            model[block].keys[found].value = v;
        return model;
    }
    }
    return std::nullopt;
}

QString describe(const Model& model)
{
    QString text;
    for (const Block& block : model) {
        text += block.header ? QStringLiteral("[%1]\n").arg(shown(block.name))
                             : QStringLiteral("(before any section)\n");
        for (const KeyLine& key : block.keys)
            text += QStringLiteral("  %1 = %2\n").arg(shown(key.name), shown(key.value));
    }
    return text;
}

bool sameModel(const Model& a, const Model& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].header != b[i].header || a[i].name != b[i].name ||
            a[i].keys.size() != b[i].keys.size())
            return false;
        for (size_t j = 0; j < a[i].keys.size(); ++j) {
            if (a[i].keys[j].name != b[i].keys[j].name || a[i].keys[j].value != b[i].keys[j].value)
                return false;
        }
    }
    return true;
}

// ---- Files ----

QByteArray fileBytes()
{
    QFile file(g_path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray bytes = file.readAll();
    return bytes.isNull() ? QByteArray("") : bytes;
}

void putFile(const std::string& bytes)
{
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        fail("cannot write the file under test");
}

// ---- Names and values from the input ----

const char* const alphabet[] = {"s", "Calculate", "Main", "KeyRate", "k", "a", "Math WuDone", "t"};

// UTF-16, as QString::fromUtf8 would drop a U+FEFF at the start.
const char16_t* const oddPieces[] = {u" ",          u"\t",     u"\"",  u"'",  u"=",    u"[",
                                     u"]",          u";",      u"\r",  u"\n", u"\r\n", u"\u00E9",
                                     u"\U0001F600", u"\uFEFF", u"[x]", u"k=v"};

QString fromBytes(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

QString withOddPiece(FuzzedDataProvider& data, const QString& text)
{
    const uint8_t choice = data.ConsumeIntegral<uint8_t>();
    const QString piece = QStringView(oddPieces[choice & 0x0F]).toString();
    const int where = choice >> 4;
    if (where <= 5)
        return piece + text;
    if (where <= 10) {
        qsizetype middle = text.size() / 2;
        if (middle > 0 && text.at(middle).isLowSurrogate())
            --middle;
        return text.left(middle) + piece + text.mid(middle);
    }
    return text + piece;
}

QString pickName(FuzzedDataProvider& data, const QStringList& known)
{
    const uint8_t choice = data.ConsumeIntegral<uint8_t>();
    QString name = known.at((choice & 0x0F) % known.size());
    if (choice & 0x10) {
        const uint8_t turns = data.ConsumeIntegral<uint8_t>();
        for (qsizetype i = 0; i < name.size(); ++i) {
            const char16_t c = name.at(i).unicode();
            if (!((turns >> (i % 8)) & 1))
                continue;
            if (c >= u'a' && c <= u'z')
                name[i] = QChar(c - u'a' + u'A');
            else if (c >= u'A' && c <= u'Z')
                name[i] = QChar(c - u'A' + u'a');
        }
    }
    switch (choice >> 5) {
    case 4:
        name = fromBytes(QByteArray::fromStdString(data.ConsumeRandomLengthString(32)));
        break;
    case 5:
        name = withOddPiece(data, name);
        break;
    case 6:
        name = QStringLiteral(" ") + name + QStringLiteral("\t");
        break;
    case 7:
        name = QStringLiteral("\t") + withOddPiece(data, name) + QStringLiteral(" ");
        break;
    default:
        break;
    }
    return name;
}

QString pickValue(FuzzedDataProvider& data)
{
    const uint8_t choice = data.ConsumeIntegral<uint8_t>();
    const QString text = fromBytes(QByteArray::fromStdString(data.ConsumeRandomLengthString(64)));
    switch (choice & 7) {
    case 4: {
        const QString quote = (choice & 0x08) ? QStringLiteral("'") : QStringLiteral("\"");
        const QString outside = (choice & 0x10) ? QStringLiteral(" ") : QString();
        return outside + quote + text + quote + outside;
    }
    case 5:
        return withOddPiece(data, text);
    case 6: {
        const qsizetype length = 2040 + 4 * qsizetype(data.ConsumeIntegral<uint8_t>());
        const QString unit = text.isEmpty() ? QStringLiteral("x") : text;
        QString value;
        while (value.size() < length)
            value += unit;
        return value;
    }
    case 7:
        return QString(2045 + ((choice >> 3) & 3), u'a') + QStringLiteral("\U0001F600") + text;
    default:
        return text;
    }
}

// ---- Checks ----

struct Pair
{
    QString section;
    QString key;
};

QByteArray canonical(const Pair& pair)
{
    return folded(cleanName(pair.section)) + '\0' + folded(cleanName(pair.key));
}

// The pairs worth reading: every key of the file and every name used so far.
QList<Pair> pairsToCheck(const Model& model, const QList<Pair>& used)
{
    QList<Pair> pairs;
    QList<QByteArray> seen;
    const auto add = [&](const Pair& pair) {
        if (pairs.size() >= maxCheckedPairs || pair.key.isEmpty())
            return;
        const QByteArray id = canonical(pair);
        if (seen.contains(id))
            return;
        seen.append(id);
        pairs.append(pair);
    };
    for (const Pair& pair : used)
        add(pair);
    for (const Block& block : model) {
        if (!block.header)
            continue;
        for (const KeyLine& key : block.keys)
            add(Pair{fromBytes(block.name), fromBytes(key.name)});
    }
    return pairs;
}

bool touchedBy(const Pair& pair, Op op, const QString& section, const QString& key)
{
    if (folded(cleanName(pair.section)) != folded(cleanName(section)))
        return false;
    return op == Op::DeleteSection || folded(cleanName(pair.key)) == folded(cleanName(key));
}

const char* opName(Op op)
{
    switch (op) {
    case Op::Write:
        return "write";
    case Op::DeleteKey:
        return "delete key";
    case Op::DeleteSection:
        return "delete section";
    }
    return "?";
}

bool call(Op op, bool throughWriteIni, const QString& section, const QString& key,
          const QString& value)
{
    const QString k = op == Op::DeleteSection ? QString() : key;
    const QString v = op == Op::Write ? value : QString();
    if (throughWriteIni) {
        WriteINI(section, k, v, baseName, g_folder);
        return true;
    }
    return detail::writeIniFile(g_path, section, k, v);
}

void checkFolderClean()
{
    const QStringList entries = QDir(g_folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry != baseName + QStringLiteral(".ini"))
            fail("a file stays behind in the settings folder", entry);
    }
}

// What each pair read after the last call, by its canonical form: the file
// has not changed since, so these are the reads before the next call.
using Reads = QHash<QByteArray, QString>;

void runOperation(FuzzedDataProvider& data, QStringList& known, QList<Pair>& used, Reads& reads)
{
    const uint8_t kind = data.ConsumeIntegral<uint8_t>();
    Op op = (kind & 3) == 3 ? Op::DeleteSection : (kind & 3) == 2 ? Op::DeleteKey : Op::Write;
    const bool throughWriteIni = kind & 4;
    const bool twice = kind & 8;
    const QString section = pickName(data, known);
    const QString key = op == Op::DeleteSection ? QString() : pickName(data, known);
    const QString value = op == Op::Write ? pickValue(data) : QString();
    // The empty key deletes the section; writing the empty text deletes the key.
    if (key.isEmpty())
        op = Op::DeleteSection;
    else if (op == Op::Write && value.isEmpty())
        op = Op::DeleteKey;

    const QByteArray before = fileBytes();
    const bool existed = QFile::exists(g_path);
    const Model modelBefore = scan(before);
    if (op != Op::DeleteSection)
        used.append(Pair{section, key});
    const QList<Pair> pairs = pairsToCheck(modelBefore, used);
    QStringList readBefore;
    for (const Pair& pair : pairs) {
        const QByteArray id = canonical(pair);
        if (!reads.contains(id))
            reads.insert(id, read(pair.section, pair.key));
        readBefore.append(reads.value(id));
    }

    const auto context = [&] {
        return QStringLiteral(
                   "call: %1 section \"%2\" key \"%3\" value \"%4\"\nfile before: \"%5\"\n"
                   "file after:  \"%6\"")
            .arg(QString::fromLatin1(opName(op)), shown(section), shown(key), shown(value.left(80)),
                 shown(before.left(400)), shown(fileBytes().left(400)));
    };

    const std::optional<Model> expected = applied(modelBefore, op, section, key, value);
    const bool ok = call(op, throughWriteIni, section, key, value);
    const QByteArray after = fileBytes();

    if (!expected) {
        // Nothing to do, or names that no line can hold: the file stays as it was.
        if (after != before || QFile::exists(g_path) != existed)
            fail("a call that must leave the file alone changed it", context());
    } else {
        if (!ok)
            fail("a write that can be done was dropped", context());
        const Model modelAfter = scan(after);
        if (!sameModel(modelAfter, *expected))
            fail("the file's sections and keys are not what the call should leave",
                 context() + QStringLiteral("\nexpected:\n") + describe(*expected) +
                     QStringLiteral("found:\n") + describe(modelAfter));
    }

    const Model& holds = expected ? *expected : modelBefore;
    Reads readAfter;
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const Pair& pair = pairs[i];
        const QString now = read(pair.section, pair.key);
        readAfter.insert(canonical(pair), now);
        const auto where = [&](const QString& want) {
            return context() + QStringLiteral("\nread of \"%1\" / \"%2\": \"%3\", expected \"%4\"")
                                   .arg(shown(pair.section), shown(pair.key), shown(now.left(200)),
                                        shown(want.left(200)));
        };
        QString want = readBefore[i];
        const char* what = "a key the call did not concern reads differently";
        if (expected && touchedBy(pair, op, section, key)) {
            if (op == Op::Write) {
                want = readBackOf(value);
                what = "the written key does not read back as its value";
            } else {
                want = expectedRead(holds, pair.section, pair.key);
                what = "a deleted key reads neither its default nor the next duplicate";
            }
        }
        if (now != want)
            fail(what, where(want));
        const QString held = expectedRead(holds, pair.section, pair.key);
        if (now != held)
            fail("a read differs from what the file holds", where(held));
    }

    // Reads of pairs left out this time may have changed.
    reads = readAfter;

    if (twice && op == Op::Write) {
        // A write again gives the same answer (a refused one is refused
        // again) and leaves the file as the first one left it.
        const bool again = call(op, throughWriteIni, section, key, value);
        if (again != ok || fileBytes() != after)
            fail("the same write made again changed the file or its answer", context());
    }

    for (const QString& name : {section, key}) {
        if (!name.isEmpty() && !known.contains(name))
            known.append(name);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_folder = QStringLiteral("/dev/shm/veltrane-fuzz-settings-%1").arg(::getpid());
    QDir(g_folder).removeRecursively();
    if (!QDir().mkpath(g_folder)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(g_folder));
        std::abort();
    }
    g_path = g_folder + u'/' + baseName + QStringLiteral(".ini");
    std::atexit(removeFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const bool fileExists = data.ConsumeIntegral<uint8_t>() & 1;
    const std::string content = data.ConsumeRandomLengthString(size);
    QFile::remove(g_path);
    if (fileExists)
        putFile(content);

    QStringList known;
    for (const char* name : alphabet)
        known.append(QString::fromUtf8(name));
    for (const Block& block : scan(QByteArray::fromStdString(content))) {
        if (block.header)
            known.append(fromBytes(block.name));
        for (const KeyLine& key : block.keys)
            known.append(fromBytes(key.name));
    }
    known.removeDuplicates();

    QList<Pair> used;
    Reads reads;
    for (int i = 0; i < maxOperations && data.remaining_bytes() > 0; ++i)
        runOperation(data, known, used, reads);
    checkFolderClean();
    return 0;
}
