// SPDX-License-Identifier: GPL-3.0-or-later
// What ReadINI returns and what WriteINI leaves in the file, byte for byte,
// for settings files as people and older versions of the program wrote them.

#include "program/program_info.h"
#include "settings/ini_file.h"
#include "support/temporary_program_folder.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace veltrane;
using veltrane::test::readBytes;
using veltrane::test::writeBytes;

class TestIniVectors : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void read_data();
    void read();
    void write_data();
    void write();
    void unchangedFileIsNotRewritten_data();
    void unchangedFileIsNotRewritten();
    void lineBreaksCannotAddLines();

private:
    std::unique_ptr<test::TemporaryProgramFolder> m_dir;
    QString m_path;
};

namespace {

ino_t inodeOf(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_ino;
}

} // namespace

void TestIniVectors::init()
{
    m_dir = std::make_unique<test::TemporaryProgramFolder>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->settingsPath();
}

void TestIniVectors::cleanup()
{
    m_dir.reset();
}

void TestIniVectors::read_data()
{
    QTest::addColumn<QByteArray>("content"); // null: there is no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("expected");

    const QString d = QStringLiteral("d");
    // clang-format off
    QTest::newRow("names ignore ASCII case") << QByteArray("[s]\nk=v\n") << "S" << "K" << d << "v";
    QTest::newRow("non-ASCII letters keep their case")
        << QByteArray("[\xC3\x96]\nk=v\n") << QStringLiteral("\u00F6") << "k" << d << d;
    QTest::newRow("UTF-8 names")
        << QByteArray("[Gr\xC3\xB6\xC3\x9F" "e]\nH\xC3\xB6he=1\n")
        << QStringLiteral("Gr\u00F6\u00DFe") << QStringLiteral("H\u00F6he") << d << "1";
    QTest::newRow("blanks trimmed, no end-of-line comment")
        << QByteArray("[ s ]\n k = v ; c\n") << "s" << "k" << d << "v ; c";
    QTest::newRow("tabs trimmed") << QByteArray("\t[s]\t\n\tk\t=\tv\t\n") << "s" << "k" << d << "v";
    QTest::newRow("double quotes removed")
        << QByteArray("[s]\nk=\"a b\"\n") << "s" << "k" << d << "a b";
    QTest::newRow("single quotes removed")
        << QByteArray("[s]\nk='a b'\n") << "s" << "k" << d << "a b";
    QTest::newRow("lone quote kept") << QByteArray("[s]\nk=\"ab\n") << "s" << "k" << d << "\"ab";
    QTest::newRow("mismatched quotes kept")
        << QByteArray("[s]\nk=\"ab'\n") << "s" << "k" << d << "\"ab'";
    QTest::newRow("value keeps later equals signs")
        << QByteArray("[s]\nk=a=b\n") << "s" << "k" << d << "a=b";
    QTest::newRow("empty value is not the default")
        << QByteArray("[s]\nk=\n") << "s" << "k" << d << "";
    QTest::newRow("line without equals is no key")
        << QByteArray("[s]\nk\n") << "s" << "k" << d << d;
    QTest::newRow("first duplicate key wins")
        << QByteArray("[s]\nk=1\nk=2\n") << "s" << "k" << d << "1";
    QTest::newRow("only the first duplicate section is searched")
        << QByteArray("[s]\nk=1\n[s]\nj=2\n") << "s" << "j" << d << d;
    QTest::newRow("key of the next section not found")
        << QByteArray("[s]\n[t]\nk=v\n") << "s" << "k" << d << d;
    QTest::newRow("key before any section belongs to none")
        << QByteArray("k=v\n[s]\n") << "s" << "k" << d << d;
    QTest::newRow("comment line is no key") << QByteArray("[s]\n  ;k=v\n") << "s" << ";k" << d << d;
    QTest::newRow("section name runs to the last bracket")
        << QByteArray("[a]b] tail\nk=v\n") << "a]b" << "k" << d << "v";
    QTest::newRow("CR-only file") << QByteArray("[s]\rj=1\rk=v\r") << "s" << "k" << d << "v";
    QTest::newRow("CRLF file") << QByteArray("[s]\r\nj=1\r\nk=v\r\n") << "s" << "k" << d << "v";
    QTest::newRow("no final line break") << QByteArray("[s]\nk=v") << "s" << "k" << d << "v";
    QTest::newRow("blank lines ignored")
        << QByteArray("\n \t\n[s]\n\n  \nk=v\n") << "s" << "k" << d << "v";
    QTest::newRow("byte order mark before first section")
        << QByteArray("\xEF\xBB\xBF[s]\nk=v\n") << "s" << "k" << d << "v";
    QTest::newRow("UTF-8 value")
        << QByteArray("[s]\nk=caf\xC3\xA9\n") << "s" << "k" << d << QStringLiteral("caf\u00E9");
    QTest::newRow("Latin-1 value")
        << QByteArray("[s]\nk=caf\xE9\n") << "s" << "k" << d << QStringLiteral("caf\u00E9");
    QTest::newRow("U+FEFF at the start of a value is kept")
        << QByteArray("\xEF\xBB\xBF[s]\nk=\xEF\xBB\xBFx\n") << "s" << "k" << d
        << QStringLiteral("\uFEFFx");
    QTest::newRow("Latin-1 bytes inside a value")
        << QByteArray("[s]\nk=\xE9t\xE9 \n") << "s" << "k" << d << QStringLiteral("\u00E9t\u00E9");

    QTest::newRow("long value cut to 2047")
        << "[s]\nk=" + QByteArray(3000, 'a') << "s" << "k" << d << QString(2047, u'a');
    QTest::newRow("cut never splits a surrogate pair")
        << "[s]\nk=" + QByteArray(2046, 'a') + "\xF0\x9F\x98\x80z" << "s" << "k" << d
        << QString(2046, u'a');

    QTest::newRow("no file: default without trailing blanks")
        << QByteArray() << "s" << "k" << "x  " << "x";
    QTest::newRow("missing key: default keeps leading blanks")
        << QByteArray("[s]\nj=1\n") << "s" << "k" << " x \t" << " x";
    // clang-format on
}

