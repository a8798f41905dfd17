// SPDX-License-Identifier: GPL-3.0-or-later
// veltrane-cli --summary against the real window: the same entries typed
// into the window, "Calculate from here", "2 Line Text", and the clipboard
// must hold what the command line printed, byte for byte.
#include "support/main_window_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

namespace {

QByteArray cliSummary(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VELTRANE_CLI), arguments + QStringList{"--summary"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning("veltrane-cli: %s", process.readAllStandardError().constData());
    return process.readAllStandardOutput();
}

} // namespace

class CliSummaryTest : public QObject
{
    Q_OBJECT

private slots:
    void summaryEqualsTheWindowsClipboard_data();
    void summaryEqualsTheWindowsClipboard();
};

void CliSummaryTest::summaryEqualsTheWindowsClipboard_data()
{
    // The command line, and what a user types into the window for it.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("done"); // empty: "Add the done WU's" not ticked
    QTest::addColumn<bool>("ms");
    // clang-format off
    QTest::newRow("the window's example")
        << QStringList{"641.440", "--hours", "5", "--from", "30/10/2003", "--to", "01/01/2004"}
        << "641.440" << "5" << "30/10/2003" << "01/01/2004" << "" << false;
    QTest::newRow("done and milliseconds")
        << QStringList{"2296988", "--hours", "12", "--from", "01/01/2027", "--to", "31/12/2027", "--done", "12", "--ms"}
        << "2296988" << "12" << "01/01/2027" << "31/12/2027" << "12" << true;
    QTest::newRow("all day, grouped with commas")
        << QStringList{"2,296,988", "--from", "2027-03-01", "--to", "2027-03-31"}
        << "2,296,988" << "24" << "01/03/2027" << "31/03/2027" << "" << false;
    QTest::newRow("a client rate is written as the window writes it")
        << QStringList{"[2,296,988 keys/sec]", "--hours", "8", "--from", "01/01/2027", "--to", "01/02/2027"}
        << "2.296.988" << "8" << "01/01/2027" << "01/02/2027" << "" << false;
    QTest::newRow("a GPU rate, hours with a decimal")
        << QStringList{"40G", "--hours", "7.5", "--from", "01/01/2027", "--to", "31/12/2027", "--done", "100", "--ms"}
        << "40.000.000.000" << "7,5" << "01/01/2027" << "31/12/2027" << "100" << true;
    QTest::newRow("rates added up, over 29 February")
        << QStringList{"1.5G", "750M", "--from", "28/02/2028", "--to", "2028-03-01"}
        << "2.250.000.000" << "24" << "28/02/2028" << "01/03/2028" << "" << false;
    QTest::newRow("the lowest rate the window takes")
        << QStringList{"10.000", "--hours", "1", "--from", "1/1/2027", "--to", "2/1/2027"}
        << "10.000" << "1" << "01/01/2027" << "02/01/2027" << "" << false;
    // clang-format on
}

void CliSummaryTest::summaryEqualsTheWindowsClipboard()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, keys);
    QFETCH(QString, cpu);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, done);
    QFETCH(bool, ms);
    const QByteArray printed = cliSummary(arguments);
    QVERIFY(!printed.isEmpty());

    MainWindowFixture f;
    f.open();
    f.type("txtKeys", keys);
    f.type("txtCpu", cpu);
    f.type("txtStart", start);
    f.type("txtEnd", end);
    f.type("txtWuDone", done.isEmpty() ? QStringLiteral("0") : done);
    if (f.checkBox("chkDone")->isOn() == done.isEmpty())
        f.click("chkDone");
    if (f.checkBox("chkShowMs")->isOn() != ms)
        f.click("chkShowMs");
    f.click("cmdCalculate(0)");
    f.messages.clear();
    f.click("cmd1Line");
    QCOMPARE(f.messages.prompts(), QStringList{"Copyed to Clipboard"});

    QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), printed);
}

QTEST_MAIN(CliSummaryTest)
#include "tst_cli_summary.moc"
