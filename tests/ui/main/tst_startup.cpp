// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up from the settings file, and shut-down back into it.
#include "settings/ini_file.h"
#include "settings/setting_keys.h"
#include "support/main_window_fixture.h"
#include "ui/toolkit/today.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace veltrane;
using namespace veltrane::test;

namespace {

QString stored(const char* section, const char* key)
{
    return ReadINI(QString::fromUtf8(section), QString::fromUtf8(key), QStringLiteral("(none)"));
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void firstRun();
    void firstRunShutDownFile();
    void firstRunStoresEveryKey();
    void storedInputsComeBack();
    void storedCpuTimeOfZeroShowsOne();
    void dosThemeTurnsTheButtonColouringOff();
    void greyedButtonsBoxLeavesButtonsPlain();
    void handEditedValues_data();
    void handEditedValues();
    void useCountAtTheLargestValueStaysThere();
    void storedKeyRateMessages();
    void figuresAfterStartUpBelongToTheStoredDates();
    void checkBoxesReadAtStartUpAreStored();
    void emptyFieldFallsBackToItsDefault();
    void exitButtonAndAccessKeyCloseAndStore();
    void endOfTheSessionStores();
};

void StartupTest::firstRun()
{
    MainWindowFixture f;
    frmMain& window = f.open();
    QCOMPARE(window.windowTitle(), QStringLiteral("Veltrane    [1.13 Build3]"));
    QCOMPARE(f.text("txtKeys"), QStringLiteral("100.358"));
    QCOMPARE(f.text("txtCpu"), QStringLiteral("5"));
    QCOMPARE(f.text("txtStart"), todayFieldText());
    QCOMPARE(f.text("txtEnd"), QStringLiteral("11/04/2004"));
    QCOMPARE(f.combo()->listIndex(), 0);
    QCOMPARE(f.combo()->currentText(), QStringLiteral("Standard Color"));
    QCOMPARE(f.checkBox("chkShowMs")->value(), CheckBox::On);
    QCOMPARE(f.text("lblWu"), QStringLiteral("11:53:16:462"));
    QCOMPARE(f.text("cmdCalculate(0)"), QStringLiteral("&Calculate from here"));
    QCOMPARE(window.useCount(), 1);
    QVERIFY(f.messages.shown().isEmpty());
    // Choosing the stored theme was the first write, so the file begins with it.
    QVERIFY(f.settingsFile().startsWith("[Main]\nThemes=0\n"));
}

void StartupTest::firstRunShutDownFile()
{
    MainWindowFixture f;
    f.open();
    QSignalSpy unloaded(f.window.get(), &frmMain::unloaded);
    f.closeWindow();
    QCOMPARE(unloaded.count(), 1);
    const QByteArray expected = "[Main]\nThemes=0\nUse=2\n"
                                "[Calculate]\nKeyRate=100.358\nCPUTime=5\nM-F StartDate=" +
                                todayFieldText().toUtf8() +
                                "\nM-F End Date=11/04/2004\nMath CPUTime=1\nMath WuDone=1\n"
                                "WuDone=0\nButtons=1\nShowMs=1\nStartDate=1\nEndDate=0\n";
    QCOMPARE(f.settingsFile(), expected);
}

// A setting that is declared and read but never written would come back as
// its default after every restart.
void StartupTest::firstRunStoresEveryKey()
{
    MainWindowFixture f;
    f.open();
    f.click("cmdBuffIn");
    QWidget* buffIn = MainWindowFixture::shownWindow("frmBuffIn");
    QVERIFY(buffIn);
    QTest::mouseClick(MainWindowFixture::controlOf<QPushButton>(buffIn, "cmdCalculate"),
                      Qt::LeftButton);
    f.closeWindow();
    QVERIFY(f.messages.shown().isEmpty());

    for (const SettingKey& key : settingKeys::All) {
        const QString section = key.section.toString();
        const QString name = key.writeKey.toString();
        QVERIFY2(ReadINI(section, name, QStringLiteral("(none)")) != u"(none)",
                 qPrintable(QStringLiteral("[%1] %2 is not in the file").arg(section, name)));
    }
}

void StartupTest::storedInputsComeBack()
{
    MainWindowFixture f;
    f.writeSettings("[Calculate]\r\nKeyRate=641.440\r\nCPUTime=30\r\nM-F StartDate=30/10/2003\r\n"
                    "M-F End Date=01/01/2004\r\nMATH CPUTIME=1\r\nmath wudone=0\r\nWuDone=7\r\n"
                    "ShowMs=0\r\nStartDate=0\r\nEndDate=0\r\n[Main]\r\nThemes=2\r\nUse=41\r\n");
    frmMain& window = f.open();
    QCOMPARE(f.text("txtKeys"), QStringLiteral("641.440"));
    QCOMPARE(f.text("txtCpu"), QStringLiteral("30"));
    QCOMPARE(f.text("txtStart"), QStringLiteral("30/10/2003"));
    QCOMPARE(f.text("txtEnd"), QStringLiteral("01/01/2004"));
    // 30 hours set the box off, then its own setting turned it on again.
    QCOMPARE(f.checkBox("chkCPU")->value(), CheckBox::On);
    QCOMPARE(f.checkBox("chkDone")->value(), CheckBox::Off);
    QCOMPARE(f.text("txtWuDone"), QStringLiteral("7"));
    QCOMPARE(f.combo()->listIndex(), 2);
    QCOMPARE(f.text("lblWu"), QStringLiteral("1:51:36"));
    QCOMPARE(f.text("txtWuEnd"), QStringLiteral("1032,29"));
    QCOMPARE(window.useCount(), 41);
    f.closeWindow();
    QCOMPARE(stored("Main", "Use"), QStringLiteral("42"));
    QCOMPARE(stored("Calculate", "Math WuDone"), QStringLiteral("0"));
}

void StartupTest::storedCpuTimeOfZeroShowsOne()
{
    MainWindowFixture f;
    f.writeSettings("[Calculate]\nCPUTime=0\n");
    f.open();
    QCOMPARE(f.text("txtCpu"), QStringLiteral("1"));
}

void StartupTest::dosThemeTurnsTheButtonColouringOff()
{
    MainWindowFixture f;
    f.writeSettings("[Main]\nThemes=1\n[Calculate]\nButtons=1\n");
    f.open();
    QCOMPARE(f.combo()->listIndex(), 1);
    QCOMPARE(f.checkBox("chkButtons")->value(), CheckBox::Off);
    QCOMPARE(f.button("cmdEnd")->palette().color(QPalette::Button), QColor(224, 224, 224));
    QCOMPARE(f.window->palette().color(QPalette::Window), QColor(0, 0, 0));
    f.closeWindow();
    QCOMPARE(stored("Calculate", "Buttons"), QStringLiteral("0"));
}

void StartupTest::greyedButtonsBoxLeavesButtonsPlain()
{
    MainWindowFixture f;
    f.writeSettings("[Main]\nThemes=2\n[Calculate]\nButtons=2\n");
    f.open();
    QCOMPARE(f.checkBox("chkButtons")->value(), CheckBox::Greyed);
    QCOMPARE(f.button("cmdEnd")->palette().color(QPalette::Button), QColor(224, 224, 224));
    QCOMPARE(f.window->palette().color(QPalette::Window), QColor(0, 0, 66));
    f.closeWindow();
    QCOMPARE(stored("Calculate", "Buttons"), QStringLiteral("2"));
}

void StartupTest::handEditedValues_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");

