// SPDX-License-Identifier: GPL-3.0-or-later
// The veltrane program on Wayland: weston with its headless back end, and a
// keyboard of the test's own (weston_keyboard.c) that types into the window
// the way a user does. Where weston, its headless back end, Qt's Wayland
// platform or the keyboard module is missing the test reports itself
// skipped (exit code 77).
#include "support/test_files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <linux/input-event-codes.h>
#include <sys/stat.h>

#include <memory>

using veltrane::test::storedValue;

namespace {

constexpr int SkippedExitCode = 77;
// Generous on purpose: a busy two-core CI machine may take long to start a
// compositor or a Qt program; the waits end as soon as the event is seen.
constexpr int LongWait = 60000;

const QString ExpectedTitle = QStringLiteral("Veltrane    [1.13 Build3]");
const QString WestonBackend = QStringLiteral("headless-backend.so");

// Ends a process that is still running, politely first.
void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

// Why the test cannot run here; empty when it can.
QString missingPart()
{
    if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
        return QStringLiteral("weston is not installed");
    if (QString(VELTRANE_WESTON_KEYBOARD).isEmpty())
        return QStringLiteral("the keyboard module was not built (no libweston found)");
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    if (platforms.entryList({QStringLiteral("libqwayland*")}).isEmpty())
        return QStringLiteral("Qt's Wayland platform (qt6-wayland) is not installed");
    return {};
}

} // namespace

class WaylandTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keyRateTypedOnWaylandIsCalculatedAndStored();

private:
    QProcessEnvironment environment() const;
    QString log(const QString& name) const;
    QString path(const QString& name) const { return m_folder->filePath(name); }
    // Presses and releases each key in turn, holding the modifiers before
    // them: {KEY_LEFTCTRL, KEY_A} is Ctrl+A.
    void press(std::initializer_list<int> modifiers, int key);
    void type(const QString& digits);
    // How often the program has asked the compositor for a window titled so.
    int windowsTitled(const QString& title) const;
    // How often the keyboard has come to one of the program's windows.
    int keyboardEntries() const;

    // Released in this order: the program, then the compositor, then the folder.
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QProcess> m_weston;
    std::unique_ptr<QProcess> m_veltrane;
    std::unique_ptr<QFile> m_keys;
    QString m_socket;
};

void WaylandTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    const QDir folder(m_folder->path());
    QVERIFY(folder.mkpath(QStringLiteral("runtime")));
    QVERIFY(QFile::setPermissions(path(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray keys = QFile::encodeName(path(QStringLiteral("keys")));
    QVERIFY(::mkfifo(keys.constData(), 0600) == 0);

    m_socket = QStringLiteral("veltrane-test");
    m_weston = std::make_unique<QProcess>();
    QProcessEnvironment westonEnvironment = environment();
    westonEnvironment.insert(QStringLiteral("VELTRANE_KEYBOARD_PIPE"),
                             QString::fromLocal8Bit(keys));
    m_weston->setProcessEnvironment(westonEnvironment);
    m_weston->setProcessChannelMode(QProcess::MergedChannels);
    m_weston->setStandardOutputFile(path(QStringLiteral("weston.log")));
    m_weston->start(QStringLiteral("weston"),
                    {QStringLiteral("--backend=") + WestonBackend, QStringLiteral("--no-config"),
                     QStringLiteral("--idle-time=0"), QStringLiteral("--socket=") + m_socket,
                     QStringLiteral("--modules=") + QStringLiteral(VELTRANE_WESTON_KEYBOARD)});
    QVERIFY2(m_weston->waitForStarted(LongWait), qPrintable(m_weston->errorString()));
    // The compositor takes clients once its socket is there.
    QTRY_VERIFY2_WITH_TIMEOUT(m_weston->state() != QProcess::Running ||
                                  QFileInfo::exists(path(QStringLiteral("runtime/")) + m_socket),
                              "weston made no socket", LongWait);
    QVERIFY2(m_weston->state() == QProcess::Running,
             qPrintable(QStringLiteral("weston ended:\n") + log(QStringLiteral("weston.log"))));

    m_keys = std::make_unique<QFile>(QString::fromLocal8Bit(keys));
    QVERIFY(m_keys->open(QIODevice::WriteOnly | QIODevice::Unbuffered));
}

void WaylandTest::cleanup()
{
    if (m_veltrane)
        stop(*m_veltrane);
    if (QTest::currentTestFailed()) {
        QTextStream(stderr) << "--- veltrane's output (Wayland requests and events):\n"
                            << log(QStringLiteral("veltrane.log")).right(20000)
                            << "--- weston's output:\n"
                            << log(QStringLiteral("weston.log")) << "---\n";
    }
    m_keys.reset();
    if (m_weston)
        stop(*m_weston);
    m_veltrane.reset();
    m_weston.reset();
    m_folder.reset();
}

QProcessEnvironment WaylandTest::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Nothing of the machine's own desktop session may be reached.
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS",
          "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_QPA_PLATFORMTHEME"})
        environment.remove(QString::fromUtf8(name));
    const QDir home(m_folder->path());
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral(".cache")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    return environment;
}

