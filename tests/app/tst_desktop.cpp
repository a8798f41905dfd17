// SPDX-License-Identifier: GPL-3.0-or-later
// The veltrane program on a real X display: a virtual one (Xvfb) of its own,
// driven from the keyboard through xdotool the way a user drives it. Where
// Xvfb or xdotool is missing the test reports itself skipped (exit code 77).
#include "support/test_files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <memory>

using veltrane::test::storedValue;

namespace {

constexpr int SkippedExitCode = 77;
// Generous on purpose: a busy two-core CI machine may take long to start an
// X server or a Qt program; the waits end as soon as the event is seen.
constexpr int LongWait = 60000;

const QString ExpectedTitle = QStringLiteral("Veltrane    [1.13 Build3]");
const QString TypedKeyRate = QStringLiteral("641.440");

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromUtf8(name));
}

int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(row[x]);
    }
    return int(colours.size());
}

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

// An Xvfb server on the first free display number, which it reports
// itself; it is ended when this object goes.
class VirtualDisplay
{
public:
    explicit VirtualDisplay(const QString& logFile)
    {
        m_server.setStandardErrorFile(logFile);
        m_server.start(tool("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                      QStringLiteral("-screen"), QStringLiteral("0"),
                                      QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                      QStringLiteral("tcp"), QStringLiteral("-noreset")});
        if (!m_server.waitForStarted(LongWait))
            return;
        const QDeadlineTimer deadline(LongWait);
        while (!m_server.canReadLine() && m_server.state() == QProcess::Running &&
               !deadline.hasExpired())
            m_server.waitForReadyRead(500);
        const QByteArray number = m_server.readLine().trimmed();
        if (!number.isEmpty())
            m_name = u':' + QString::fromLatin1(number);
    }
    ~VirtualDisplay() { stop(m_server); }

    // ":<number>", or empty when the server did not start.
    QString name() const { return m_name; }

private:
    QProcess m_server;
    QString m_name;
};

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedKeyRateIsStoredWhenAltELeaves();

private:
    QProcessEnvironment desktopEnvironment() const;
    // Runs xdotool with the arguments; its output, or a null string (and the
    // reason in m_lastError) when it fails or does not end in time.
    QString xdotool(const QStringList& arguments);
    QString log(const QString& name) const;

    // Released in this order: the program, then its display, then the folder.
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<VirtualDisplay> m_display;
    std::unique_ptr<QProcess> m_veltrane;
    QString m_lastError;
};

void DesktopTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_display = std::make_unique<VirtualDisplay>(m_folder->filePath(QStringLiteral("xvfb.log")));
    QVERIFY2(!m_display->name().isEmpty(),
             qPrintable(QStringLiteral("Xvfb did not start:\n") + log(QStringLiteral("xvfb.log"))));
    // The display answers, with the screen this test asked for.
    QTRY_COMPARE_WITH_TIMEOUT(xdotool({QStringLiteral("getdisplaygeometry")}),
                              QStringLiteral("1280 1024"), LongWait);
}

void DesktopTest::cleanup()
{
    if (m_veltrane)
        stop(*m_veltrane);
    if (QTest::currentTestFailed()) {
        // What the program and the X server said helps to see why.
        QTextStream(stderr) << "--- veltrane's output:\n"
                            << log(QStringLiteral("veltrane.log")) << "--- Xvfb's output:\n"
                            << log(QStringLiteral("xvfb.log")) << "---\n";
    }
    m_veltrane.reset();
    m_display.reset();
    m_folder.reset();
}

QProcessEnvironment DesktopTest::desktopEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Nothing of the machine's own desktop session may be reached.
    for (const char* name :
         {"WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS",
          "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_QPA_PLATFORMTHEME"})
        environment.remove(QString::fromUtf8(name));
    environment.insert(QStringLiteral("DISPLAY"), m_display->name());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const QDir home(m_folder->path());
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral(".cache")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    return environment;
}