    QTest::newRow("check box of 7 takes the default")
        << QByteArray("[Calculate]\nMath CPUTime=7\n") << "chkCPU" << 1;
    QTest::newRow("check box of -1 takes the default")
        << QByteArray("[Calculate]\nEndDate=-1\n") << "chkSetEndDate" << 0;
    QTest::newRow("check box with letters takes the default")
        << QByteArray("[Calculate]\nShowMs=yes\n") << "chkShowMs" << 1;
    QTest::newRow("check box beyond 16 bits takes the default")
        << QByteArray("[Calculate]\nMath WUDone=65536\n") << "chkDone" << 1;
    QTest::newRow("greyed check box stays greyed")
        << QByteArray("[Calculate]\nStartDate=2\n") << "chkSetStartDate" << 2;
    QTest::newRow("theme 9 selects theme 0")
        << QByteArray("[Main]\nThemes=9\n") << "cmbThemes" << 0;
    QTest::newRow("theme -1 selects theme 0")
        << QByteArray("[Main]\nThemes=-1\n") << "cmbThemes" << 0;
    QTest::newRow("theme with letters selects theme 0")
        << QByteArray("[Main]\nThemes=DOS\n") << "cmbThemes" << 0;
    QTest::newRow("theme 4 stays") << QByteArray("[Main]\nThemes=4\n") << "cmbThemes" << 4;
    QTest::newRow("use count with letters counts as 1")
        << QByteArray("[Main]\nUse=often\n") << "useCount" << 1;
    QTest::newRow("use count beyond 32 bits counts as 1")
        << QByteArray("[Main]\nUse=99999999999\n") << "useCount" << 1;
}

void StartupTest::handEditedValues()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, control);
    QFETCH(int, value);
    MainWindowFixture f;
    f.writeSettings(settings);
    f.open();
    if (control == u"cmbThemes")
        QCOMPARE(f.combo()->listIndex(), value);
    else if (control == u"useCount")
        QCOMPARE(f.window->useCount(), value);
    else
        QCOMPARE(f.checkBox(control.toUtf8().constData())->value(), value);
    QVERIFY(f.messages.shown().isEmpty());
}

