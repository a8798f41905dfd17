// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shut-down over settings files that cannot be read or written
// as usual. The program starts, with defaults wherever it cannot read, says
// nothing alarming, and leaves alone whatever it could not read.
//
// The test runs as an ordinary user: as root every file could be read and
// every folder written, and most cases below would prove nothing. The
// read-only file and the dangling link run once more as root.

#include "support/main_window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// A whole settings file as shut-down stores it, so that closing the window
// changes only the usage count.
const QByteArray storedSettings = "[Main]\nThemes=2\nUse=27\n"
                                  "[Calculate]\nKeyRate=641.440\nCPUTime=12\n"
                                  "M-F StartDate=02/04/2004\nM-F End Date=11/04/2004\n"
                                  "Math CPUTime=1\nMath WuDone=1\nWuDone=0\nButtons=1\n"
                                  "ShowMs=1\nStartDate=0\nEndDate=0\n";

QByteArray afterOneMoreStart(QByteArray content)
{
    return content.replace("Use=27\n", "Use=28\n");
}

bool dropRootRights()
{
    if (::geteuid() != 0)
        return true;
    constexpr uid_t nobody = 65534;
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setresgid(nobody, nobody, nobody) == 0 &&
                         ::setresuid(nobody, nobody, nobody) == 0;
    // A changed user makes the process undumpable, which would keep the leak
    // checker of a sanitizer build from inspecting it.
    ::prctl(PR_SET_DUMPABLE, 1);
    return dropped;
}

QString entries(const QString& folder)
{
    return QDir(folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name)
        .join(u' ');
}

} // namespace

class HostileSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readOnlyFolderIsReadAndLeftAlone();
    void settingsFileThatIsAFolderIsLeftAlone();
    void unreadableFileIsLeftAlone();
    void hugeFileIsReadAndKeptWhole();
    void nulBytesAndOverlongLinesAreKept();
    void readOnlySettingsFileIsReadAndKept();
    void danglingLinkGetsItsTarget();

private:
    // Starts the program, checks that it showed no message and closes it.
    void startAndClose(MainWindowFixture& f, const QString& keyRate);

    std::unique_ptr<QTemporaryDir> m_configHome;
};

void HostileSettingsTest::init()
{
    m_configHome = std::make_unique<QTemporaryDir>();
    QVERIFY(m_configHome->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome->path()));
}

void HostileSettingsTest::startAndClose(MainWindowFixture& f, const QString& keyRate)
{
    f.open();
    QCOMPARE(f.text("txtKeys"), keyRate);
    f.closeWindow();
    QCOMPARE(f.messages.prompts(), QStringList());
}

void HostileSettingsTest::readOnlyFolderIsReadAndLeftAlone()
{
    // A program folder that cannot be written sends the settings to the
    // user's configuration folder; here that one cannot be written either.
    MainWindowFixture f;
    const QString config = m_configHome->filePath(QStringLiteral("veltrane"));
    QVERIFY(QDir().mkpath(config));
    QVERIFY(writeBytes(config + QStringLiteral("/veltrane.ini"), storedSettings));
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QVERIFY(QFile::setPermissions(config, readOnly));
    QVERIFY(QFile::setPermissions(f.folder.path(), readOnly));

    startAndClose(f, QStringLiteral("641.440"));
    QCOMPARE(f.window->useCount(), 27);
    QCOMPARE(readBytes(config + QStringLiteral("/veltrane.ini")), storedSettings);
    QCOMPARE(entries(config), QStringLiteral("veltrane.ini"));
    QCOMPARE(entries(f.folder.path()), QString());

    QFile::setPermissions(config, readOnly | QFile::WriteOwner);
    QFile::setPermissions(f.folder.path(), readOnly | QFile::WriteOwner);
}

void HostileSettingsTest::settingsFileThatIsAFolderIsLeftAlone()
{
    MainWindowFixture f;
    QVERIFY(QDir().mkpath(f.folder.settingsPath()));
    QVERIFY(writeBytes(f.folder.settingsPath() + QStringLiteral("/inside"), storedSettings));

    startAndClose(f, QStringLiteral("100.358"));
    QVERIFY(QFileInfo(f.folder.settingsPath()).isDir());
    QCOMPARE(readBytes(f.folder.settingsPath() + QStringLiteral("/inside")), storedSettings);
    QCOMPARE(entries(f.folder.path()), QStringLiteral("veltrane.ini"));
}

