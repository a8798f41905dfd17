// Which file ReadINI and WriteINI use, and that writes never damage it: not
// when they fail, not when another program writes at the same time.

#include "settings/ini_file.h"
#include "support/temporary_program_folder.h"
#include "support/test_files.h"
#include "ui/toolkit/program_info.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
    void writeWaitsForAnotherWriter();
    void valueAlreadyStoredNeedsNoLock();
    void lockLeftByACrashedWriterIsTakenOver();
    void replacingKeepsPermissionsAndLeavesNoTemporaryFile();
    void twoProcessesLoseNoKey();

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

void TestIniFile::twoProcessesLoseNoKey()
{
    constexpr int count = 200;
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

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
