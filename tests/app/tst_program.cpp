// SPDX-License-Identifier: GPL-3.0-or-later
// The veltrane program itself, started as a process of its own.
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class ProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void terminationSignalStillStoresTheSettings_data();
    void terminationSignalStillStoresTheSettings();
    void historyFileLiesBesideTheProgram();
};

void ProgramTest::terminationSignalStillStoresTheSettings_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void ProgramTest::terminationSignalStillStoresTheSettings()
{
    QFETCH(int, signal);
    // The settings file lies beside the program, so the program is copied
    // into a folder of its own.
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("veltrane"));
    QVERIFY(QFile::copy(QStringLiteral(VELTRANE_PROGRAM), program));
    const QString settings = folder.filePath(QStringLiteral("veltrane.ini"));
    QVERIFY(veltrane::test::writeBytes(settings, "[Calculate]\nKeyRate=641.440\n[Main]\nUse=6\n"));

    QProcess veltrane;
    veltrane.start(program, {});
    QVERIFY(veltrane.waitForStarted());
    // Start-up stores the theme as soon as it has chosen it.
    QTRY_VERIFY_WITH_TIMEOUT(veltrane::test::readBytes(settings).contains("Themes=0"), 20000);
    QTest::qWait(200);
    ::kill(pid_t(veltrane.processId()), signal);
    QVERIFY(veltrane.waitForFinished(20000));
    QCOMPARE(veltrane.exitStatus(), QProcess::NormalExit);

    const QByteArray stored = veltrane::test::readBytes(settings);
    QVERIFY2(stored.contains("Use=7\n"), stored.constData());
    QVERIFY2(stored.contains("KeyRate=641.440\n"), stored.constData());
}

void ProgramTest::historyFileLiesBesideTheProgram()
{
    const QString program = QStringLiteral(VELTRANE_PROGRAM);
    const QByteArray history = veltrane::test::readBytes(
        QFileInfo(program).dir().filePath(QStringLiteral("veltrane_history.txt")));
    // The History window ends lines at carriage returns only: a checkout
    // that turned them into bare line feeds would show one long line.
    QVERIFY(history.count("\r\n") > 10);
    QCOMPARE(history.count('\n'), history.count("\r\n"));
    QVERIFY(history.contains("\r\n1.13 Build3\r\n"));
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"