QString DesktopTest::xdotool(const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(desktopEnvironment());
    process.start(tool("xdotool"), arguments);
    const bool ended = process.waitForFinished(LongWait);
    if (!ended)
        stop(process);
    const QString command = QStringLiteral("xdotool ") + arguments.join(u' ');
    if (!ended || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_lastError = command + (ended ? QStringLiteral(" failed: ") : QStringLiteral(" hung: ")) +
                      QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (output.endsWith(u'\n'))
        output.chop(1);
    return output.isNull() ? QStringLiteral("") : output;
}

QString DesktopTest::log(const QString& name) const
{
    return QString::fromLocal8Bit(veltrane::test::readBytes(m_folder->filePath(name)));
}

void DesktopTest::typedKeyRateIsStoredWhenAltELeaves()
{
    // A copy of the program in a writable folder of its own keeps its
    // settings file beside itself.
    const QDir folder(m_folder->path());
    const QString program = folder.filePath(QStringLiteral("veltrane"));
    QVERIFY(QFile::copy(QStringLiteral(VELTRANE_PROGRAM), program));
    const QString settings = folder.filePath(QStringLiteral("veltrane.ini"));
    QVERIFY(veltrane::test::writeBytes(settings, "[Calculate]\nKeyRate=100.358\n[Main]\nUse=6\n"));
    QVERIFY(folder.mkpath(QStringLiteral("runtime")));
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    m_veltrane = std::make_unique<QProcess>();
    m_veltrane->setProcessEnvironment(desktopEnvironment());
    m_veltrane->setWorkingDirectory(folder.path());
    m_veltrane->setProcessChannelMode(QProcess::MergedChannels);
    m_veltrane->setStandardOutputFile(folder.filePath(QStringLiteral("veltrane.log")));
    m_veltrane->start(program, {});
    QVERIFY2(m_veltrane->waitForStarted(LongWait), qPrintable(m_veltrane->errorString()));

    // The main window appears on the display.
    QString window;
    const QStringList search = {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--name"), QStringLiteral("^Veltrane ")};
    QTRY_VERIFY2_WITH_TIMEOUT(m_veltrane->state() != QProcess::Running ||
                                  !(window = xdotool(search).section(u'\n', 0, 0)).isEmpty(),
                              "no window of the program appeared", LongWait);
    QVERIFY2(m_veltrane->state() == QProcess::Running,
             "the program ended before its window appeared");

    QCOMPARE(xdotool({QStringLiteral("getwindowname"), window}), ExpectedTitle);

    // Without a window manager nothing gives the window the keyboard; the
    // key-rate field has the focus inside it from the start.
    QVERIFY2(!xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}).isNull(),
             qPrintable(m_lastError));
    QTRY_COMPARE_WITH_TIMEOUT(xdotool({QStringLiteral("getwindowfocus")}), window, LongWait);
    QVERIFY2(!xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")}).isNull(),
             qPrintable(m_lastError));
    QVERIFY2(!xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"),
                       TypedKeyRate})
                  .isNull(),
             qPrintable(m_lastError));
    QVERIFY2(!xdotool({QStringLiteral("key"), QStringLiteral("Return")}).isNull(),
             qPrintable(m_lastError));

    // The screen as the user sees it: the window drawn, not an empty screen.
    // The picture stays beside the test for a look afterwards.
    const QString picture = folder.filePath(QStringLiteral("screen.png"));
    const QString kept = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("app_desktop-screen.png"));
    QProcess grab;
    grab.setProcessEnvironment(desktopEnvironment());
    grab.setProcessChannelMode(QProcess::MergedChannels);
    grab.start(QStringLiteral(VELTRANE_SCREEN_GRAB), {picture});
    QVERIFY2(grab.waitForFinished(LongWait), "the screen grab did not end");
    QVERIFY2(grab.exitStatus() == QProcess::NormalExit && grab.exitCode() == 0,
             grab.readAll().constData());
    const QImage screen(picture);
    QCOMPARE(screen.size(), QSize(1280, 1024));
    const int colours = colourCount(screen);
    QFile::remove(kept);
    QFile::copy(picture, kept);
    QVERIFY2(colours > 1, qPrintable(QStringLiteral("the screen is blank: %1").arg(kept)));
    QTextStream(stdout) << "screen: " << kept << " (" << colours << " colours)\n";

    // Alt+E is the "&Exit..." button: the program closes and ends normally.
    QVERIFY2(!xdotool({QStringLiteral("key"), QStringLiteral("alt+e")}).isNull(),
             qPrintable(m_lastError));
    QVERIFY2(m_veltrane->waitForFinished(LongWait), "the program did not end after Alt+E");
    QCOMPARE(m_veltrane->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_veltrane->exitCode(), 0);

    // The key rate is stored as typed, and this start is counted.
    const QByteArray stored = veltrane::test::readBytes(settings);
    QVERIFY2(storedValue(stored, "KeyRate") == TypedKeyRate.toUtf8(), stored.constData());
    QVERIFY2(storedValue(stored, "Use") == "7", stored.constData());
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    for (const char* name : {"Xvfb", "xdotool"}) {
        if (tool(name).isEmpty()) {
            QTextStream(stdout) << "SKIP: " << name << " is not installed\n";
            return SkippedExitCode;
        }
    }
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