void StartupTest::useCountAtTheLargestValueStaysThere()
{
    MainWindowFixture f;
    f.writeSettings("[Main]\nUse=2147483647\n");
    f.open();
    f.closeWindow();
    QCOMPARE(stored("Main", "Use"), QStringLiteral("2147483647"));
}

void StartupTest::storedKeyRateMessages()
{
    // Ticking the stored "show milliseconds" box calculates first; a rate
    // that was too low is 10.000 by the time start-up calculates itself.
    MainWindowFixture tooLow;
    tooLow.writeSettings("[Calculate]\nKeyRate=5000\n");
    tooLow.open();
    QCOMPARE(tooLow.messages.prompts(), QStringList{"To low!\r\nSetted to 10.000"});
    QCOMPARE(tooLow.text("txtKeys"), QStringLiteral("10.000"));
    QCOMPARE(tooLow.text("cmdCalculate(0)"), QStringLiteral("&Calculate from here"));

    MainWindowFixture zero;
    zero.writeSettings("[Calculate]\nKeyRate=0\n");
    zero.open();
    QCOMPARE(zero.messages.prompts(), (QStringList{"Zero keys!", "Zero keys!"}));
    QCOMPARE(zero.text("lblWu"), QStringLiteral("00:00:00"));
}

void StartupTest::figuresAfterStartUpBelongToTheStoredDates()
{
    MainWindowFixture f;
    f.writeSettings("[Calculate]\nM-F StartDate=30/10/2003\nM-F End Date=01/01/2004\n"
                    "StartDate=1\nEndDate=1\n");
    f.open();
    QCOMPARE(f.text("txtStart"), todayFieldText());
    QCOMPARE(f.text("txtEnd"), todayFieldText());
    QCOMPARE(f.text("Label1(7)"), QStringLiteral("WU's after 64 days"));
}

void StartupTest::checkBoxesReadAtStartUpAreStored()
{
    MainWindowFixture f;
    f.open();
    f.click("chkShowMs");
    f.click("chkSetStartDate");
    f.click("chkSetEndDate");
    f.closeWindow();
    QCOMPARE(stored("Calculate", "ShowMs"), QStringLiteral("0"));
    QCOMPARE(stored("Calculate", "StartDate"), QStringLiteral("0"));
    QCOMPARE(stored("Calculate", "EndDate"), QStringLiteral("1"));

    MainWindowFixture again;
    again.writeSettings(f.settingsFile());
    again.open();
    QCOMPARE(again.checkBox("chkShowMs")->value(), CheckBox::Off);
    QCOMPARE(again.text("lblWu"), QStringLiteral("11:53:16"));
    QCOMPARE(again.text("txtEnd"), todayFieldText());
}

void StartupTest::emptyFieldFallsBackToItsDefault()
{
    MainWindowFixture f;
    f.writeSettings("[Calculate]\nKeyRate=641.440\n");
    f.open();
    f.type("txtKeys", "");
    f.closeWindow();
    QCOMPARE(stored("Calculate", "KeyRate"), QStringLiteral("(none)"));

    MainWindowFixture again;
    again.writeSettings(f.settingsFile());
    again.open();
    QCOMPARE(again.text("txtKeys"), QStringLiteral("100.358"));
}

void StartupTest::exitButtonAndAccessKeyCloseAndStore()
{
    MainWindowFixture byButton;
    byButton.open();
    byButton.type("txtKeys", "641.440");
    byButton.click("cmdEnd");
    QVERIFY(!byButton.window->isVisible());
    QCOMPARE(stored("Calculate", "KeyRate"), QStringLiteral("641.440"));

    MainWindowFixture byKey;
    byKey.open();
    byKey.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(byKey.window.get()));
    byKey.type("txtKeys", "200.000");
    QTest::keyClick(byKey.window.get(), Qt::Key_E, Qt::AltModifier);
    // An access key presses its button as a click does, after a moment.
    QTRY_VERIFY(!byKey.window->isVisible());
    QCOMPARE(stored("Calculate", "KeyRate"), QStringLiteral("200.000"));
}

// Log-off, or a termination signal, ends the event loop without closing the
// windows first (exit, not quit, which would close them): the settings are
// stored all the same.
void StartupTest::endOfTheSessionStores()
{
    MainWindowFixture f;
    f.open();
    f.type("txtKeys", "641.440");
    QSignalSpy unloaded(f.window.get(), &frmMain::unloaded);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(stored("Calculate", "KeyRate"), QStringLiteral("641.440"));
    QCOMPARE(stored("Main", "Use"), QStringLiteral("2"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