void TestIniVectors::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);
    QFETCH(QString, expected);

    if (!content.isNull())
        QVERIFY(writeBytes(m_path, content));
    QCOMPARE(ReadINI(section, key, defaultValue), expected);
}

void TestIniVectors::write_data()
{
    QTest::addColumn<QByteArray>("before"); // null: there is no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after"); // null: still no file

    // clang-format off
    QTest::newRow("new file") << QByteArray() << "App"
                              << "key"
                              << "string" << QByteArray("[App]\nkey=string\n");
    QTest::newRow("new section at the end") << QByteArray("[A]\na=1\n") << "B"
                                            << "b"
                                            << "2" << QByteArray("[A]\na=1\n[B]\nb=2\n");
    QTest::newRow("line break added before new section") << QByteArray("junk") << "s"
                                                         << "k"
                                                         << "v" << QByteArray("junk\n[s]\nk=v\n");
    QTest::newRow("new key after comment of its section")
        << QByteArray("[s]\nk=v\n;c\n[t]\n") << "S"
        << "n"
        << "1" << QByteArray("[s]\nk=v\n;c\nn=1\n[t]\n");
    QTest::newRow("new key above blank lines") << QByteArray("[s]\nk=v\n\n\n[t]\n") << "s"
                                               << "n"
                                               << "1" << QByteArray("[s]\nk=v\nn=1\n\n\n[t]\n");
    QTest::newRow("new key into empty section") << QByteArray("[s]\n[t]\n") << "s"
                                                << "n"
                                                << "1" << QByteArray("[s]\nn=1\n[t]\n");
    QTest::newRow("new key at end without final break") << QByteArray("[s]\nk=v") << "s"
                                                        << "n"
                                                        << "1" << QByteArray("[s]\nk=v\nn=1");
    QTest::newRow("replaced in place, key spelling kept")
        << QByteArray("[s]\nKey = old\nz=1\n") << "s"
        << "KEY"
        << "new" << QByteArray("[s]\nKey=new\nz=1\n");
    QTest::newRow("first duplicate key replaced") << QByteArray("[s]\nk=1\nk=2\n") << "s"
                                                  << "k"
                                                  << "9" << QByteArray("[s]\nk=9\nk=2\n");
    QTest::newRow("first duplicate section used") << QByteArray("[s]\na=1\n[s]\nb=2\n") << "s"
                                                  << "b"
                                                  << "3" << QByteArray("[s]\na=1\nb=3\n[s]\nb=2\n");
    QTest::newRow("key of a section before it not used") << QByteArray("k=0\n[s]\n") << "s"
                                                         << "k"
                                                         << "1" << QByteArray("k=0\n[s]\nk=1\n");
    QTest::newRow("section header spelling kept") << QByteArray("[ S ]\nk=v\n") << "s"
                                                  << "k"
                                                  << "w" << QByteArray("[ S ]\nk=w\n");
    QTest::newRow("key deleted") << QByteArray("[s]\na=1\nb=2\n") << "s"
                                 << "a" << QString() << QByteArray("[s]\nb=2\n");
    QTest::newRow("last key deleted, header stays") << QByteArray("[s]\na=1") << "s"
                                                    << "a" << QString() << QByteArray("[s]\n");
    QTest::newRow("blank line after deleted key stays")
        << QByteArray("[s]\na=1\n\n[t]\n") << "s"
        << "a" << QString() << QByteArray("[s]\n\n[t]\n");
    QTest::newRow("section deleted") << QByteArray("[s]\na=1\n[t]\nb=2\n") << "s" << QString()
                                     << QString() << QByteArray("[t]\nb=2\n");
    QTest::newRow("last section deleted with its comments")
        << QByteArray("; top\n[t]\nb=2\n[S]\na=1\n;c\n\n") << "s" << QString() << QString()
        << QByteArray("; top\n[t]\nb=2\n");
    QTest::newRow("deleting a key creates no file") << QByteArray() << "s"
                                                    << "a" << QString() << QByteArray();
    QTest::newRow("deleting a section creates no file")
        << QByteArray() << "s" << QString() << QString() << QByteArray();

    QTest::newRow("CRLF kept for new key") << QByteArray("[s]\r\nk=v\r\n[t]\r\n") << "s"
                                           << "n"
                                           << "1" << QByteArray("[s]\r\nk=v\r\nn=1\r\n[t]\r\n");
    QTest::newRow("CRLF kept for new section") << QByteArray("[s]\r\nk=v\r\n") << "t"
                                               << "a"
                                               << "1" << QByteArray("[s]\r\nk=v\r\n[t]\r\na=1\r\n");
    QTest::newRow("CRLF key deleted with its break")
        << QByteArray("[s]\r\na=1\r\nb=2\r\n") << "s"
        << "a" << QString() << QByteArray("[s]\r\nb=2\r\n");
    QTest::newRow("CR-only file replaced in place") << QByteArray("[s]\rk=v\r") << "s"
                                                    << "k"
                                                    << "w" << QByteArray("[s]\rk=w\r");
    QTest::newRow("untouched lines byte for byte")
        << QByteArray("; head \t\r\n[s]\n  odd line  \r\nk = v ; x\n\n[t]\r\nk=1\n") << "s"
        << "n"
        << "1" << QByteArray("; head \t\r\n[s]\n  odd line  \r\nk = v ; x\r\nn=1\n\n[t]\r\nk=1\n");
    QTest::newRow("Latin-1 line kept, new value UTF-8")
        << QByteArray("[s]\nk=caf\xE9\n") << "s"
        << "n" << QStringLiteral("\u00E9") << QByteArray("[s]\nk=caf\xE9\nn=\xC3\xA9\n");
    QTest::newRow("value line breaks become blanks")
        << QByteArray("[s]\n") << "s"
        << "k"
        << "a\r\n[x]\ny=1" << QByteArray("[s]\nk=a  [x] y=1\n");
    QTest::newRow("names lose blanks at both ends") << QByteArray("[s]\nk=1\n") << " s\t"
                                                  << "\tk\r\n"
                                                  << "2" << QByteArray("[s]\nk=2\n");
    QTest::newRow("section name with brackets and equals sign")
        << QByteArray("[s]\n") << "[a]=b"
        << "k"
        << "v" << QByteArray("[s]\n[[a]=b]\nk=v\n");
    // A key that no line can hold under its own name: the write is refused.
    QTest::newRow("refused: equals sign in key") << QByteArray("[s]\nk=1\n") << "s"
                                                 << "k=x"
                                                 << "2" << QByteArray("[s]\nk=1\n");
    QTest::newRow("refused: key looks like a section") << QByteArray("[s]\nk=1\n") << "s"
                                                       << "[x]"
                                                       << "2" << QByteArray("[s]\nk=1\n");
    QTest::newRow("refused: key with a bracket and a value with one")
        << QByteArray("[s]\nk=1\n") << "s"
        << "[x"
        << "]" << QByteArray("[s]\nk=1\n");
    QTest::newRow("refused: key looks like a comment") << QByteArray("[s]\nk=1\n") << "s"
                                                       << " ;k"
                                                       << "2" << QByteArray("[s]\nk=1\n");
    QTest::newRow("refused: line break makes a section of the key")
        << QByteArray() << "s"
        << "\n[x]"
        << "2" << QByteArray();
    QTest::newRow("refused: key of blanks only") << QByteArray("[s]\n") << "s"
                                                 << " \t"
                                                 << "2" << QByteArray("[s]\n");
    QTest::newRow("a key line a write would refuse can be deleted")
        << QByteArray("[s]\n[k=1\nj=2\n") << "s"
        << "[k" << QString() << QByteArray("[s]\nj=2\n");
    QTest::newRow("name line breaks become blanks") << QByteArray() << "a\nb"
                                                    << "k\r[x]"
                                                    << "v" << QByteArray("[a b]\nk [x]=v\n");
    // clang-format on
}