void HostileSettingsTest::unreadableFileIsLeftAlone()
{
    // Writable but not readable: storing into it would replace everything
    // it holds with the few values of this run.
    MainWindowFixture f;
    f.writeSettings(storedSettings);
    QVERIFY(QFile::setPermissions(f.folder.settingsPath(), QFile::WriteOwner));
    QVERIFY(!QFile(f.folder.settingsPath()).open(QIODevice::ReadOnly));

    startAndClose(f, QStringLiteral("100.358"));
    QCOMPARE(f.window->useCount(), 1);
    QVERIFY(QFile::setPermissions(f.folder.settingsPath(), QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(f.settingsFile(), storedSettings);
    QCOMPARE(entries(f.folder.path()), QStringLiteral("veltrane.ini"));
}

void HostileSettingsTest::hugeFileIsReadAndKeptWhole()
{
    // 10 MB of other programs' sections before the program's own.
    QByteArray content;
    content.reserve(10 * 1024 * 1024 + storedSettings.size());
    for (int section = 0; content.size() < 10 * 1024 * 1024; ++section) {
        content += "[Other " + QByteArray::number(section) + "]\n";
        for (int key = 0; key < 100; ++key)
            content += "Key" + QByteArray::number(key) + '=' + QByteArray(80, 'x') + '\n';
    }
    content += storedSettings;
    MainWindowFixture f;
    f.writeSettings(content);

    startAndClose(f, QStringLiteral("641.440"));
    QCOMPARE(f.window->useCount(), 27);
    QVERIFY(f.settingsFile() == afterOneMoreStart(content));
}

void HostileSettingsTest::nulBytesAndOverlongLinesAreKept()
{
    const QByteArray nul("a\0b", 3);
    const QByteArray content =
        "junk" + nul + "\n[Junk]\nNote=" + nul + '\n' + QByteArray(1024 * 1024, 'y') + '\n' +
        "Long=" + QByteArray(100000, 'z') + '\n' + storedSettings + "tail" + nul;
    MainWindowFixture f;
    f.writeSettings(content);

    startAndClose(f, QStringLiteral("641.440"));
    QCOMPARE(f.window->useCount(), 27);
    QVERIFY(f.settingsFile() == afterOneMoreStart(content));
}

void HostileSettingsTest::readOnlySettingsFileIsReadAndKept()
{
    // The user froze the settings: no write bit at all, in a folder the user
    // may write, so only the program's own care keeps the file.
    MainWindowFixture f;
    f.writeSettings(storedSettings);
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(f.folder.settingsPath(), readOnly));
    const QFileInfo before(f.folder.settingsPath());

    startAndClose(f, QStringLiteral("641.440"));
    QCOMPARE(f.window->useCount(), 27);
    QCOMPARE(f.settingsFile(), storedSettings);
    const QFileInfo after(f.folder.settingsPath());
    QCOMPARE(after.permissions(), before.permissions());
    QCOMPARE(entries(f.folder.path()), QStringLiteral("veltrane.ini"));
    QVERIFY(QFile::setPermissions(f.folder.settingsPath(), readOnly | QFile::WriteOwner));
}

void HostileSettingsTest::danglingLinkGetsItsTarget()
{
    // A link to a settings file kept elsewhere that does not exist yet.
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("kept.ini"));
    MainWindowFixture f;
    QVERIFY(QFile::link(target, f.folder.settingsPath()));

    startAndClose(f, QStringLiteral("100.358"));
    QCOMPARE(QFileInfo(f.folder.settingsPath()).symLinkTarget(), target);
    QVERIFY(readBytes(target).contains("[Calculate]\nKeyRate=100.358\n"));
    QCOMPARE(entries(f.folder.path()), QStringLiteral("veltrane.ini"));
    QCOMPARE(entries(elsewhere.path()), QStringLiteral("kept.ini"));
}

// VELTRANE_TEST_AS_ROOT keeps the rights of root, for the cases that must
// hold for root as well.
int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("VELTRANE_TEST_AS_ROOT") && !dropRootRights()) {
        qCritical("cannot run as an ordinary user");
        return 1;
    }
    QApplication app(argc, argv);
    HostileSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostile_settings.moc"
