// SPDX-License-Identifier: GPL-3.0-or-later
// Which file ReadINI and WriteINI use, and that writes never damage it: not
// when they fail, not when another program writes at the same time.

#include "program/program_info.h"
#include "settings/ini_file.h"
#include "support/temporary_program_folder.h"
#include "support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <thread>

using namespace veltrane;
using namespace std::chrono_literals;
using veltrane::test::readBytes;
using veltrane::test::writeBytes;

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyFolderMeansProgramFolder();
    void baseNameAndFolderChooseTheFile();
    void renamedProgramUsesItsOwnFile();
    void everyReadSeesTheCurrentFile();
    void writeUnderAPlainFileIsDropped();
    void keyNoLineCanHoldIsDropped();
    void writeWaitsForAnotherWriter();
    void valueAlreadyStoredNeedsNoLock();
    void lockLeftByACrashedWriterIsTakenOver();
    void replacingKeepsPermissionsAndLeavesNoTemporaryFile();
    void settingsFileThatIsALinkStaysALink_data();
    void settingsFileThatIsALinkStaysALink();
    void fileWithoutWriteBitsIsNotReplaced_data();
    void fileWithoutWriteBitsIsNotReplaced();
    void newContentIsSyncedBeforeTheRename();
    void twoProcessesLoseNoKey();
    void writerKilledAtRandomLeavesOldOrNewFile();

private:
    QString entries() const;

    std::unique_ptr<test::TemporaryProgramFolder> m_dir;
    QString m_path;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<test::TemporaryProgramFolder>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->settingsPath();
}

void TestIniFile::cleanup()
{
    m_dir.reset();
}

// Everything in the temporary folder, hidden files too, sorted by name.
QString TestIniFile::entries() const
{
    const QDir dir(m_dir->path());
    return dir
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name)
        .join(u' ');
}

void TestIniFile::emptyFolderMeansProgramFolder()
{
    QVERIFY(writeBytes(m_path, "[s]\nk=v\n"));

    QString folder;
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d"), {}, folder),
             "v");
    QCOMPARE(folder, m_dir->path() + u'/');

    // The filled-in folder serves the next call although it doubles the "/".
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d"), {}, folder),
             "v");
    QCOMPARE(folder, m_dir->path() + u'/');

    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")), "v");
}

void TestIniFile::baseNameAndFolderChooseTheFile()
{
    const QString other = m_dir->filePath(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(other));

    WriteINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("there"),
             QStringLiteral("custom"), other);
    WriteINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("here"),
             QStringLiteral("custom"));
    QCOMPARE(readBytes(other + QStringLiteral("/custom.ini")), "[s]\nk=there\n");
    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("custom.ini"))), "[s]\nk=here\n");
    QVERIFY(!QFile::exists(m_path));

    QString folder = other;
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d"),
                     QStringLiteral("custom"), folder),
             "there");
    QCOMPARE(folder, other);
    QString programFolderPart;
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d"),
                     QStringLiteral("custom"), programFolderPart),
             "here");
}

void TestIniFile::renamedProgramUsesItsOwnFile()
{
    WriteINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("first"));

    setProgramFilePath(m_dir->filePath(QStringLiteral("renamed.bin")));
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")), "d");
    WriteINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("second"));

    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("renamed.ini"))), "[s]\nk=second\n");
    QCOMPARE(readBytes(m_path), "[s]\nk=first\n");
}

void TestIniFile::everyReadSeesTheCurrentFile()
{
    QVERIFY(writeBytes(m_path, "[s]\nk=1\n"));
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")), "1");
    QVERIFY(writeBytes(m_path, "[s]\nk=2\n"));
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")), "2");
    QVERIFY(QFile::remove(m_path));
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")), "d");
}

void TestIniFile::writeUnderAPlainFileIsDropped()
{
    // A folder below a plain file can never be created, even by root.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(writeBytes(blocker, "plain"));
    const QString folder = blocker + QStringLiteral("/sub");

    WriteINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"), QStringLiteral("x"),
             folder);
    QVERIFY(!detail::writeIniFile(detail::iniFilePath(QStringLiteral("x"), folder),
                                  QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v")));

    QCOMPARE(entries(), "blocker");
    QCOMPARE(readBytes(blocker), "plain");
    QString readFolder = folder;
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d"),
                     QStringLiteral("x"), readFolder),
             "d");
}

