// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings and history files are found: beside a copy of the
// program in a folder of its own, in the user's configuration folder and the
// installation's data folder for an installed copy or an unwritable folder.

#include "program/program_files.h"
#include "program/program_info.h"
#include "settings/ini_file.h"
#include "support/test_files.h"
#include "ui/history/history_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace veltrane;
using veltrane::test::readBytes;
using veltrane::test::writeBytes;

class TestProgramFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void settingsLieBesideAProgramInAWritableFolder();
    void settingsMoveToTheConfigFolderWhenTheFolderIsNotWritable();
    void anInstalledCopyKeepsItsSettingsInTheConfigFolder();
    void configFolderFollowsXdgConfigHome_data();
    void configFolderFollowsXdgConfigHome();
    void aConfigFolderThatCannotBeMadeDropsTheWrite();
    void historyIsReadBesideTheProgramElseFromTheDataFolder();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    // An installation below the temporary folder: prefix/bin/veltrane and
    // prefix/share/veltrane.
    void layOutInstallation();

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_savedHome;
    QByteArray m_savedConfigHome;
    bool m_hadConfigHome = false;
};

void TestProgramFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_savedHome = qgetenv("HOME");
    m_hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    // Nothing a test writes may reach the real configuration folder.
    QVERIFY(QDir().mkpath(path(QStringLiteral("home"))));
    qputenv("HOME", path(QStringLiteral("home")).toUtf8());
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toUtf8());
}

void TestProgramFiles::cleanup()
{
    setProgramFilePath({});
    qputenv("HOME", m_savedHome);
    if (m_hadConfigHome)
        qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
    m_dir.reset();
}

void TestProgramFiles::layOutInstallation()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("prefix/bin"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("prefix/share/veltrane"))));
    setProgramFilePath(path(QStringLiteral("prefix/bin/veltrane")));
}

void TestProgramFiles::settingsLieBesideAProgramInAWritableFolder()
{
    setProgramFilePath(path(QStringLiteral("veltrane")));
    QVERIFY(!isInstalledCopy());
    QCOMPARE(settingsFolder(), m_dir->path());

    WriteINI(QStringLiteral("Main"), QStringLiteral("Use"), QStringLiteral("3"));
    QCOMPARE(readBytes(path(QStringLiteral("veltrane.ini"))), "[Main]\nUse=3\n");
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("config"))));
}

void TestProgramFiles::settingsMoveToTheConfigFolderWhenTheFolderIsNotWritable()
{
    // A folder below a plain file can never be written, even by root.
    QVERIFY(writeBytes(path(QStringLiteral("blocker")), "plain"));
    setProgramFilePath(path(QStringLiteral("blocker/veltrane")));
    const QString config = path(QStringLiteral("config/veltrane"));
    QCOMPARE(settingsFolder(), config);

    // Reading leaves no trace; the first write makes the folder and the file.
    QString folder;
    QCOMPARE(
        ReadINI(QStringLiteral("Main"), QStringLiteral("Use"), QStringLiteral("1"), {}, folder),
        "1");
    QCOMPARE(folder, config + u'/');
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("config"))));

    WriteINI(QStringLiteral("Main"), QStringLiteral("Use"), QStringLiteral("2"));
    QCOMPARE(readBytes(config + QStringLiteral("/veltrane.ini")), "[Main]\nUse=2\n");
    QCOMPARE(ReadINI(QStringLiteral("Main"), QStringLiteral("Use"), QStringLiteral("1")), "2");
    QCOMPARE(readBytes(path(QStringLiteral("blocker"))), "plain");
}

void TestProgramFiles::anInstalledCopyKeepsItsSettingsInTheConfigFolder()
{
    // The bin folder is writable here (root), yet settings stay out of it.
    layOutInstallation();
    QVERIFY(isInstalledCopy());
    QCOMPARE(installedDataFolder(), path(QStringLiteral("prefix/share/veltrane")));

    WriteINI(QStringLiteral("Calculate"), QStringLiteral("KeyRate"), QStringLiteral("641,440"));
    QCOMPARE(readBytes(path(QStringLiteral("config/veltrane/veltrane.ini"))),
             "[Calculate]\nKeyRate=641,440\n");
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("prefix/bin/veltrane.ini"))));

    // A renamed copy keeps its own file there as well.
    setProgramFilePath(path(QStringLiteral("prefix/bin/calc")));
    WriteINI(QStringLiteral("Main"), QStringLiteral("Use"), QStringLiteral("5"));
    QCOMPARE(readBytes(path(QStringLiteral("config/veltrane/calc.ini"))), "[Main]\nUse=5\n");
}

void TestProgramFiles::configFolderFollowsXdgConfigHome_data()
{
    QTest::addColumn<QString>("configHome"); // "-" leaves the variable unset
    QTest::addColumn<QString>("expected");   // below the temporary folder

    QTest::newRow("absolute") << "/elsewhere/cfg"
                              << "elsewhere/cfg/veltrane";
    QTest::newRow("unset") << "-"
                           << "home/.config/veltrane";
    QTest::newRow("empty") << ""
                           << "home/.config/veltrane";
    QTest::newRow("relative") << "cfg"
                              << "home/.config/veltrane";
}

void TestProgramFiles::configFolderFollowsXdgConfigHome()
{
    QFETCH(QString, configHome);
    QFETCH(QString, expected);
    if (configHome == u"-")
        qunsetenv("XDG_CONFIG_HOME");
    else if (configHome.startsWith(u'/'))
        qputenv("XDG_CONFIG_HOME", (m_dir->path() + configHome).toUtf8());
    else
        qputenv("XDG_CONFIG_HOME", configHome.toUtf8());

    QCOMPARE(userConfigFolder(), path(expected));
}

void TestProgramFiles::aConfigFolderThatCannotBeMadeDropsTheWrite()
{
    QVERIFY(writeBytes(path(QStringLiteral("blocker")), "plain"));
    setProgramFilePath(path(QStringLiteral("blocker/veltrane")));
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("blocker/config")).toUtf8());

    QVERIFY(!makeSettingsFolder());
    WriteINI(QStringLiteral("Main"), QStringLiteral("Use"), QStringLiteral("2"));
    QCOMPARE(ReadINI(QStringLiteral("Main"), QStringLiteral("Use"), QStringLiteral("1")), "1");
    QCOMPARE(readBytes(path(QStringLiteral("blocker"))), "plain");
}

void TestProgramFiles::historyIsReadBesideTheProgramElseFromTheDataFolder()
{
    layOutInstallation();
    const QString beside = path(QStringLiteral("prefix/bin/veltrane_history.txt"));
    const QString installed = path(QStringLiteral("prefix/share/veltrane/veltrane_history.txt"));

    // Neither: the path beside the program, which the missing-file message names.
    QCOMPARE(historyFilePath(), beside);
    QVERIFY(writeBytes(installed, "installed\r\n"));
    QCOMPARE(historyFilePath(), installed);
    QVERIFY(writeBytes(beside, "beside\r\n"));
    QCOMPARE(historyFilePath(), beside);
}

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_program_files.moc"