void TestIniVectors::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    if (!before.isNull())
        QVERIFY(writeBytes(m_path, before));
    WriteINI(section, key, value);
    if (after.isNull())
        QVERIFY(!QFile::exists(m_path));
    else
        QCOMPARE(readBytes(m_path), after);
}

void TestIniVectors::unchangedFileIsNotRewritten_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    // The file holds "[s]\nB=2\n".
    // clang-format off
    QTest::newRow("same value") << "s" << "b" << "2";
    QTest::newRow("key deleted a second time") << "s" << "a" << QString();
    QTest::newRow("key of a missing section deleted") << "t" << "b" << QString();
    QTest::newRow("missing section deleted") << "t" << QString() << QString();
    // clang-format on
}

void TestIniVectors::unchangedFileIsNotRewritten()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);

    const QByteArray content("[s]\nB=2\n");
    QVERIFY(writeBytes(m_path, content));
    const ino_t before = inodeOf(m_path);
    QVERIFY(before != 0);

    WriteINI(section, key, value);

    // An atomic replace gives the file a new inode; an untouched file keeps it.
    QCOMPARE(inodeOf(m_path), before);
    QCOMPARE(readBytes(m_path), content);
}

void TestIniVectors::lineBreaksCannotAddLines()
{
    QVERIFY(writeBytes(m_path, "[s]\nk=old\n"));
    WriteINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v\n[evil]\nx=1\rk=2"));

    const QString d = QStringLiteral("d");
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), d), "v [evil] x=1 k=2");
    QCOMPARE(ReadINI(QStringLiteral("evil"), QStringLiteral("x"), d), d);
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("x"), d), d);
}

QTEST_GUILESS_MAIN(TestIniVectors)
#include "tst_ini_vectors.moc"