void TestIniFile::keyNoLineCanHoldIsDropped()
{
    const QByteArray old("[s]\nk=1\n");
    QVERIFY(writeBytes(m_path, old));
    QVERIFY(!detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("k=x"),
                                  QStringLiteral("2")));
    QCOMPARE(readBytes(m_path), old);
    QCOMPARE(entries(), "veltrane.ini");
}

void TestIniFile::writeWaitsForAnotherWriter()
{
    const QByteArray old("; kept\n[s]\nk=old\n");
    QVERIFY(writeBytes(m_path, old));
    QLockFile other(m_path + QStringLiteral(".lock"));
    QVERIFY(other.tryLock(0));

    QVERIFY(!detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("k"),
                                  QStringLiteral("new"), 300ms));
    QCOMPARE(readBytes(m_path), old);
    QCOMPARE(entries(), "veltrane.ini veltrane.ini.lock");

    // A writer that lets go within the wait does not cost the write.
    std::thread release([&other] {
        std::this_thread::sleep_for(200ms);
        other.unlock();
    });
    const bool written = detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("k"),
                                              QStringLiteral("new"), 10s);
    release.join();
    QVERIFY(written);
    QCOMPARE(readBytes(m_path), "; kept\n[s]\nk=new\n");
    QCOMPARE(entries(), "veltrane.ini");
}

void TestIniFile::valueAlreadyStoredNeedsNoLock()
{
    const QByteArray old("[s]\nk=same\n");
    QVERIFY(writeBytes(m_path, old));
    QLockFile other(m_path + QStringLiteral(".lock"));
    QVERIFY(other.tryLock(0));

    // Storing what the file already holds succeeds while another writer
    // holds the lock; removing a key that is not there as well.
    QVERIFY(detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("k"),
                                 QStringLiteral("same"), 0ms));
    QVERIFY(detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("gone"), {}, 0ms));
    // Any change still waits for the lock.
    QVERIFY(!detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("k"),
                                  QStringLiteral("other"), 0ms));
    QCOMPARE(readBytes(m_path), old);
}

void TestIniFile::lockLeftByACrashedWriterIsTakenOver()
{
    const QString lockPath = m_path + QStringLiteral(".lock");
    QLockFile probe(lockPath);
    QVERIFY(probe.tryLock(0));
    QByteArray lockInfo = readBytes(lockPath);
    probe.unlock();

    // A process that has ended stands for a writer that died holding the lock.
    QProcess gone;
    gone.start(QStringLiteral(VELTRANE_INI_WRITER_CHILD), {});
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());
    lockInfo.replace(0, lockInfo.indexOf('\n'), QByteArray::number(deadPid));
    QVERIFY(writeBytes(lockPath, lockInfo));

    QVERIFY(detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("k"),
                                 QStringLiteral("v"), 300ms));
    QCOMPARE(readBytes(m_path), "[s]\nk=v\n");
    QCOMPARE(entries(), "veltrane.ini");
}

void TestIniFile::replacingKeepsPermissionsAndLeavesNoTemporaryFile()
{
    QVERIFY(writeBytes(m_path, "[s]\nk=v\n"));
    // Not what a new file would get, so a file written afresh shows.
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QFile::Permissions permissions = QFile::permissions(m_path);
    QVERIFY(!permissions.testFlag(QFile::ReadOther));

    WriteINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("w"));
    WriteINI(QStringLiteral("s"), QStringLiteral("n"), QStringLiteral("1"));
    WriteINI(QStringLiteral("t"), QStringLiteral("n"), QStringLiteral("1"));
    WriteINI(QStringLiteral("s"), QStringLiteral("k"), {});
    WriteINI(QStringLiteral("t"), {}, {});

    QCOMPARE(readBytes(m_path), "[s]\nn=1\n");
    QCOMPARE(QFile::permissions(m_path), permissions);
    QCOMPARE(entries(), "veltrane.ini");
}