QString WaylandTest::log(const QString& name) const
{
    return QString::fromLocal8Bit(veltrane::test::readBytes(path(name)));
}

void WaylandTest::press(std::initializer_list<int> modifiers, int key)
{
    QByteArray lines;
    for (int modifier : modifiers)
        lines += QByteArray::number(modifier) + " 1\n";
    lines += QByteArray::number(key) + " 1\n" + QByteArray::number(key) + " 0\n";
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
        lines += QByteArray::number(*modifier) + " 0\n";
    QCOMPARE(m_keys->write(lines), lines.size());
    // As a person types: the program takes each key before the next.
    QTest::qWait(50);
}

void WaylandTest::type(const QString& digits)
{
    for (QChar character : digits) {
        if (character == u'.')
            press({}, KEY_DOT);
        else if (character == u'0')
            press({}, KEY_0);
        else
            press({}, KEY_1 + character.digitValue() - 1);
    }
}

int WaylandTest::windowsTitled(const QString& title) const
{
    const QString request = QStringLiteral(".set_title(\"%1\")").arg(title);
    return int(log(QStringLiteral("veltrane.log")).count(request));
}

int WaylandTest::keyboardEntries() const
{
    static const QRegularExpression enter(QStringLiteral("wl_keyboard@\\d+\\.enter\\("));
    return int(log(QStringLiteral("veltrane.log")).count(enter));
}

void WaylandTest::keyRateTypedOnWaylandIsCalculatedAndStored()
{
    // A copy of the program in a writable folder of its own keeps its
    // settings file beside itself.
    const QString program = path(QStringLiteral("veltrane"));
    QVERIFY(QFile::copy(QStringLiteral(VELTRANE_PROGRAM), program));
    const QString settings = path(QStringLiteral("veltrane.ini"));
    QVERIFY(veltrane::test::writeBytes(
        settings, "[Calculate]\nKeyRate=100.358\nStartDate=0\n[Main]\nUse=6\n"));

    QProcessEnvironment environment = this->environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    // The program's requests to the compositor and the events it gets are
    // written to its log: its window title, the keyboard, its windows.
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    m_veltrane = std::make_unique<QProcess>();
    m_veltrane->setProcessEnvironment(environment);
    m_veltrane->setWorkingDirectory(m_folder->path());
    m_veltrane->setProcessChannelMode(QProcess::MergedChannels);
    m_veltrane->setStandardOutputFile(path(QStringLiteral("veltrane.log")));
    m_veltrane->start(program, {});
    QVERIFY2(m_veltrane->waitForStarted(LongWait), qPrintable(m_veltrane->errorString()));

    // The main window appears under its title and gets the keyboard.
    QTRY_VERIFY2_WITH_TIMEOUT(m_veltrane->state() != QProcess::Running ||
                                  (windowsTitled(ExpectedTitle) == 1 && keyboardEntries() == 1),
                              "the main window did not appear with the keyboard", LongWait);
    QVERIFY2(m_veltrane->state() == QProcess::Running,
             "the program ended before its window appeared");

    // A key rate below the lowest, typed over the field and sent with
    // Enter: the calculation says so in a message box of the program's
    // title, and goes on with 10.000 once the box is answered.
    press({KEY_LEFTCTRL}, KEY_A);
    type(QStringLiteral("5.000"));
    press({}, KEY_ENTER);
    QTRY_VERIFY2_WITH_TIMEOUT(windowsTitled(QStringLiteral("Veltrane")) == 1 &&
                                  keyboardEntries() == 2,
                              "no message box appeared with the keyboard", LongWait);
    press({}, KEY_ENTER);
    // The keyboard goes back to the main window once the box has closed.
    QTRY_VERIFY2_WITH_TIMEOUT(keyboardEntries() == 3,
                              "the main window did not get the keyboard back", LongWait);

    // Alt+E is the "&Exit..." button: the program closes and ends normally.
    press({KEY_LEFTALT}, KEY_E);
    QVERIFY2(m_veltrane->waitForFinished(LongWait), "the program did not end after Alt+E");
    QCOMPARE(m_veltrane->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_veltrane->exitCode(), 0);

    // The calculation's key rate is stored, and this start is counted.
    const QByteArray stored = veltrane::test::readBytes(settings);
    QVERIFY2(storedValue(stored, "KeyRate") == "10.000", stored.constData());
    QVERIFY2(storedValue(stored, "Use") == "7", stored.constData());
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (const QString missing = missingPart(); !missing.isEmpty()) {
        QTextStream(stdout) << "SKIP: " << missing << '\n';
        return SkippedExitCode;
    }
    WaylandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland.moc"