void TestIniFile::settingsFileThatIsALinkStaysALink_data()
{
    QTest::addColumn<QByteArray>("before"); // null: the link's target is not there yet
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("target there") << QByteArray("[s]\nk=1\n") << QByteArray("[s]\nk=2\n");
    QTest::newRow("target not there yet") << QByteArray() << QByteArray("[s]\nk=2\n");
}

void TestIniFile::settingsFileThatIsALinkStaysALink()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    // A settings file kept elsewhere, with a link to it beside the program.
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("kept.ini"));
    if (!before.isNull())
        QVERIFY(writeBytes(target, before));
    QVERIFY(QFile::link(target, m_path));

    WriteINI(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("2"));
    QCOMPARE(QFileInfo(m_path).symLinkTarget(), target);
    QCOMPARE(readBytes(target), after);
    QCOMPARE(entries(), "veltrane.ini");
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"kept.ini"});
}

void TestIniFile::fileWithoutWriteBitsIsNotReplaced_data()
{
    QTest::addColumn<bool>("throughALink");
    QTest::newRow("the file itself") << false;
    QTest::newRow("the target of a link") << true;
}

// Root may write any file, so only the missing write bits tell that the user
// froze it; the folder would allow the rename.
void TestIniFile::fileWithoutWriteBitsIsNotReplaced()
{
    QFETCH(bool, throughALink);
    QTemporaryDir elsewhere;
    const QString file = throughALink ? elsewhere.filePath(QStringLiteral("kept.ini")) : m_path;
    const QByteArray content = "[s]\nk=1\n";
    QVERIFY(writeBytes(file, content));
    if (throughALink)
        QVERIFY(QFile::link(file, m_path));
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(file, readOnly));

    QVERIFY(!detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("k"),
                                  QStringLiteral("2")));
    WriteINI(QStringLiteral("t"), QStringLiteral("n"), QStringLiteral("1"));
    QCOMPARE(readBytes(file), content);
    const auto userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    QCOMPARE(QFile::permissions(file) & ~userBits, readOnly);
    QCOMPARE(QFileInfo(m_path).isSymLink(), throughALink);
    QCOMPARE(ReadINI(QStringLiteral("s"), QStringLiteral("k"), {}), QStringLiteral("1"));
    QCOMPARE(entries(), "veltrane.ini");
    // A value the file already holds is a write that needs nothing.
    QVERIFY(detail::writeIniFile(m_path, QStringLiteral("s"), QStringLiteral("k"),
                                 QStringLiteral("1")));
}

// Without the sync, a power cut soon after the rename can leave an empty or
// torn settings file. The writer child is watched by strace, which sees the
// order of the system calls.
void TestIniFile::newContentIsSyncedBeforeTheRename()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("strace is not installed");
    const QString log = m_dir->filePath(QStringLiteral("strace.log"));
    QProcess writer;
    // The leak checker of a sanitizer build cannot work under strace's
    // ptrace; everything else of the sanitizers stays on.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) +
                           QStringLiteral(":detect_leaks=0"));
    writer.setProcessEnvironment(environment);
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(strace, {QStringLiteral("-f"), QStringLiteral("-o"), log, QStringLiteral("-e"),
                          QStringLiteral("trace=openat,fsync,fdatasync,rename,renameat,renameat2"),
                          QStringLiteral(VELTRANE_INI_WRITER_CHILD), m_dir->path(),
                          QStringLiteral("k"), QStringLiteral("2")});
    QVERIFY(writer.waitForFinished(60000));
    QCOMPARE(writer.exitCode(), 0);

    // The scratch file's descriptor, then its sync, then the rename, for each
    // of the two writes.
    const QStringList calls = QString::fromUtf8(readBytes(log)).split(u'\n');
    const QRegularExpression opened(QStringLiteral(R"(openat\(.*shared\.ini\.new".*\) = (\d+))"));
    const QRegularExpression renamed(QStringLiteral(R"(rename.*shared\.ini\.new".*shared\.ini")"));
    QString scratch;
    bool synced = false;
    int renames = 0;
    for (const QString& call : calls) {
        if (const QRegularExpressionMatch match = opened.match(call); match.hasMatch()) {
            scratch = match.captured(1);
            synced = false;
        } else if (!scratch.isEmpty() &&
                   (call.contains(QStringLiteral("fsync(") + scratch + u')') ||
                    call.contains(QStringLiteral("fdatasync(") + scratch + u')'))) {
            synced = true;
        } else if (renamed.match(call).hasMatch()) {
            QVERIFY2(synced, qPrintable(call));
            ++renames;
            synced = false;
        }
    }
    QCOMPARE(renames, 2);
}

void TestIniFile::twoProcessesLoseNoKey()
{
    constexpr int count = 500;
    const QStringList prefixes{QStringLiteral("a"), QStringLiteral("b")};
    std::vector<std::unique_ptr<QProcess>> writers;
    for (const QString& prefix : prefixes) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writers.back()->start(QStringLiteral(VELTRANE_INI_WRITER_CHILD),
                              {m_dir->path(), prefix, QString::number(count)});
    }
    for (const auto& writer : writers) {
        QVERIFY(writer->waitForFinished(120000));
        QCOMPARE(writer->exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer->exitCode(), 0);
    }

    // The helper writes the "Keys" section of shared.ini.
    QStringList missing;
    QString folder = m_dir->path();
    for (const QString& prefix : prefixes) {
        for (int i = 0; i < count; ++i) {
            const QString key = prefix + QString::number(i);
            if (ReadINI(QStringLiteral("Keys"), key, {}, QStringLiteral("shared"), folder) !=
                QString::number(i))
                missing.append(key);
        }
    }
    QCOMPARE(missing, QStringList());
    QCOMPARE(entries(), "shared.ini");
}

namespace {

// shared.ini as the child's forever mode leaves it after its first steps:
// key k<j> holds the last step n < steps with n mod keys = j, or "none".
QByteArray rewrittenFile(qint64 steps, int keys)
{
    QByteArray content = "[Keys]\n";
    for (int j = 0; j < keys; ++j) {
        const QByteArray value =
            steps > j ? QByteArray::number(j + (steps - 1 - j) / keys * keys) : "none";
        content += 'k' + QByteArray::number(j) + '=' + value + '\n';
    }
    return content;
}

// How many steps a file of the forever mode shows done: one more than the
// newest value in it.
qint64 stepsShownBy(const QByteArray& content)
{
    qint64 newest = -1;
    for (const QByteArray& line : content.split('\n')) {
        bool number = false;
        const qint64 value = line.mid(line.indexOf('=') + 1).toLongLong(&number);
        if (number)
            newest = std::max(newest, value);
    }
    return newest + 1;
}

} // namespace

// A writer killed at any moment, in the middle of a write or while it holds
// the lock, leaves the file as it was before that write or after it, never
// torn; and the next writer goes on.
void TestIniFile::writerKilledAtRandomLeavesOldOrNewFile()
{
    constexpr int keys = 8;
    constexpr int kills = 200;
    const QString path = detail::iniFilePath(QStringLiteral("shared"), m_dir->path());
    QVERIFY(writeBytes(path, rewrittenFile(0, keys)));

    QRandomGenerator random(20261210);
    qint64 steps = 0;
    int killsAfterProgress = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(QStringLiteral(VELTRANE_INI_WRITER_CHILD),
                     {QStringLiteral("--forever"), m_dir->path(), QString::number(keys),
                      QString::number(steps)});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(30000));
        QThread::usleep(random.bounded(40000));
        writer.kill();
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        const QByteArray content = readBytes(path);
        const qint64 now = stepsShownBy(content);
        if (content != rewrittenFile(now, keys) || now < steps)
            QFAIL(qPrintable(QStringLiteral("after kill %1 at step %2 the file reads:\n%3")
                                 .arg(kill)
                                 .arg(steps)
                                 .arg(QString::fromUtf8(content))));
        if (now > steps)
            ++killsAfterProgress;
        steps = now;
    }
    // Most kills come in the middle of the writing, not before its start.
    QVERIFY2(killsAfterProgress > kills / 10, qPrintable(QString::number(killsAfterProgress)));

    // What a killed writer leaves, its lock file or its scratch file, the
    // next write clears away.
    QVERIFY(detail::writeIniFile(path, QStringLiteral("Keys"), QStringLiteral("k0"),
                                 QStringLiteral("last")));
    QCOMPARE(entries(), "shared.ini");
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
